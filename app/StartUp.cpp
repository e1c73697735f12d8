#include "StartUp.h"

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <fxkeys.h>

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
  steps.final = p;
  steps.pulledBack = !(steps.final == steps.first);
  return steps;
}

bool swallowXYValuesTableKey(FXuint code, FXuint state, FXint currentColumn) {
  if (code == KEY_c) return false;
  return currentColumn == 3 && (state & CONTROLMASK) == 0;
}

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
