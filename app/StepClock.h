// Times a named step of a long operation for whoever listens (a
// benchmark printing where the time goes); with nobody listening it costs
// one test.
#ifndef QUILLGRID_STEPCLOCK_H
#define QUILLGRID_STEPCLOCK_H

#include <chrono>
#include <functional>

class StepClock {
public:
  // Hears each step's name and its time in milliseconds when it ends.
  using Listener = std::function<void(const char* step, double ms)>;

  StepClock(const Listener& listener, const char* step) : listener(listener), step(step) {
    if (listener) start = std::chrono::steady_clock::now();
  }
  ~StepClock() {
    if (listener)
      listener(step, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  StepClock(const StepClock&) = delete;
  StepClock& operator=(const StepClock&) = delete;

private:
  const Listener& listener;
  const char* step;
  std::chrono::steady_clock::time_point start;
};

#endif
