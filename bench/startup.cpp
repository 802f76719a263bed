// Start-up and switching cost of the program, measured in fresh processes so
// that every start is a cold one: the program's title window against a bare
// Qt window of the same size painting one line of text. The closing lines give
// the program's start time and resident memory as ratios to the bare window's.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_startup
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/screen_window.h"
#include "ui/screen.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Measure {
    double seconds = 0;
    double residentKiB = 0;
    double cpuSeconds = 0;  // user and system time of the child, less sensitive to a busy machine
};

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6);
    }
    return 0;
}

// Runs a measurement in a child process and hands its result back.
Measure inChild(const std::function<Measure()>& body) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) std::abort();
    pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        Measure m = body();
        if (write(pipeEnds[1], &m, sizeof m) != sizeof m) _exit(1);
        _exit(0);
    }
    close(pipeEnds[1]);
    Measure m;
    if (read(pipeEnds[0], &m, sizeof m) != sizeof m) m.seconds = -1;
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return m;
}

// Waits until a widget has been painted once.
class PaintWatch : public QObject {
  public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) painted = true;
        return false;
    }
};

void waitForPaint(PaintWatch& watch) {
    while (!watch.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
    // Windows of unloaded screens go when control returns to the event loop,
    // which processEvents alone never does.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class SilentSound : public ui::Sound {
  public:
    void beep() override {}
};

// Plain Qt: the window of the title's size, one line of text in the
// desktop's default font.
class BareWindow : public QWidget {
  public:
    BareWindow() { setFixedSize(792, 566); }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::darkCyan);
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("PROGRAMMA DI ARITMETICA"));
    }
};

int argc = 1;
char programName[] = "bench";
char* argv[] = {programName, nullptr};

Measure titleFirstPaint() {
    auto start = Clock::now();
    QApplication application(argc, argv);
    PaintWatch watch;
    application.installEventFilter(&watch);
    SilentSound sound;
    ui::ScreenRegistry registry(sound);
    ui::qt::QtHost host(registry);
    app::startProgram(registry);
    waitForPaint(watch);
    return {std::chrono::duration<double>(Clock::now() - start).count(), residentKiB(), cpuSeconds()};
}

Measure bareFirstPaint() {
    auto start = Clock::now();
    QApplication application(argc, argv);
    PaintWatch watch;
    application.installEventFilter(&watch);
    BareWindow window;
    window.show();
    waitForPaint(watch);
    return {std::chrono::duration<double>(Clock::now() - start).count(), residentKiB(), cpuSeconds()};
}

constexpr int kSwitches = 20;

Measure titleToMenu() {
    QApplication application(argc, argv);
    PaintWatch watch;
    application.installEventFilter(&watch);
    SilentSound sound;
    ui::ScreenRegistry registry(sound);
    ui::qt::QtHost host(registry);
    app::startProgram(registry);
    waitForPaint(watch);
    double total = 0;
    for (int i = 0; i < kSwitches; ++i) {
        ui::Screen& title = *registry.front();
        ui::Control& way = *title.control("Label2");
        int x = way.left + way.width / 2, y = way.top + way.height / 2;
        watch.painted = false;
        auto start = Clock::now();
        registry.mouseDown(title, x, y, ui::kLeftButton, 0);
        registry.mouseUp(title, x, y, ui::kLeftButton, 0);
        waitForPaint(watch);
        total += std::chrono::duration<double>(Clock::now() - start).count();
        ui::Screen& menu = *registry.front();
        ui::Control& back = *menu.control("Image5");
        registry.mouseDown(menu, back.left + 10, back.top + 10, ui::kLeftButton, 0);
        registry.mouseUp(menu, back.left + 10, back.top + 10, ui::kLeftButton, 0);
        watch.painted = false;
        waitForPaint(watch);
    }
    return {total / kSwitches, residentKiB()};
}

void report(benchmark::State& state, const std::function<Measure()>& body) {
    double resident = 0;
    for (auto _ : state) {
        Measure m = inChild(body);
        if (m.seconds < 0) {
            state.SkipWithError("the child process failed");
            return;
        }
        state.SetIterationTime(m.seconds);
        resident = m.residentKiB;
    }
    state.counters["resident_KiB"] = resident;
}

void BM_ColdStartToPaintedTitle(benchmark::State& state) {
    report(state, titleFirstPaint);
}
void BM_ColdStartToPaintedBareWindow(benchmark::State& state) {
    report(state, bareFirstPaint);
}
void BM_TitleToMenuSwitch(benchmark::State& state) {
    report(state, titleToMenu);
}

BENCHMARK(BM_ColdStartToPaintedTitle)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_ColdStartToPaintedBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
// The two starts taken in turns, so that a busy machine weighs on both
// alike; medians, since a cold start has a long tail.
void BM_StartRatioToBareWindow(benchmark::State& state) {
    std::vector<double> programTimes, bareTimes, programMemory, bareMemory, programCpu, bareCpu;
    for (auto _ : state) {
        Measure program = inChild(titleFirstPaint);
        Measure bare = inChild(bareFirstPaint);
        if (program.seconds < 0 || bare.seconds < 0) {
            state.SkipWithError("the child process failed");
            return;
        }
        programTimes.push_back(program.seconds);
        bareTimes.push_back(bare.seconds);
        programMemory.push_back(program.residentKiB);
        bareMemory.push_back(bare.residentKiB);
        programCpu.push_back(program.cpuSeconds);
        bareCpu.push_back(bare.cpuSeconds);
        state.SetIterationTime(program.seconds + bare.seconds);
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    double pt = median(programTimes) * 1000, bt = median(bareTimes) * 1000;
    double pm = median(programMemory), bm = median(bareMemory);
    double pc = median(programCpu) * 1000, bc = median(bareCpu) * 1000;
    state.counters["time_ratio"] = pt / bt;
    state.counters["cpu_ratio"] = pc / bc;
    state.counters["memory_ratio"] = pm / bm;
    std::printf("cold start to painted title: median %.1f ms, bare window %.1f ms, ratio %.2f\n", pt, bt,
                pt / bt);
    std::printf("processor time to painted title: median %.1f ms, bare window %.1f ms, ratio %.2f\n", pc, bc,
                pc / bc);
    std::printf("resident memory: median %.0f KiB, bare window %.0f KiB, ratio %.2f\n", pm, bm, pm / bm);
}

BENCHMARK(BM_TitleToMenuSwitch)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartRatioToBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

}  // namespace

int main(int argc_, char** argv_) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc_, argv_);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
