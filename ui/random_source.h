// The program's one source of random numbers, reseeded from the time of day
// at every problem the child asks for.
#pragma once

#include <functional>
#include <random>

namespace ui {

// Seconds since local midnight, with their fraction.
double timeOfDay();

class RandomSource {
  public:
    using Clock = std::function<double()>;
    explicit RandomSource(Clock clock = timeOfDay);

    // Mixes the clock reading into the generator's state, so two reseeds at
    // the same reading still go on with different draws.
    void reseedFromClock();
    // Uniform in [0, 1), on a grid of 2^-32: fine enough for every draw of
    // the screens, and coarse enough that Int(Rnd * a + b) stays below a + b.
    double next();

    void setClock(Clock clock) { clock_ = std::move(clock); }

  private:
    Clock clock_;
    std::mt19937 engine_;
};

}  // namespace ui
