#include "world/level_grid.h"

#include <iterator>
#include <istream>
#include <utility>

#include "world/level_codec.h"
#include "world/objects.h"

namespace trelux {

namespace {

// What stands everywhere outside the grid. Walls neither mark nor pass light
// and never move, so one shared instance serves every such position.
Wall& outsideWall() {
  static Wall wall;
  return wall;
}

}  // namespace

LevelGrid::LevelGrid() = default;
LevelGrid::~LevelGrid() = default;
LevelGrid::LevelGrid(LevelGrid&&) noexcept = default;
LevelGrid& LevelGrid::operator=(LevelGrid&&) noexcept = default;

bool LevelGrid::inBounds(int32_t x, int32_t y) const {
  return x >= 0 && x < width_ && y >= 0 && y < height_;
}

size_t LevelGrid::indexOf(int32_t x, int32_t y) const {
  return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
}

GridObject& LevelGrid::cell(int32_t x, int32_t y) {
  if (!inBounds(x, y) || indexOf(x, y) >= cells_.size()) return outsideWall();
  return *cells_[indexOf(x, y)];
}

const GridObject& LevelGrid::cell(int32_t x, int32_t y) const {
  return const_cast<LevelGrid*>(this)->cell(x, y);
}

void LevelGrid::setDescription(bool present, std::string text) {
  if (present) {
    description_ = std::move(text);
  } else {
    description_.reset();
  }
}

void LevelGrid::clear() {
  cells_.clear();
  loaded_ = false;
}

void LevelGrid::close() {
  clear();
  start_ = {};
  description_.reset();
  levelBytes_.reset();
}

// A level that cannot be read must not cost the one shown: the editor keeps
// showing it, with its unsaved edits, and the play screen its position.
bool LevelGrid::read(std::istream& in) {
  LevelGrid level;
  const std::streampos begin = in.tellg();
  if (!parseLevel(in, level)) return false;
  const std::streampos end = in.tellg();
  std::string bytes(static_cast<size_t>(end - begin), '\0');
  in.seekg(begin);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  in.seekg(end);
  if (!in) return false;
  level.levelBytes_ = std::move(bytes);
  *this = std::move(level);
  return true;
}

void LevelGrid::beginLevel(int32_t width, int32_t height) {
  clear();
  width_ = width;
  height_ = height;
  cells_.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
}

void LevelGrid::appendCell(std::unique_ptr<GridObject> object) {
  cells_.push_back(std::move(object));
}

bool LevelGrid::replaceCell(int32_t x, int32_t y, std::unique_ptr<GridObject> object) {
  if (!object || !inBounds(x, y) || indexOf(x, y) >= cells_.size()) return false;
  cells_[indexOf(x, y)] = std::move(object);
  return true;
}

bool LevelGrid::swapCells(Position a, Position b) {
  if (!inBounds(a.x, a.y) || !inBounds(b.x, b.y)) return false;
  if (indexOf(a.x, a.y) >= cells_.size() || indexOf(b.x, b.y) >= cells_.size()) return false;
  std::swap(cells_[indexOf(a.x, a.y)], cells_[indexOf(b.x, b.y)]);
  return true;
}

// Growing keeps each row's east-most object at the east end and the south-most
// row at the bottom is given up to new floor; the border is rebuilt afterwards
// in any case, so only the interior matters.
bool LevelGrid::resizeGrid(int32_t newWidth, int32_t newHeight) {
  if (newWidth < 1 || newHeight < 1 || cells_.size() != indexOf(0, height_) || cells_.empty()) {
    return false;
  }
  if (newWidth > width_) {
    for (int32_t y = height_ - 1; y >= 0; --y) {
      auto at = cells_.begin() + static_cast<std::ptrdiff_t>(indexOf(width_ - 1, y));
      for (int32_t i = 0; i < newWidth - width_; ++i) {
        at = cells_.insert(at, std::make_unique<Floor>());
      }
    }
    width_ = newWidth;
  } else if (newWidth < width_) {
    for (int32_t y = height_ - 1; y >= 0; --y) {
      auto first = cells_.begin() + static_cast<std::ptrdiff_t>(indexOf(newWidth, y));
      cells_.erase(first, first + (width_ - newWidth));
    }
    width_ = newWidth;
  }
  if (newHeight > height_) {
    cells_.resize(cells_.size() - static_cast<size_t>(width_));
    height_ -= 1;
    for (int32_t i = 0; i < (newHeight - height_) * width_; ++i) {
      cells_.push_back(std::make_unique<Floor>());
    }
    height_ = newHeight;
  } else if (newHeight < height_) {
    cells_.resize(cells_.size() - static_cast<size_t>((height_ - newHeight) * width_));
    height_ = newHeight;
  }
  rebuildBorder();
  return true;
}

void LevelGrid::rebuildBorder() {
  for (int32_t x = 0; x < width_; ++x) {
    replaceCell(x, 0, std::make_unique<Wall>());
    replaceCell(x, height_ - 1, std::make_unique<Wall>());
  }
  for (int32_t y = 0; y < height_; ++y) {
    replaceCell(0, y, std::make_unique<Wall>());
    replaceCell(width_ - 1, y, std::make_unique<Wall>());
  }
}

}  // namespace trelux
