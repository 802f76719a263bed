// Runs driver steps on the program and writes the front window to a PNG, so
// a screen can be looked at as a child sees it. Run it with
// QT_QPA_PLATFORM=offscreen; QT_SCALE_FACTOR=2 shows it at 200%.
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/program.h"
#include "ui/driver.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/screen_window.h"

namespace {

const char* kUsage = R"(usage: snapshot OUT.png STEP...
Steps act on the front screen, or on the screen chosen with on:
  start            start the program (the title screen)
  show:FormN       show a screen by name
  on:FormN         act on this loaded screen from now on (front: back to the front one)
  click:Name       click a control at its centre
  clickat:X:Y      click at a point, in twips
  dblclick:Name    double-click a control
  move:Name        move the pointer over a control
  moveto:X:Y       move the pointer to a point, in twips
  type:TEXT        type characters, each pressed and released
  key:CODE         press and release a key by code (8 Backspace, 16 Shift ...)
  tab              press Tab
  drag:Src:Dst     drag a control onto another
  dragto:Src:X:Y   drag a control to a point
  clock:SECONDS    set the clock, in seconds since midnight
)";

std::vector<std::string> split(const std::string& step) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t colon; (colon = step.find(':', start)) != std::string::npos; start = colon + 1) {
        parts.push_back(step.substr(start, colon - start));
    }
    parts.push_back(step.substr(start));
    return parts;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || std::string(argv[1]) == "--help") {
        std::cout << kUsage;
        return argc < 3 ? 2 : 0;
    }
    QApplication application(argc, argv);
    ui::Driver driver;
    ui::qt::QtHost host(driver.registry());
    std::string target;
    auto actions = [&] { return target.empty() ? driver.onFront() : driver.on(target); };
    try {
        for (int i = 2; i < argc; ++i) {
            std::string step = argv[i];
            std::vector<std::string> p = split(step);
            const std::string& verb = p[0];
            if (verb == "start") {
                driver.start(app::startProgram);
            } else if (verb == "show" && p.size() == 2) {
                ui::Screen* s = driver.registry().instance(p[1]);
                if (!s) throw std::invalid_argument("no screen " + p[1]);
                driver.registry().show(*s);
            } else if (verb == "on" && p.size() == 2) {
                target = p[1] == "front" ? "" : p[1];
            } else if (verb == "click" && p.size() == 2) {
                actions().click(p[1]);
            } else if (verb == "clickat" && p.size() == 3) {
                actions().clickAt(std::stoi(p[1]), std::stoi(p[2]));
            } else if (verb == "dblclick" && p.size() == 2) {
                actions().doubleClick(p[1]);
            } else if (verb == "move" && p.size() == 2) {
                actions().moveTo(p[1]);
            } else if (verb == "moveto" && p.size() == 3) {
                actions().moveTo(std::stoi(p[1]), std::stoi(p[2]));
            } else if (verb == "type" && p.size() >= 2) {
                // One character at a time, as a child types: a focus move
                // asked for by a key comes before the next key.
                std::string text = step.substr(5);
                for (std::size_t at = 0, next; at < text.size(); at = next) {
                    for (next = at + 1; next < text.size() && (text[next] & 0xC0) == 0x80; ++next) {
                    }
                    actions().type(text.substr(at, next - at));
                    QApplication::processEvents();
                }
            } else if (verb == "key" && p.size() == 2) {
                actions().key(std::stoi(p[1]));
            } else if (verb == "tab") {
                actions().tab();
            } else if (verb == "drag" && p.size() == 3) {
                actions().drag(p[1], p[2]);
            } else if (verb == "dragto" && p.size() == 4) {
                actions().drag(p[1], std::stoi(p[2]), std::stoi(p[3]));
            } else if (verb == "clock" && p.size() == 2) {
                driver.setClock(std::stod(p[1]));
            } else {
                throw std::invalid_argument("unknown step " + step);
            }
            QApplication::processEvents();
        }
    } catch (const std::exception& e) {
        std::cerr << "snapshot: " << e.what() << "\n";
        return 1;
    }
    if (driver.ended()) {
        std::cerr << "snapshot: the program has ended\n";
        return 1;
    }
    ui::Screen& front = target.empty() ? driver.front() : driver.on(target).screen();
    ui::qt::ScreenWindow* window = host.windowOf(front);
    QApplication::processEvents();
    if (!window || !window->grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::cerr << "snapshot: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
