// The view of the play and editor screens: the grid of 25-pixel tiles, the
// beams as coloured lines, the robot, the side panel with the level number,
// and the description window beside it. Draws straight to the window; after
// a plain move only the cells that changed are drawn again.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/win32/screens.h"
#include "gfx/win32/bitmap_holder.h"
#include "gfx/win32/play_panel.h"

namespace trelux {

class PuzzleModel;

inline constexpr int kTileSize = 25;
// A tile's centre, where beams turn and the hint's arrow starts.
inline constexpr int kTileCentre = 12;
// The digits of "digits.bmp" and the level number's row on the panel.
inline constexpr int kDigitWidth = 12;
inline constexpr int kDigitHeight = 21;
inline constexpr int kShownDigits = 3;
inline constexpr int kLevelNumberY = 255;

class GameView : public ScreenView {
 public:
  GameView(PuzzleModel& model, HWND window, HINSTANCE instance);
  ~GameView() override;

  bool loadTileset(const char* name);
  // Draws another model from now on, as the editor's test play does; the
  // panel then shows panelLevel (0-based) when given, else the model's own.
  void showModel(PuzzleModel& model, std::optional<int32_t> panelLevel = std::nullopt);

  void layout() override;
  // The description window follows the window's new size, beside it again.
  void refit() override;
  // The editor's way: once laid out, the window keeps its top-left corner
  // when the level's size changes (the palette beside it must not move under
  // the mouse), and the description window opens only when asked for.
  void setEditing(bool editing) { editing_ = editing; }
  void draw(HDC dc) override;

  // The board pixel under a point of the window's client area: at 1x,
  // with (0, 0) the top-left corner of the board's first cell.
  POINT boardPixelAt(int clientX, int clientY) const;
  // Where the board starts in the picture: a board shorter than the panel
  // is centred beside it.
  int boardTop() const;

  void drawCell(int32_t x, int32_t y, HDC dc);
  void drawTileAt(int32_t pixelX, int32_t pixelY, int32_t tile, HDC dc);
  void redrawCell(int32_t x, int32_t y);
  void redrawRobot();

  // The description window.
  void openConsole();
  void closeConsole();
  void paintConsole();
  HWND consoleWindow() const { return consoleWindow_; }
  // The description window's WM_WINDOWPOSCHANGED: a move by the player is
  // remembered in the settings.
  void consoleMoved(const WINDOWPOS& position);
  // Opens the description window again, or brings it to the front, when the
  // level has a description; the keyboard stays with the board.
  void showDescription();
  // The editor's command: opens the description window, or closes it when
  // it is open; false when the level has no description to show.
  bool toggleDescription();

  // Stops the current music track and starts the next of the three.
  void nextMusic();
  int musicIndex() const { return musicIndex_; }

  // An information box owned by the main window.
  void showMessage(const char* text, const char* caption);

  // The play screen's moves, best, note and hint arrow, asked of source at
  // every drawing; null (the editor) leaves the plain panel.
  void setPlayPanel(PlayPanelSource* source);
  // A button over the panel ("Next Level"), at place in the panel's own
  // pixels: placed, sized and given the buttons' font by the scale, now and
  // whenever it changes. Null forgets it.
  void setPanelButton(HWND button, RECT placeOnPanel);
  // Draws the moves, the best and the note again, and the robot with the
  // hint's arrow or without it.
  void redrawPlayPanel();

 protected:
  void placeWindow() override;
  // "Next Level", when shown, follows the scale.
  void placeChildren() override;

 private:
  // The board and the panel beside it, at least as tall as the panel.
  Extent pictureSize() const;
  // The picture's left column of the panel, and of the level's digits.
  int panelX() const;
  int digitsX() const;
  // The top-left pixel of cell (x, y) in the picture.
  POINT cellCorner(int32_t x, int32_t y) const;
  void drawBeams(int32_t x, int32_t y, HDC dc);
  void drawRobot(HDC dc);
  void drawPanel(HDC dc);
  // Where the description window's outer corner goes: where the player
  // put it, else beside the main window.
  POINT consoleCorner() const;
  // A described level keeps the description window that is open, moved back
  // over the board with the new text: closing and opening it makes the
  // window system unmap and map it, which costs time.
  void showConsoleForLevel();
  // game_view_panel.cpp: what a PlayPanelSource adds.
  void drawPlayPanel(HDC dc);
  // Three digits with leading zeros, 999 at most.
  void drawNumber(HDC dc, int x, int y, int32_t number);
  void drawNote(HDC dc, const std::string& note);
  void drawHintArrow(HDC dc);

  HWND consoleWindow_ = nullptr;
  bool placingConsole_ = false;  // moves made now are the view's, not the player's
  BitmapHolder tileset_;
  BitmapHolder digits_;
  PuzzleModel* model_;
  std::optional<int32_t> panelLevel_;
  std::array<HPEN, 8> beamPens_{};
  HFONT textFont_ = nullptr;
  int musicIndex_ = 0;
  PlayPanelSource* playPanel_ = nullptr;
  BitmapHolder movesPlate_;
  bool editing_ = false;
  bool laidOut_ = false;
  HWND panelButton_ = nullptr;
  RECT panelButtonPlace_{};
  HFONT panelButtonFont_ = nullptr;
};

// Called with every message of the description window; true when it took
// the message. A click gives the window the keyboard, as any window, so
// that Alt+F4, Enter and Esc close it alone; every other key goes on to
// the main window, where play goes on.
bool consoleTakesKey(HWND console, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace trelux
