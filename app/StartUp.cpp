#include "StartUp.h"

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <fxkeys.h>

#include <algorithm>

using namespace FX;

namespace {
// The whole window, frame included, and back.
WindowPlacement withFrame(WindowPlacement p, const FrameExtents& f) {
  p.x -= f.left;
  p.y -= f.top;
  p.w += f.left + f.right;
  p.h += f.top + f.bottom;
  return p;
}
WindowPlacement withoutFrame(WindowPlacement p, const FrameExtents& f) {
  p.x += f.left;
  p.y += f.top;
  p.w -= f.left + f.right;
  p.h -= f.top + f.bottom;
  return p;
}
}  // namespace

FrameExtents frameAround(int clientX, int clientY, int clientW, int clientH, int frameX, int frameY, int frameW,
                         int frameH) {
  FrameExtents f;
  f.left = clientX - frameX;
  f.top = clientY - frameY;
  f.right = frameX + frameW - (clientX + clientW);
  f.bottom = frameY + frameH - (clientY + clientH);
  if (f.left < 0 || f.top < 0 || f.right < 0 || f.bottom < 0) return FrameExtents();
  return f;
}

PlacementSteps placeMainWindow(WindowPlacement client, bool wasMinimized, int screenW, int screenH,
                               const FrameExtents& frame) {
  WindowPlacement p = withFrame(client, frame);
  PlacementSteps steps;
  if (wasMinimized) {
    p.x = 50;
    p.y = 50;
  } else {
    if (p.x < 50) p.x = 50;
    if (p.y < 0) p.y = 50;
  }
  steps.first = withoutFrame(p, frame);
  if (screenW > 1) {
    if (p.x > screenW + 50) p.x = 50;
    if (p.w > screenW) p.w = screenW - 100;
  }
  if (screenH > 1) {
    if (p.y > screenH) p.y = 50;
    if (p.h > screenH) p.h = screenH - 100;
  }
  p = withoutFrame(p, frame);
  keepOnScreen(p, screenW, screenH, frame);
  steps.final = p;
  steps.pulledBack = !(steps.final == steps.first);
  return steps;
}

void keepOnScreen(WindowPlacement& client, int screenW, int screenH, const FrameExtents& frame) {
  WindowPlacement p = withFrame(client, frame);
  if (screenW > 1 && p.x + p.w > screenW) p.x = std::max(0, screenW - p.w);
  if (screenH > 1 && p.y + p.h > screenH) p.y = std::max(0, screenH - p.h);
  // A frame is never left above or left of the screen (a title bar there
  // could not be dragged).
  if (screenW > 1 && p.x < 0 && (frame.left || frame.right)) p.x = 0;
  if (screenH > 1 && p.y < 0 && (frame.top || frame.bottom)) p.y = 0;
  client = withoutFrame(p, frame);
}

WindowPlacement startUpPlacement(WindowPlacement p, int wantedW, int wantedH, int screenW, int screenH,
                                 const FrameExtents& frame) {
  const int sideMargin = 20, topMargin = 50;
  const int frameW = frame.left + frame.right, frameH = frame.top + frame.bottom;
  if (screenW > 1) {
    const int w = std::min(wantedW, screenW - 2 * sideMargin - frameW);
    if (w > p.w) {
      p.w = w;
      p.x = std::min(p.x, (screenW - w - frameW) / 2 + frame.left);
    }
  }
  if (screenH > 1) {
    const int h = std::min(wantedH, screenH - 2 * topMargin - frameH);
    if (h > p.h) {
      p.h = h;
      p.y = std::min(p.y, (screenH - h - frameH) / 2 + frame.top);
    }
  }
  return p;
}

WindowPlacement sizeToContents(WindowPlacement p, int wantedW, int wantedH, int screenW, int screenH,
                               const FrameExtents& frame) {
  const int roomW = screenW - frame.left - frame.right, roomH = screenH - frame.top - frame.bottom;
  const bool widthFits = wantedW < roomW, heightFits = wantedH < roomH;
  if (widthFits && heightFits) {
    p.w = wantedW;
    p.h = wantedH;
  } else if (widthFits) {
    p.w = wantedW;
    p.h = roomH;
  } else if (heightFits) {
    p.w = roomW;
    p.h = wantedH;
  }
  keepOnScreen(p, screenW, screenH, frame);
  return p;
}

bool swallowXYValuesTableKey(FXuint code, FXuint state, FXint currentColumn) {
  if (code == KEY_c) return false;
  return currentColumn == 3 && (state & CONTROLMASK) == 0;
}

bool isPasteKey(FXuint code, FXuint state) { return (code == KEY_v || code == KEY_V) && (state & CONTROLMASK) != 0; }

void checkToolkitVersion(const FXuchar v[3]) {
  if (v[0] != FOX_MAJOR || v[1] != FOX_MINOR || v[2] != FOX_LEVEL) fxerror("FOX Library mismatch\n");
}

FXString userHomeDirectory() {
  FXString home = FXSystem::getHomeDirectory();
  if (getenv("HOME") == nullptr) {
    struct passwd* pw = getpwuid(getuid());
    if (pw && pw->pw_dir) home = pw->pw_dir;
  }
  return home;
}
