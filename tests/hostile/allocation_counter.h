// Counts the heap requests of this test program while a watch is open, so that tests
// can show a decoder refused a file before taking memory for what its header claims.
// Every request goes through malloc, the codec libraries' own included: the program
// puts itself in front of the C library's allocator (or, under AddressSanitizer, uses
// the sanitizer's allocation hooks).
#pragma once

#include <cstddef>

namespace vorantis::testing {

struct AllocationTally {
  std::size_t largest = 0;  // the largest single request, granted or not
  std::size_t total = 0;    // all requests added up
  std::size_t peak = 0;     // the most bytes held at once beyond those held at the start
};

class AllocationWatch {
 public:
  AllocationWatch();
  ~AllocationWatch();
  AllocationWatch(const AllocationWatch&) = delete;
  AllocationWatch& operator=(const AllocationWatch&) = delete;

  AllocationTally Tally() const;
};

// False where neither way of counting is available (another C library).
bool AllocationsAreCounted();

}  // namespace vorantis::testing
