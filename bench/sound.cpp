// What the alert sound costs the start: setting up the sound server's
// connection in the constructor (all start-up pays, the rest runs on the
// sound library's thread), and the time until a beep could be played. Run
// it with and without a sound server (PulseAudio or PipeWire) at hand.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <thread>

#include "ui/qt/desktop_sound.h"

namespace {

void BM_SoundSetUpOnStart(benchmark::State& state) {
    for (auto _ : state) {
        auto sound = std::make_unique<ui::qt::DesktopSound>();
        state.PauseTiming();
        sound.reset();
        state.ResumeTiming();
    }
}

void BM_SoundUntilConnected(benchmark::State& state) {
    bool connected = true;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        ui::qt::DesktopSound sound;
        while (!sound.connected() && std::chrono::steady_clock::now() - start < std::chrono::seconds(2)) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        connected = connected && sound.connected();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    if (!connected) state.SkipWithError("no sound server answered");
}

BENCHMARK(BM_SoundSetUpOnStart)->Unit(benchmark::kMicrosecond)->Iterations(50);
BENCHMARK(BM_SoundUntilConnected)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
