#include "hostile/allocation_counter.h"

#include <malloc.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#define VORANTIS_COUNT_WITH_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORANTIS_COUNT_WITH_SANITIZER 1
#endif
#endif

namespace vorantis::testing {
namespace {

// The allocator has no place to keep a context, so the tally is process-wide.
struct Counters {
  std::atomic<bool> open{false};
  std::atomic<std::size_t> largest{0};
  std::atomic<std::size_t> total{0};
  std::atomic<std::int64_t> held{0};  // since the watch opened; frees of older blocks go below 0
  std::atomic<std::int64_t> peak{0};
};

constinit Counters counters;

template <typename T>
void RaiseTo(std::atomic<T>& most, T value) {
  T seen = most.load(std::memory_order_relaxed);
  while (value > seen && !most.compare_exchange_weak(seen, value, std::memory_order_relaxed)) {
  }
}

void NoteRequest(std::size_t size) {
  if (!counters.open.load(std::memory_order_relaxed)) return;
  counters.total.fetch_add(size, std::memory_order_relaxed);
  RaiseTo(counters.largest, size);
}

// Blocks given (positive) and taken back (negative), by their usable size.
void NoteHeld(std::int64_t change) {
  if (!counters.open.load(std::memory_order_relaxed)) return;
  RaiseTo(counters.peak, counters.held.fetch_add(change, std::memory_order_relaxed) + change);
}

}  // namespace
}  // namespace vorantis::testing

#if defined(VORANTIS_COUNT_WITH_SANITIZER)

extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, std::size_t),
                                                         void (*)(const volatile void*));
extern "C" std::size_t __sanitizer_get_allocated_size(const volatile void*);

namespace vorantis::testing {
namespace {

// The sanitizer reports granted blocks only: a refused request is not seen.
void SanitizerMallocHook(const volatile void*, std::size_t size) {
  NoteRequest(size);
  NoteHeld(static_cast<std::int64_t>(size));
}
void SanitizerFreeHook(const volatile void* block) {
  NoteHeld(-static_cast<std::int64_t>(__sanitizer_get_allocated_size(block)));
}

bool InstallHooks() {
  static const bool installed =
      __sanitizer_install_malloc_and_free_hooks(SanitizerMallocHook, SanitizerFreeHook) != 0;
  return installed;
}

}  // namespace
}  // namespace vorantis::testing

#elif defined(__GLIBC__)

// The C library's own entry points, which its malloc, calloc and realloc stand for.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace vorantis::testing {
namespace {

std::int64_t Usable(void* block) {
  return block ? static_cast<std::int64_t>(malloc_usable_size(block)) : 0;
}

void* Given(void* block) {
  NoteHeld(Usable(block));
  return block;
}

bool InstallHooks() {
  return true;
}

}  // namespace
}  // namespace vorantis::testing

extern "C" {
void* malloc(std::size_t size) noexcept {
  vorantis::testing::NoteRequest(size);
  return vorantis::testing::Given(__libc_malloc(size));
}
void* calloc(std::size_t count, std::size_t size) noexcept {
  std::size_t bytes = 0;
  vorantis::testing::NoteRequest(__builtin_mul_overflow(count, size, &bytes) ? SIZE_MAX : bytes);
  return vorantis::testing::Given(__libc_calloc(count, size));
}
void* realloc(void* block, std::size_t size) noexcept {
  vorantis::testing::NoteRequest(size);
  const std::int64_t before = vorantis::testing::Usable(block);
  void* moved = __libc_realloc(block, size);
  // A failed realloc keeps the old block; realloc to 0 frees it.
  if (moved || size == 0) vorantis::testing::NoteHeld(vorantis::testing::Usable(moved) - before);
  return moved;
}
void free(void* block) noexcept {
  vorantis::testing::NoteHeld(-vorantis::testing::Usable(block));
  __libc_free(block);
}
void* memalign(std::size_t alignment, std::size_t size) noexcept {
  vorantis::testing::NoteRequest(size);
  return vorantis::testing::Given(__libc_memalign(alignment, size));
}
void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
  vorantis::testing::NoteRequest(size);
  return vorantis::testing::Given(__libc_memalign(alignment, size));
}
int posix_memalign(void** block, std::size_t alignment, std::size_t size) noexcept {
  if (alignment < sizeof(void*) || (alignment & (alignment - 1)) != 0) return EINVAL;
  vorantis::testing::NoteRequest(size);
  void* got = vorantis::testing::Given(__libc_memalign(alignment, size));
  if (!got) return ENOMEM;
  *block = got;
  return 0;
}
}

#else

namespace vorantis::testing {
namespace {
bool InstallHooks() {
  return false;
}
}  // namespace
}  // namespace vorantis::testing

#endif

namespace vorantis::testing {

AllocationWatch::AllocationWatch() {
  InstallHooks();
  counters.largest = 0;
  counters.total = 0;
  counters.held = 0;
  counters.peak = 0;
  counters.open = true;
}

AllocationWatch::~AllocationWatch() {
  counters.open = false;
}

AllocationTally AllocationWatch::Tally() const {
  return {counters.largest.load(), counters.total.load(), static_cast<std::size_t>(counters.peak.load())};
}

bool AllocationsAreCounted() {
  if (!InstallHooks()) return false;
  // A block the watch must see; kept opaque so that the compiler cannot drop it.
  AllocationWatch watch;
  void* volatile block = std::malloc(3 << 20);
  std::free(block);
  const AllocationTally tally = watch.Tally();
  return tally.largest >= (3u << 20) && tally.peak >= (3u << 20);
}

}  // namespace vorantis::testing
