// Book-keeping of the GL renderer's pictures, free of GL: where small pictures lie in
// shared atlas pages (so quads of many pictures go out in one draw) and which colours a
// picture holds (so a colour key costs nothing on pictures without its colour).
#pragma once

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "engine/image.h"

namespace vorantis {

// The distinct colours of a picture (red | green << 8 | blue << 16), sorted; `known`
// false when there were too many to keep.
struct PictureColours {
  bool known = false;
  std::vector<std::uint32_t> sorted;

  static PictureColours Of(const Image& image) {
    constexpr std::size_t kMostKept = 4096;
    std::unordered_set<std::uint32_t> seen;
    for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
      seen.insert(image.rgba[i] | image.rgba[i + 1] << 8 |
                  static_cast<std::uint32_t>(image.rgba[i + 2]) << 16);
      if (seen.size() > kMostKept) return {};
    }
    PictureColours colours{true, {seen.begin(), seen.end()}};
    std::sort(colours.sorted.begin(), colours.sorted.end());
    return colours;
  }
  bool MayHold(std::uint32_t rgb) const {
    return !known || std::binary_search(sorted.begin(), sorted.end(), rgb);
  }
};

// Places on square pages of `side` texels, in shelves of one height each: the game's
// pictures come in few sizes. A freed place is taken again by a picture of its size.
class AtlasShelves {
 public:
  struct Place {
    int page = -1;  // -1: no room
    int x = 0, y = 0;
  };

  AtlasShelves(int side, int largest, int mostPages)
      : side_(side), largest_(largest), mostPages_(mostPages) {}

  // A page index of pages() - 1 that was not there before means the caller must make that page.
  Place Take(int width, int height) {
    if (width <= 0 || height <= 0 || width > largest_ || height > largest_) return {};
    auto& spare = spare_[Key(width, height)];
    if (!spare.empty()) {
      const Place place = spare.back();
      spare.pop_back();
      return place;
    }
    for (int page = 0; page < static_cast<int>(pages_.size()); ++page) {
      const Place place = TakeOn(page, width, height);
      if (place.page >= 0) return place;
    }
    if (static_cast<int>(pages_.size()) >= mostPages_) return {};
    pages_.emplace_back();
    return TakeOn(static_cast<int>(pages_.size()) - 1, width, height);
  }
  void Give(Place place, int width, int height) { spare_[Key(width, height)].push_back(place); }
  int pages() const { return static_cast<int>(pages_.size()); }

 private:
  struct Shelf {
    int y, height, used;
  };
  struct Page {
    int top = 0;
    std::vector<Shelf> shelves;
  };
  static std::uint32_t Key(int width, int height) {
    return static_cast<std::uint32_t>(width) << 16 | static_cast<std::uint32_t>(height);
  }
  Place TakeOn(int index, int width, int height) {
    Page& page = pages_[index];
    for (Shelf& shelf : page.shelves) {
      if (shelf.height == height && shelf.used + width <= side_) {
        const Place place{index, shelf.used, shelf.y};
        shelf.used += width;
        return place;
      }
    }
    if (page.top + height > side_) return {};
    page.shelves.push_back({page.top, height, width});
    const Place place{index, 0, page.top};
    page.top += height;
    return place;
  }

  int side_, largest_, mostPages_;
  std::vector<Page> pages_;
  std::unordered_map<std::uint32_t, std::vector<Place>> spare_;
};

}  // namespace vorantis
