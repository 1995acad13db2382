// The largest picture the engine decodes. Every decoder checks a file's header against
// it before it takes any pixel memory, so a few bytes that claim a huge picture cost nothing.
#pragma once

#include <cstdint>

namespace vorantis {

inline constexpr std::uint64_t kLargestPictureSide = 16384;
inline constexpr std::uint64_t kLargestPicturePixels = 64ull * 1024 * 1024;

// True when a width x height picture is within the budget.
constexpr bool WithinPictureBudget(std::uint64_t width, std::uint64_t height) {
  return width > 0 && height > 0 && width <= kLargestPictureSide && height <= kLargestPictureSide &&
         width * height <= kLargestPicturePixels;
}

// Also true only when a file of `fileBytes` bytes can hold that many pixels, given the
// most pixels one byte can stand for in the format's densest coding.
constexpr bool WithinPictureBudget(std::uint64_t width, std::uint64_t height, std::uint64_t fileBytes,
                                   std::uint64_t pixelsPerByte) {
  if (!WithinPictureBudget(width, height) || pixelsPerByte == 0) return false;
  return (width * height + pixelsPerByte - 1) / pixelsPerByte <= fileBytes;
}

}  // namespace vorantis
