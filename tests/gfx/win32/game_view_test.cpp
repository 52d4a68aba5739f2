// Drawing the board into a memory bitmap and reading its pixels: tiles,
// beams, the robot, the panel and the level number, and what the play
// screen adds: the moves, the best and the hint's arrow.
#include <gtest/gtest.h>

#include "app/win32/shell.h"
#include "gfx/win32/bitmap_holder.h"
#include "gfx/win32/game_view.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "world/play_model.h"

namespace trelux::test {
namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);

// A laser in the corner shines east along the top row through a floor cell
// into a mirror that turns it south.
const char* const kLevel =
    "# # # # # #\n"
    "# >r . \\r . #\n"
    "# . . . . #\n"
    "# @ . . Swg #\n"
    "# # # # # #\n";
// Its five rows are shorter than the panel's 280 pixels: centred beside it.
constexpr int kBoardTop = (280 - 5 * 25) / 2;

class Canvas {
 public:
  Canvas(int width, int height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    previous_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(kUntouched);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};

bool sameBlock(HDC a, int ax, int ay, HDC b, int bx, int by, int width, int height) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (GetPixel(a, ax + x, ay + y) != GetPixel(b, bx + x, by + y)) return false;
  return true;
}

class GameViewDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    resourceLibrary = LoadLibraryA(TRELUX_TEST_GAME_DIR "\\trelux.dll");
    ASSERT_NE(resourceLibrary, nullptr);
    ASSERT_TRUE(tiles_.load(resourceLibrary, "tileset.bmp"));
    writeSetFile("levels.dat", {kLevel, kLevel, kLevel, kLevel, kLevel, kLevel, kLevel, kLevel,
                                kLevel, kLevel, kLevel, kLevel});
    ASSERT_TRUE(model_.loadSet("levels.dat"));
    ASSERT_TRUE(model_.goToLevel(11));
    window_ = CreateWindowExA(0, "static", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    view_ = std::make_unique<GameView>(model_, window_, GetModuleHandleA(nullptr));
    ASSERT_TRUE(view_->loadTileset("tileset.bmp"));
  }
  void TearDown() override {
    view_.reset();
    DestroyWindow(window_);
    tiles_.release();
    FreeLibrary(resourceLibrary);
    resourceLibrary = nullptr;
  }
  bool tileShownAt(const Canvas& canvas, int cellX, int cellY, int tile) {
    return sameBlock(canvas.dc(), cellX * 25, kBoardTop + cellY * 25, tiles_.dc(), (tile % 8) * 25,
                     (tile / 8) * 25, 25, 25);
  }

  ScratchFolder folder_;
  BitmapHolder tiles_;
  PlayModel model_;
  HWND window_ = nullptr;
  std::unique_ptr<GameView> view_;
};

TEST_F(GameViewDrawing, NothingIsDrawnBeforeThePuzzleRuns) {
  Canvas canvas(400, 300);
  view_->draw(canvas.dc());
  EXPECT_EQ(canvas.at(12, 12), kUntouched);
  EXPECT_EQ(canvas.at(60, 37), kUntouched);
}

TEST_F(GameViewDrawing, CellsShowTheirTilesAndTheRobotItsDirection) {
  model_.startRunning();
  Canvas canvas(400, 300);
  view_->draw(canvas.dc());
  EXPECT_TRUE(tileShownAt(canvas, 0, 0, model_.tileAt(0, 0)));  // wall
  EXPECT_TRUE(tileShownAt(canvas, 2, 2, model_.tileAt(2, 2)));  // floor, unlit
  EXPECT_TRUE(tileShownAt(canvas, 1, 3, 3)) << "robot facing north";
  EXPECT_EQ(canvas.at(12, kBoardTop - 1), RGB(0, 0, 0)) << "black above the centred board";
  EXPECT_EQ(canvas.at(12, kBoardTop + 5 * 25), RGB(0, 0, 0)) << "and below it";
  model_.setRobotDirection(kSouth);
  view_->draw(canvas.dc());
  EXPECT_TRUE(tileShownAt(canvas, 1, 3, 5)) << "robot facing south";
}

TEST_F(GameViewDrawing, BeamsAreLinesThroughTheCentresOfLitSides) {
  model_.startRunning();
  Canvas canvas(400, 300);
  view_->draw(canvas.dc());
  const COLORREF red = RGB(255, 0, 0);
  // Cell (2, 1) is lit on its west and east sides: one line across it.
  EXPECT_EQ(canvas.at(2 * 25 + 2, kBoardTop + 25 + 12), red);
  EXPECT_EQ(canvas.at(2 * 25 + 22, kBoardTop + 25 + 12), red);
  // The mirror at (3, 1) turns it: lit west and south, an L through the centre.
  EXPECT_EQ(canvas.at(3 * 25 + 3, kBoardTop + 25 + 12), red);
  EXPECT_EQ(canvas.at(3 * 25 + 12, kBoardTop + 25 + 21), red);
  EXPECT_NE(canvas.at(3 * 25 + 21, kBoardTop + 25 + 12), red);
  EXPECT_NE(canvas.at(3 * 25 + 12, kBoardTop + 25 + 3), red);
  // Below the mirror the beam runs north to south through (3, 2).
  EXPECT_EQ(canvas.at(3 * 25 + 12, kBoardTop + 2 * 25 + 2), red);
  EXPECT_EQ(canvas.at(3 * 25 + 12, kBoardTop + 2 * 25 + 22), red);
}

TEST_F(GameViewDrawing, PanelShowsTheLevelNumberInThreeDigits) {
  model_.startRunning();
  BitmapHolder panel, digits;
  ASSERT_TRUE(panel.load(resourceLibrary, "colors.bmp"));
  ASSERT_TRUE(digits.load(resourceLibrary, "digits.bmp"));
  Canvas canvas(6 * 25 + panel.width(), std::max(300, panel.height()));
  view_->draw(canvas.dc());
  const int panelX = 6 * 25;
  const int firstDigitX = panelX + ((panel.width() - 36) >> 1);
  // Level index 11 is shown as 012.
  const int shown[3] = {0, 1, 2};
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(sameBlock(canvas.dc(), firstDigitX + i * 12, 255, digits.dc(), shown[i] * 12, 0,
                          12, 21))
        << "digit " << i;
  // Away from the digits the panel is the picture itself.
  EXPECT_TRUE(sameBlock(canvas.dc(), panelX, 0, panel.dc(), 0, 0, panel.width(), 40));
}

class FixedPanel : public PlayPanelSource {
 public:
  PlayPanel playPanel() override { return shown; }
  PlayPanel shown;
};

TEST_F(GameViewDrawing, PlayPanelShowsTheBestAndTheMovesAboveTheLevel) {
  model_.startRunning();
  FixedPanel source;
  source.shown.moves = 17;
  source.shown.best = 9;
  view_->setPlayPanel(&source);
  BitmapHolder panel, digits, plate;
  ASSERT_TRUE(panel.load(resourceLibrary, "colors.bmp"));
  ASSERT_TRUE(digits.load(resourceLibrary, "digits.bmp"));
  ASSERT_TRUE(plate.load(resourceLibrary, "moves.bmp"));
  Canvas canvas(6 * 25 + panel.width(), std::max(300, panel.height()));
  view_->draw(canvas.dc());
  const int digitsX = 6 * 25 + ((panel.width() - 36) >> 1);
  const int plateX = 6 * 25 + ((panel.width() - plate.width()) >> 1);
  const int bestY = 255 - plate.height();  // each row 5 above its digits, as the level's
  const int movesY = bestY + plate.height() / 2;
  const int best[3] = {0, 0, 9}, moves[3] = {0, 1, 7};
  for (int i = 0; i < 3; ++i) {
    const int x = digitsX + i * 12;
    EXPECT_TRUE(sameBlock(canvas.dc(), x, bestY, digits.dc(), best[i] * 12, 0, 12, 21))
        << "best digit " << i;
    EXPECT_TRUE(sameBlock(canvas.dc(), x, movesY, digits.dc(), moves[i] * 12, 0, 12, 21))
        << "moves digit " << i;
  }
  source.shown.best.reset();
  view_->draw(canvas.dc());
  EXPECT_TRUE(sameBlock(canvas.dc(), plateX, bestY - 5, plate.dc(), 0, 0, plate.width(), 30))
      << "no best: the plate's dark places";
  view_->setPlayPanel(nullptr);
}

TEST_F(GameViewDrawing, PlayPanelWithoutItsPlateLeavesTheLevelNumberAlone) {
  model_.startRunning();
  FixedPanel source;
  source.shown.moves = 17;
  source.shown.best = 9;
  const HMODULE library = resourceLibrary;
  resourceLibrary = GetModuleHandleA(nullptr);  // a library without "moves.bmp"
  view_->setPlayPanel(&source);
  resourceLibrary = library;
  BitmapHolder panel, digits;
  ASSERT_TRUE(panel.load(resourceLibrary, "colors.bmp"));
  ASSERT_TRUE(digits.load(resourceLibrary, "digits.bmp"));
  Canvas canvas(6 * 25 + panel.width(), std::max(300, panel.height()));
  view_->draw(canvas.dc());
  const int firstDigitX = 6 * 25 + ((panel.width() - 36) >> 1);
  const int shown[3] = {0, 1, 2};
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(sameBlock(canvas.dc(), firstDigitX + i * 12, 255, digits.dc(), shown[i] * 12, 0,
                          12, 21))
        << "digit " << i;
  view_->setPlayPanel(nullptr);
}

TEST_F(GameViewDrawing, HintArrowPointsWhereTheKeyTakesTheRobot) {
  model_.startRunning();
  FixedPanel source;
  view_->setPlayPanel(&source);
  Canvas canvas(400, 300);
  // The robot stands at (1, 3) facing north; an arrowhead's wings spread on
  // the side it points to.
  const int cx = 25 + 12, cy = kBoardTop + 3 * 25 + 12;
  const COLORREF amber = RGB(255, 214, 64);
  source.shown.hint = PlayKey::Up;
  view_->draw(canvas.dc());
  EXPECT_EQ(canvas.at(cx - 3, cy - 3), amber);
  EXPECT_NE(canvas.at(cx - 3, cy + 3), amber);
  source.shown.hint = PlayKey::Down;
  view_->draw(canvas.dc());
  EXPECT_NE(canvas.at(cx - 3, cy - 3), amber);
  EXPECT_EQ(canvas.at(cx - 3, cy + 3), amber);
  source.shown.hint.reset();
  view_->draw(canvas.dc());
  EXPECT_TRUE(tileShownAt(canvas, 1, 3, 3)) << "no hint, no arrow";
  view_->setPlayPanel(nullptr);
}

TEST(BitmapHolder, MissingBitmapLeavesAnEmptyHolder) {
  HMODULE library = LoadLibraryA(TRELUX_TEST_GAME_DIR "\\trelux.dll");
  ASSERT_NE(library, nullptr);
  BitmapHolder holder;
  EXPECT_FALSE(holder.load(library, "nothing.bmp"));
  EXPECT_FALSE(holder.isLoaded());
  EXPECT_EQ(holder.width(), 0);
  EXPECT_TRUE(holder.load(library, "DIGITS.BMP"));
  EXPECT_EQ(holder.width(), 120);
  EXPECT_EQ(holder.height(), 21);
  EXPECT_FALSE(holder.load(library, "nothing.bmp"));
  EXPECT_EQ(holder.height(), 0) << "a failed reload leaves the holder empty";
  holder.release();
  FreeLibrary(library);
}

}  // namespace
}  // namespace trelux::test
