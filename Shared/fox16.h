// Small adapters between the values this program is written in and FOX 1.6.
//
// Colours: the program's colour constants are written as 0xAARRGGBB (opaque
// red is 0xFFFF0000). FOX 1.6 stores an FXColor as 0xAABBGGRR, so every
// constant goes through argb(). The swap is its own inverse.
//
// Timers: delays are written in nanoseconds; FOX 1.6 timers count
// milliseconds. nsToMs rounds up, so a delay below a millisecond stays a
// (one millisecond) delay rather than becoming "at once".
#ifndef QUILLGRID_FOX16_H
#define QUILLGRID_FOX16_H

#include <fx.h>

constexpr FX::FXColor argb(FX::FXuint v) {
  return (v & 0xFF00FF00u) | ((v >> 16) & 0xFFu) | ((v & 0xFFu) << 16);
}

constexpr FX::FXuint nsToMs(long long ns) {
  return ns <= 0 ? 0u : static_cast<FX::FXuint>((ns + 999999) / 1000000);
}

#endif
