#include "gfx/win32/game_view.h"

#include "app/win32/button_font.h"
#include "app/win32/shell.h"
#include "audio/win32/sound_manager.h"
#include "world/puzzle_model.h"

namespace trelux {
namespace {

constexpr DWORD kGameWindowStyle = WS_BORDER | WS_SYSMENU;
constexpr int kMinimumClientHeight = 280;
constexpr int kTilesPerRow = 8;
constexpr int kRobotInLightTile = 7;
constexpr int kRobotTile = 3;
constexpr int kBeamWidth = 2;
constexpr int kTextFontHeight = 16;

// Pen colours of the beams by colour code (0x00BBGGRR).
constexpr COLORREF kBeamColours[8] = {0x000000, 0x0000FF, 0x00C000, 0x00FFFF,
                                      0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

}  // namespace

GameView::GameView(PuzzleModel& model, HWND window, HINSTANCE instance)
    : ScreenView(window, instance), model_(&model) {
  image_.load(resourceLibrary, "colors.bmp");  // missing pictures are not reported
  digits_.load(resourceLibrary, "digits.bmp");
  for (size_t colour = 0; colour < beamPens_.size(); ++colour)
    beamPens_[colour] = CreatePen(PS_SOLID, kBeamWidth, kBeamColours[colour]);
  textFont_ = CreateFontA(kTextFontHeight, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
}

GameView::~GameView() {
  for (HPEN pen : beamPens_) DeleteObject(pen);
  if (panelButtonFont_) DeleteObject(panelButtonFont_);
  closeConsole();
  DeleteObject(textFont_);
  stopSound(musicTrackName(musicIndex_));
  digits_.release();
  tileset_.release();
}

void GameView::showModel(PuzzleModel& model, std::optional<int32_t> panelLevel) {
  model_ = &model;
  panelLevel_ = panelLevel;
}

bool GameView::loadTileset(const char* name) { return tileset_.load(resourceLibrary, name); }

void GameView::layout() {
  placeWindow();
  laidOut_ = true;
  showConsoleForLevel();
  SetFocus(window_);  // keys go to the board, not to a button
  nextMusic();
}

Extent GameView::pictureSize() const {
  int height = model_->gridHeight() * kTileSize;
  if (height < kMinimumClientHeight) height = kMinimumClientHeight;
  return {model_->gridWidth() * kTileSize + image_.width(), height};
}

void GameView::refit() {
  placeWindow();
  if (IsWindow(consoleWindow_)) showConsoleForLevel();
  paint();
}

void GameView::placeWindow() {
  std::optional<POINT> kept;
  RECT placed{};
  if (editing_ && laidOut_ && GetWindowRect(window_, &placed)) {
    // The corner stays: placeClientArea puts it off (x, y) by the frame.
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, kGameWindowStyle, FALSE, 0);
    kept = POINT{placed.left - frame.left, placed.top - frame.top};
  }
  placePicture(pictureSize(), kGameWindowStyle, [&](Extent scaled) {
    return kept.value_or(POINT{(GetSystemMetrics(SM_CXSCREEN) - scaled.width) >> 1,
                               (GetSystemMetrics(SM_CYSCREEN) - scaled.height) >> 1});
  });
}

void GameView::placeChildren() {
  if (!IsWindow(panelButton_)) return;
  const PictureScale& at = scale();
  const RECT& place = panelButtonPlace_;
  MoveWindow(panelButton_, at.left + (panelX() + place.left) * at.zoom,
             at.top + place.top * at.zoom, (place.right - place.left) * at.zoom,
             (place.bottom - place.top) * at.zoom, TRUE);
  // At 1x the button keeps the font it was made with.
  if (at.zoom == 1 && !panelButtonFont_) return;
  HFONT font = createButtonFont(at.zoom);
  if (!font) return;
  SendMessageA(panelButton_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (panelButtonFont_) DeleteObject(panelButtonFont_);
  panelButtonFont_ = font;
}

void GameView::setPanelButton(HWND button, RECT placeOnPanel) {
  panelButton_ = button;
  panelButtonPlace_ = placeOnPanel;
  placeChildren();
}

int GameView::boardTop() const {
  return centredStart(model_->gridHeight() * kTileSize, pictureSize().height);
}

POINT GameView::boardPixelAt(int clientX, int clientY) const {
  return {scale().pictureX(clientX), scale().pictureY(clientY) - boardTop()};
}

int GameView::panelX() const { return model_->gridWidth() * kTileSize; }

int GameView::digitsX() const {
  return panelX() + ((image_.width() - kShownDigits * kDigitWidth) >> 1);
}

POINT GameView::cellCorner(int32_t x, int32_t y) const {
  return {x * kTileSize, boardTop() + y * kTileSize};
}

void GameView::draw(HDC dc) {
  if (!model_->isRunning()) return;
  // Black above and below a short board, whatever an earlier board left.
  const int boardWidth = model_->gridWidth() * kTileSize;
  const int boardBottom = boardTop() + model_->gridHeight() * kTileSize;
  const RECT bands[2] = {{0, 0, boardWidth, boardTop()},
                         {0, boardBottom, boardWidth, pictureSize().height}};
  for (const RECT& band : bands)
    FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  for (int32_t x = 0; x < model_->gridWidth(); ++x)
    for (int32_t y = 0; y < model_->gridHeight(); ++y) drawCell(x, y, dc);
  for (int32_t x = 0; x < model_->gridWidth(); ++x)
    for (int32_t y = 0; y < model_->gridHeight(); ++y) drawBeams(x, y, dc);
  drawRobot(dc);
  drawPanel(dc);
}

void GameView::drawCell(int32_t x, int32_t y, HDC dc) {
  const POINT corner = cellCorner(x, y);
  drawTileAt(corner.x, corner.y, model_->boardTileAt(x, y), dc);
}

void GameView::drawTileAt(int32_t pixelX, int32_t pixelY, int32_t tile, HDC dc) {
  BitBlt(dc, pixelX, pixelY, kTileSize, kTileSize, tileset_.dc(),
         (tile % kTilesPerRow) * kTileSize, (tile / kTilesPerRow) * kTileSize, SRCCOPY);
}

// A beam through a cell shows as one line across it, a turned beam as an L
// through its centre: each lit side draws the half from its edge to the centre.
void GameView::drawBeams(int32_t x, int32_t y, HDC dc) {
  const POINT corner = cellCorner(x, y);
  const int left = corner.x, top = corner.y;
  const int cx = left + kTileCentre, cy = top + kTileCentre;
  const POINT edges[4] = {{cx, top}, {left + kTileSize, cy}, {cx, top + kTileSize}, {left, cy}};
  for (Direction side : kDirections) {
    const Colour colour = model_->sideLightAt(x, y, side);
    if (colour == 0) continue;
    SelectObject(dc, beamPens_[colour & 7]);
    const bool fromEdge = side == kNorth || side == kWest;
    const POINT from = fromEdge ? edges[side] : POINT{cx, cy};
    const POINT to = fromEdge ? POINT{cx, cy} : edges[side];
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
  }
}

void GameView::drawRobot(HDC dc) {
  const Position robot = model_->robotPosition();
  const int tile =
      model_->robotInLight() ? kRobotInLightTile : kRobotTile + model_->robotDirection();
  const POINT corner = cellCorner(robot.x, robot.y);
  drawTileAt(corner.x, corner.y, tile, dc);
  if (playPanel_) drawHintArrow(dc);
}

void GameView::drawPanel(HDC dc) {
  BitBlt(dc, panelX(), 0, image_.width(), image_.height(), image_.dc(), 0, 0, SRCCOPY);
  drawNumber(dc, digitsX(), kLevelNumberY, panelLevel_.value_or(model_->currentLevel()) + 1);
  if (playPanel_) drawPlayPanel(dc);
}

void GameView::redrawCell(int32_t x, int32_t y) {
  redraw([&](HDC dc) { drawCell(x, y, dc); });
}

void GameView::redrawRobot() {
  redraw([&](HDC dc) { drawRobot(dc); });
}

void GameView::redrawPlayPanel() {
  if (!playPanel_) return;
  redraw([&](HDC dc) {
    drawRobot(dc);
    drawPlayPanel(dc);
  });
}

void GameView::nextMusic() {
  stopSound(musicTrackName(musicIndex_));
  musicIndex_ = (musicIndex_ + 1) % 3;
  playMusic(musicTrackName(musicIndex_));
}

void GameView::showMessage(const char* text, const char* caption) {
  MessageBoxA(window_, text ? text : "", caption ? caption : "", MB_ICONINFORMATION);
}

}  // namespace trelux
