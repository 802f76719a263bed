#include "ui/random_source.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <ctime>

namespace ui {

double timeOfDay() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    auto fraction = duration<double>(now.time_since_epoch()) - duration<double>(seconds);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction.count();
}

RandomSource::RandomSource(Clock clock) : clock_(std::move(clock)) {}

void RandomSource::reseedFromClock() {
    double reading = clock_();
    std::uint64_t bits = 0;
    std::memcpy(&bits, &reading, sizeof bits);
    std::seed_seq seed{static_cast<std::uint32_t>(engine_()), static_cast<std::uint32_t>(engine_()),
                       static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    engine_.seed(seed);
}

double RandomSource::next() {
    return engine_() * 0x1.0p-32;
}

}  // namespace ui
