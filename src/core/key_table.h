// The readers of the key/value data files keep a table of the keys they know, one row
// per key with the rule that stores its value, so that a new key is one new row.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>

namespace vorantis {

// The first row whose key equals key exactly (case-sensitive), or nullptr.
template <typename Row, std::size_t N>
const Row* FindKeyRow(const Row (&rows)[N], std::string_view key) {
  const Row* row = std::find_if(std::begin(rows), std::end(rows), [&](const Row& r) { return key == r.key; });
  return row == std::end(rows) ? nullptr : row;
}

// The field that a chain of member pointers reaches: MemberAt<&A::b, &B::c>(a) is a.b.c.
template <auto First, auto... Rest, typename Record>
auto& MemberAt(Record& record) {
  if constexpr (sizeof...(Rest) == 0) {
    return record.*First;
  } else {
    return MemberAt<Rest...>(record.*First);
  }
}

}  // namespace vorantis
