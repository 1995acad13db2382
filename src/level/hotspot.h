// The drawing offset that an object definition's hotspot and centre-field flag give a
// field object or an enemy of the given size.
#pragma once

#include <string>

#include "core/records.h"

namespace vorantis {

inline void ApplyHotspot(const ObjectDefinition& definition, float width, float height, float tileSize,
                         float& offsetX, float& offsetY) {
  const std::string& hotspot = definition.hotspot;
  if (hotspot == "CENTER") {
    offsetX = width / 2;
    offsetY = height / 2;
  } else if (hotspot == "RIGHT") {
    offsetX = width;
    offsetY = 0;
  } else if (hotspot == "BOTTOMLEFT") {
    offsetX = 0;
    offsetY = height;
  } else if (hotspot == "BOTTOMRIGHT") {
    offsetX = width;
    offsetY = height;
  }
  if (definition.centerField == 1) {
    offsetX += tileSize / 2;
    offsetY += tileSize / 2;
  }
}

}  // namespace vorantis
