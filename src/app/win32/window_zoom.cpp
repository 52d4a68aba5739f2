#include "app/win32/window_zoom.h"

#include <limits>
#include <optional>
#include <string>

#include "app/startup_files.h"

namespace trelux {
namespace {

int32_t wanted = 1;
// While maximized, what the player had chosen, for the restore.
std::optional<int32_t> beforeMaximize;

}  // namespace

void loadZoomSetting() {
  wanted = zoomFromSetting(setting(kZoomKey));
  beforeMaximize.reset();
}

int32_t wantedZoom() { return wanted; }

void chooseZoom(int32_t factor) {
  wanted = factor;
  // A step while maximized is what the restored window shows too.
  if (beforeMaximize) beforeMaximize = factor;
  changeSetting(kZoomKey, std::to_string(factor));
}

bool zoomFollowsSize(WPARAM sizeKind) {
  if (sizeKind == SIZE_MAXIMIZED) {
    // Back from minimized to maximized keeps the choice made before.
    if (!beforeMaximize) beforeMaximize = wanted;
    wanted = std::numeric_limits<int32_t>::max();  // as large as fits
    return true;
  }
  if (sizeKind == SIZE_RESTORED && beforeMaximize) {
    wanted = *beforeMaximize;
    beforeMaximize.reset();
    return true;
  }
  return false;
}

Extent clientExtent(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

Extent zoomRoom(HWND window, DWORD style) {
  if (IsZoomed(window)) return clientExtent(window);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  // The system adds a caption to the game's styles anyway.
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, style | WS_CAPTION, FALSE, 0);
  const RECT& work = monitor.rcWork;
  return {(work.right - work.left) - (frame.right - frame.left),
          (work.bottom - work.top) - (frame.bottom - frame.top)};
}

}  // namespace trelux
