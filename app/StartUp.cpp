#include "StartUp.h"

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <fxkeys.h>

#include <algorithm>

using namespace FX;

PlacementSteps placeMainWindow(WindowPlacement p, bool wasMinimized, int screenW, int screenH) {
  PlacementSteps steps;
  if (wasMinimized) {
    p.x = 50;
    p.y = 50;
  } else {
    if (p.x < 50) p.x = 50;
    if (p.y < 0) p.y = 50;
  }
  steps.first = p;
  if (screenW > 1) {
    if (p.x > screenW + 50) p.x = 50;
    if (p.w > screenW) p.w = screenW - 100;
  }
  if (screenH > 1) {
    if (p.y > screenH) p.y = 50;
    if (p.h > screenH) p.h = screenH - 100;
  }
  keepOnScreen(p, screenW, screenH);
  steps.final = p;
  steps.pulledBack = !(steps.final == steps.first);
  return steps;
}

void keepOnScreen(WindowPlacement& p, int screenW, int screenH) {
  if (screenW > 1 && p.x + p.w > screenW) p.x = std::max(0, screenW - p.w);
  if (screenH > 1 && p.y + p.h > screenH) p.y = std::max(0, screenH - p.h);
}

WindowPlacement startUpPlacement(WindowPlacement p, int wantedW, int wantedH, int screenW, int screenH) {
  const int sideMargin = 20, topMargin = 50;
  if (screenW > 1) {
    const int w = std::min(wantedW, screenW - 2 * sideMargin);
    if (w > p.w) {
      p.w = w;
      p.x = std::min(p.x, (screenW - w) / 2);
    }
  }
  if (screenH > 1) {
    const int h = std::min(wantedH, screenH - 2 * topMargin);
    if (h > p.h) {
      p.h = h;
      p.y = std::min(p.y, (screenH - h) / 2);
    }
  }
  return p;
}

WindowPlacement sizeToContents(WindowPlacement p, int wantedW, int wantedH, int screenW, int screenH) {
  const bool widthFits = wantedW < screenW, heightFits = wantedH < screenH;
  if (widthFits && heightFits) {
    p.w = wantedW;
    p.h = wantedH;
  } else if (widthFits) {
    p.w = wantedW;
    p.h = screenH;
  } else if (heightFits) {
    p.w = screenW;
    p.h = wantedH;
  }
  keepOnScreen(p, screenW, screenH);
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
