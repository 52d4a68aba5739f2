// What the play screen adds to the panel and the board: the moves and the
// best on their display ("moves.bmp") stacked on the level number, a note in
// a display of its own between the title and "Next Level", and the hinted
// key as an arrow over the robot.
#include "gfx/win32/game_view.h"

#include <algorithm>
#include <string>

#include "app/win32/shell.h"
#include "world/puzzle_model.h"

namespace trelux {
namespace {

constexpr int kLargestShown = 999;
// The plate's rows repeat the level number's spacing upwards.
constexpr int kDigitsBelowRowTop = 5;
constexpr int kPlateRows = 2;
// The note's display, in panel pixels: between the title and "Next Level".
constexpr int kNoteTop = 52;
constexpr int kNoteBottom = 118;
constexpr int kNoteMargin = 6;
constexpr int kNoteWidth = 180;
constexpr int kNotePanelMargin = 12;
// The colours of the panel's displays (the art's own).
constexpr COLORREF kDisplayBackground = RGB(14, 10, 6);
constexpr COLORREF kDisplayEdge = RGB(92, 70, 36);
constexpr COLORREF kNoteText = RGB(255, 178, 52);
// The hint's arrow: bright amber with a dark rim, so that it shows over
// every robot tile.
constexpr COLORREF kArrowFill = RGB(255, 214, 64);
constexpr COLORREF kArrowRim = RGB(24, 16, 4);

struct Vector {
  int x;
  int y;
};

// North, east, south, west, in window pixels (y grows downwards).
constexpr Vector kUnit[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};

POINT along(POINT from, Vector unit, int length) {
  return {from.x + unit.x * length, from.y + unit.y * length};
}

void fill(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

// An arrowhead at `at`, pointing along unit, size pixels each way.
void drawHead(HDC dc, POINT at, Vector unit, int size) {
  const Vector side{-unit.y, unit.x};
  const POINT base = along(at, unit, -size * 3 / 5);
  const POINT points[3] = {along(at, unit, size), along(base, side, size),
                           along(base, side, -size)};
  Polygon(dc, points, 3);
}

// The arrow's shape, drawn twice: wide in the rim's colour, then narrow in
// its own over it, so that a dark edge runs round the whole of it.
struct ArrowShape {
  bool turn = false;
  POINT centre{};
  POINT from{}, to{};  // the shaft's ends, or the arc's
  int radius = 0;
  POINT head{};
  Vector headUnit{};
  int headSize = 5;
};

void drawArrowPass(HDC dc, const ArrowShape& arrow, COLORREF colour, int shaftWidth,
                   int edgeWidth) {
  HPEN shaft = CreatePen(PS_SOLID, shaftWidth, colour);
  HPEN edge = CreatePen(PS_SOLID, edgeWidth, colour);
  HBRUSH brush = CreateSolidBrush(colour);
  HGDIOBJ oldPen = SelectObject(dc, shaft);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  if (arrow.turn) {
    const POINT c = arrow.centre;
    const int r = arrow.radius;
    Arc(dc, c.x - r, c.y - r, c.x + r + 1, c.y + r + 1, arrow.from.x, arrow.from.y, arrow.to.x,
        arrow.to.y);
  } else {
    MoveToEx(dc, arrow.from.x, arrow.from.y, nullptr);
    LineTo(dc, arrow.to.x, arrow.to.y);
  }
  SelectObject(dc, edge);
  drawHead(dc, arrow.head, arrow.headUnit, arrow.headSize);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(shaft);
  DeleteObject(edge);
  DeleteObject(brush);
}

}  // namespace

void GameView::setPlayPanel(PlayPanelSource* source) {
  playPanel_ = source;
  if (source && !movesPlate_.isLoaded()) movesPlate_.load(resourceLibrary, "moves.bmp");
}

void GameView::drawPlayPanel(HDC dc) {
  const PlayPanel shown = playPanel_->playPanel();
  drawNote(dc, shown.note);
  // A resource library without the plate keeps the plain panel: the rows
  // would otherwise fall on the level number.
  if (!movesPlate_.isLoaded()) return;
  const int plateX = panelX() + ((image_.width() - movesPlate_.width()) >> 1);
  const int plateY = kLevelNumberY - kDigitsBelowRowTop - movesPlate_.height();
  BitBlt(dc, plateX, plateY, movesPlate_.width(), movesPlate_.height(), movesPlate_.dc(), 0, 0,
         SRCCOPY);
  // In the column of the level's digits, the best above the moves; with no
  // best its place stays dark.
  const int rowHeight = movesPlate_.height() / kPlateRows;
  if (shown.best) drawNumber(dc, digitsX(), plateY + kDigitsBelowRowTop, *shown.best);
  drawNumber(dc, digitsX(), plateY + rowHeight + kDigitsBelowRowTop, shown.moves);
}

void GameView::drawNumber(HDC dc, int x, int y, int32_t number) {
  int n = number < 0 ? 0 : number > kLargestShown ? kLargestShown : number;
  for (int i = kShownDigits - 1; i >= 0; --i) {
    BitBlt(dc, x + i * kDigitWidth, y, kDigitWidth, kDigitHeight, digits_.dc(),
           (n % 10) * kDigitWidth, 0, SRCCOPY);
    n /= 10;
  }
}

void GameView::drawNote(HDC dc, const std::string& note) {
  const int panelX = this->panelX();
  // Wider than the plate below it, which is as narrow as the menu's buttons.
  const int width = std::min(kNoteWidth, image_.width() - 2 * kNotePanelMargin);
  if (width <= 0) return;
  const int left = (image_.width() - width) >> 1;
  // The panel's own picture first: no note leaves no trace.
  BitBlt(dc, panelX + left, kNoteTop, width, kNoteBottom - kNoteTop, image_.dc(), left, kNoteTop,
         SRCCOPY);
  if (note.empty()) return;
  RECT box{panelX + left, kNoteTop, panelX + left + width, kNoteBottom};
  fill(dc, box, kDisplayBackground);
  fill(dc, RECT{box.left, box.top, box.right, box.top + 1}, kDisplayEdge);
  RECT text = box;
  InflateRect(&text, -kNoteMargin, -kNoteMargin);
  // Centred both ways: measure the wrapped lines first.
  HGDIOBJ oldFont = SelectObject(dc, textFont_);
  RECT measured = text;
  DrawTextA(dc, note.c_str(), -1, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
  const int spare = (text.bottom - text.top) - (measured.bottom - measured.top);
  if (spare > 0) text.top += spare / 2;
  SetTextColor(dc, kNoteText);
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, note.c_str(), -1, &text, DT_CENTER | DT_WORDBREAK);
  SelectObject(dc, oldFont);
}

// Up: an arrow from the robot's centre out of the side it faces; Down: out
// of its back; Left and Right: a turning arrow round the robot.
void GameView::drawHintArrow(HDC dc) {
  const std::optional<PlayKey> key = playPanel_->playPanel().hint;
  if (!key || *key == PlayKey::Space || *key == PlayKey::Other) return;
  // A zapped robot shows the zap alone.
  if (model_->robotInLight()) return;
  const Position robot = model_->robotPosition();
  ArrowShape arrow;
  const POINT corner = cellCorner(robot.x, robot.y);
  arrow.centre = {corner.x + kTileCentre, corner.y + kTileCentre};
  const int facing = model_->robotDirection();
  if (*key == PlayKey::Up || *key == PlayKey::Down) {
    const Vector unit = kUnit[*key == PlayKey::Up ? facing : (facing + 2) % 4];
    arrow.from = along(arrow.centre, unit, -7);
    arrow.to = along(arrow.centre, unit, 3);
    arrow.head = along(arrow.centre, unit, 5);
    arrow.headUnit = unit;
  } else {
    // The sign of turning: three quarters of a circle from the top round to
    // the side, clockwise for Right, its head pointing up into the gap.
    const bool clockwise = *key == PlayKey::Right;
    arrow.turn = true;
    arrow.radius = 7;
    arrow.from = along(arrow.centre, kUnit[kNorth], arrow.radius);
    arrow.to = along(arrow.centre, kUnit[clockwise ? kWest : kEast], arrow.radius);
    arrow.head = along(arrow.to, kUnit[kNorth], -1);
    arrow.headUnit = kUnit[kNorth];
    arrow.headSize = 4;
    SetArcDirection(dc, clockwise ? AD_CLOCKWISE : AD_COUNTERCLOCKWISE);
  }
  drawArrowPass(dc, arrow, kArrowRim, arrow.turn ? 4 : 5, 3);
  drawArrowPass(dc, arrow, kArrowFill, arrow.turn ? 2 : 3, 1);
}

}  // namespace trelux
