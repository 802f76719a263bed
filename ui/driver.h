// The headless driver: runs the program with no window, on a fixed clock and
// a beep that is only counted, and acts on it as a child would, through the
// same hit testing and event order as the real window.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/keys.h"
#include "ui/screen.h"
#include "ui/screen_registry.h"

namespace ui {

class RecordingSound : public Sound {
  public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

class Driver;

// Actions on one screen. Controls are named; a named control is reached at
// its centre (or at a point inside it), so whatever lies on top of it there
// gets the event, exactly as under the real mouse.
class ScreenActions {
  public:
    ScreenActions(Driver& driver, Screen& screen) : driver_(driver), screen_(screen) {}

    void click(std::string_view name);
    void clickAt(int x, int y, int button = kLeftButton);
    void doubleClick(std::string_view name);
    void moveTo(std::string_view name);
    void moveTo(int x, int y);
    void mouseDown(std::string_view name, int button = kLeftButton);
    void mouseUp(std::string_view name, int button = kLeftButton);
    // Presses on the source, releases over the target control's centre, or
    // over a point, or outside the window.
    void drag(std::string_view source, std::string_view target);
    void drag(std::string_view source, int x, int y);
    void dragOutside(std::string_view source);
    // Asks the window frame to close the screen.
    void close();

    // Keys go to the focused box. type() presses and releases one key per
    // character; key() presses and releases a key by code (Backspace, Enter
    // and Escape type their control character, other codes type nothing).
    void type(std::string_view text);
    void typeOnKeypad(std::string_view digits);
    void key(int keyCode, int shift = 0);
    void press(int keyCode, char32_t character = 0, int shift = 0);
    void release(int keyCode, int shift = 0);
    void tab(int shift = 0);

    Screen& screen() const { return screen_; }
    Control& control(std::string_view name) const;
    std::string focusedName() const;

  private:
    Driver& driver_;
    Screen& screen_;
};

class Driver {
  public:
    // The clock reads the given seconds since midnight until set again.
    explicit Driver(double clockReading = 10 * 3600.0);

    ScreenRegistry& registry() { return registry_; }
    template <class S>
    S& screen() {
        return registry_.instance<S>();
    }
    // Starts the program the way main() does.
    void start(const std::function<void(ScreenRegistry&)>& startProgram);
    template <class S>
    void show() {
        registry_.show(registry_.instance<S>());
    }

    void setClock(double secondsSinceMidnight) { clockReading_ = secondsSinceMidnight; }
    double clock() const { return clockReading_; }

    // The front screen (the last one shown that is still loaded).
    Screen& front();
    ScreenActions on(Screen& screen) { return ScreenActions(*this, screen); }
    ScreenActions on(std::string_view formName);
    ScreenActions onFront() { return ScreenActions(*this, front()); }

    // Shortcuts acting on the front screen.
    void click(std::string_view name) { onFront().click(name); }
    void doubleClick(std::string_view name) { onFront().doubleClick(name); }
    void moveTo(std::string_view name) { onFront().moveTo(name); }
    void moveTo(int x, int y) { onFront().moveTo(x, y); }
    void type(std::string_view text) { onFront().type(text); }
    void key(int keyCode, int shift = 0) { onFront().key(keyCode, shift); }
    void drag(std::string_view source, std::string_view target) { onFront().drag(source, target); }
    Control& control(std::string_view name) { return onFront().control(name); }
    const std::string& text(std::string_view name) { return control(name).caption; }
    std::string focusedName() { return onFront().focusedName(); }

    // Form names of the loaded screens, back to front.
    std::vector<std::string> loadedScreens() const;
    bool isLoaded(std::string_view formName) const;
    int beeps() const { return sound_.beeps; }
    bool ended() const { return registry_.ended(); }

  private:
    double clockReading_;
    RecordingSound sound_;
    ScreenRegistry registry_;
};

}  // namespace ui
