// The labyrinth grid: fields indexed (column, row), columns growing right, rows down.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/text_pool.h"

namespace vorantis {

// Ordered for packing: a 1024 x 1024 level holds a million of these.
struct MatrixField {
  std::array<std::int32_t, 8> childIds{};  // object ids in FieldObjects; -1 = none
  std::array<Text, 8> childNames{};        // "#" marks an empty slot
  Text tileCode = nullptr;
  Text gfxName = nullptr;
  std::int32_t lastSpawnedSlot = 0;
  std::int32_t sprite3D = 0;
  std::int32_t opacity = 0;
  std::int32_t randomSeed = 0;
  std::int32_t transparency = 0;
  std::int32_t value1 = 0;
  std::int8_t useCollision = 0;
  std::int8_t objectCollision = 0;
  std::int8_t inLevel = 0;
  std::int8_t highestChildSlot = 0;
  std::int8_t heading = 0;
  std::int8_t useEnemy = 0;
};

// Fields outside the grid read as a void field: it never counts for a completion
// pattern, never closes a side of the trapped test, and blocks movement.
class Matrix {
 public:
  // Every field zero and empty, indices 0..lastColumn and 0..lastRow.
  void Create(int lastColumn, int lastRow) {
    columns_ = lastColumn + 1;
    rows_ = lastRow + 1;
    fields_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), MatrixField{});
  }
  // When the level area does not fit, grows (keeping nothing) so that it does;
  // otherwise the fields stay as they are.
  void CreateAtLeast(int lastColumn, int lastRow) {
    if (Contains(lastColumn, lastRow)) return;
    Create(lastColumn > columns_ - 1 ? lastColumn : columns_ - 1, lastRow > rows_ - 1 ? lastRow : rows_ - 1);
  }
  bool Contains(int column, int row) const {
    return column >= 0 && row >= 0 && column < columns_ && row < rows_;
  }
  MatrixField& At(int column, int row) { return fields_[Index(column, row)]; }
  const MatrixField& At(int column, int row) const { return fields_[Index(column, row)]; }
  // nullptr for a void field.
  MatrixField* Find(int column, int row) { return Contains(column, row) ? &At(column, row) : nullptr; }
  const MatrixField* Find(int column, int row) const {
    return Contains(column, row) ? &At(column, row) : nullptr;
  }
  int columns() const { return columns_; }
  int rows() const { return rows_; }

 private:
  std::size_t Index(int column, int row) const {
    return static_cast<std::size_t>(column) * static_cast<std::size_t>(rows_) + static_cast<std::size_t>(row);
  }
  int columns_ = 0;
  int rows_ = 0;
  std::vector<MatrixField> fields_;
};

}  // namespace vorantis
