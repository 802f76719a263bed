// Owns one object per screen class, loads and unloads their windows, and
// runs the program's one event queue: every mouse and key event, from the
// real window or from the headless driver, comes in here, is hit-tested and
// handled one at a time.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "ui/random_source.h"

namespace ui {

class Screen;
class Control;

class Sound {
  public:
    virtual ~Sound() = default;
    // Plays the system's alert sound and returns at once.
    virtual void beep() = 0;
};

// What a window binding wants to hear of the model.
class ScreenHost {
  public:
    virtual ~ScreenHost() = default;
    virtual void screenLoaded(Screen&) {}
    virtual void screenUnloaded(Screen&) {}
    virtual void screenRaised(Screen&) {}
    // Handlers ran: repaint from the model.
    virtual void modelChanged() {}
    // A focus move asked for by advanceFocus waits for the input the window
    // system has already delivered; run it once that input is handled.
    virtual void afterDeliveredInput(std::function<void()> then) { then(); }
    virtual void dragStarted(Control&) {}
    virtual void dragEnded() {}
    virtual void programEnded() {}
};

class ScreenRegistry {
  public:
    ScreenRegistry(Sound& sound, RandomSource::Clock clock = timeOfDay);
    ~ScreenRegistry();
    ScreenRegistry(const ScreenRegistry&) = delete;
    ScreenRegistry& operator=(const ScreenRegistry&) = delete;

    // The one instance of a screen class, created on first use.
    template <class S>
    S& instance();
    // The instance of a screen that registered its name (see ScreenCatalog),
    // or nullptr when no such screen is built into the program.
    Screen* instance(std::string_view formName);

    // Loads the screen if needed (design-time properties, then Form_Load)
    // and brings it to the front.
    void show(Screen& screen);
    void unload(Screen& screen);
    void endProgram();

    // Loaded screens, back to front.
    const std::vector<Screen*>& loadedScreens() const { return loaded_; }
    Screen* front() const { return loaded_.empty() ? nullptr : loaded_.back(); }
    bool ended() const { return ended_; }

    RandomSource& random() { return random_; }
    Sound& sound() { return sound_; }
    void setHost(ScreenHost* host) { host_ = host; }

    // Input, in twips relative to the screen's client area.
    void mouseMove(Screen& screen, int x, int y, int buttons, int shift);
    void mouseDown(Screen& screen, int x, int y, int button, int shift, bool doubleClick = false);
    void mouseUp(Screen& screen, int x, int y, int button, int shift);
    // The button was released outside the screen's window.
    void mouseUpOutside(Screen& screen, int button, int shift);
    // A key went down; character is the code it types, 0 for keys that type
    // nothing (Shift, arrows, Delete).
    void keyDown(Screen& screen, int keyCode, char32_t character, int shift);
    void keyUp(Screen& screen, int keyCode, int shift);
    // The window frame asked to close the screen.
    void closeRequested(Screen& screen);

    // Queues work for after the running handler and the events before it.
    void post(std::function<void()> event);
    void advanceFocus(Screen& screen);
    void startDrag(Control& control);
    Control* dragging() const { return dragging_; }
    int dragButton() const { return dragButton_; }

  private:
    Screen& adopt(std::type_index type, std::unique_ptr<Screen> screen);
    void pump();
    void afterHandler();
    // Posts an input event that reaches the screen only while it is loaded
    // and enabled when its turn comes.
    void postInput(Screen& screen, std::function<void()> event);
    void endDrag();

    Sound& sound_;
    RandomSource random_;
    ScreenHost* host_ = nullptr;
    std::map<std::type_index, std::unique_ptr<Screen>> screens_;
    std::vector<Screen*> loaded_;
    std::deque<std::function<void()>> queue_;
    bool pumping_ = false;
    bool ended_ = false;
    Control* pressed_ = nullptr;  // control under the last button press
    int pressedButton_ = 0;       // the button of the press being handled
    Control* dragging_ = nullptr;
    int dragButton_ = 0;  // only this button's release ends the drag
};

// Screens that the main menus open by name register here, so that a menu
// links only the screens built into the program.
class ScreenCatalog {
  public:
    using Factory = std::function<Screen&(ScreenRegistry&)>;
    static void add(std::string formName, Factory factory);
    static const Factory* find(std::string_view formName);
};

template <class S>
struct ScreenRegistration {
    explicit ScreenRegistration(std::string formName) {
        ScreenCatalog::add(std::move(formName), [](ScreenRegistry& r) -> Screen& { return r.instance<S>(); });
    }
};

template <class S>
S& ScreenRegistry::instance() {
    auto it = screens_.find(typeid(S));
    if (it != screens_.end()) return static_cast<S&>(*it->second);
    return static_cast<S&>(adopt(typeid(S), std::make_unique<S>()));
}

}  // namespace ui
