// A screen as assistive technology meets it, through Qt's accessibility
// interfaces (AT-SPI on Linux): the window is a window, or a dialog of the
// screen it stands over, and is disabled while its screen is; each control
// the model describes (ui/accessibility.h) is an accessible object of its own
// with its role, name, text, states and, for a button, a press. After every
// round of handlers the window tells what changed: names and texts, controls
// that appear or go, states, and the focus.
#pragma once

#include <QAccessible>
#include <map>
#include <string>
#include <vector>

namespace ui {
class Control;
}

namespace ui::qt {

class ScreenWindow;

class ScreenAccessibility {
  public:
    explicit ScreenAccessibility(ScreenWindow& window);
    ~ScreenAccessibility();
    ScreenAccessibility(const ScreenAccessibility&) = delete;
    ScreenAccessibility& operator=(const ScreenAccessibility&) = delete;

    // The controls assistive technology finds now, in the screen's order.
    std::vector<Control*> children() const;
    // The accessible object of a control of this screen, made on first use.
    QAccessibleInterface* interfaceOf(Control& control);
    Control* controlOf(const QAccessibleInterface* iface) const;

    // Reports what changed since the last call; nothing while no assistive
    // technology listens.
    void follow();
    // The window took the keyboard: the box with the focus has it.
    void windowFocused();

  private:
    // What was last reported of a control.
    struct Seen {
        bool accessible = false;
        std::string name;
        std::string text;
        bool enabled = true;
        bool locked = false;
        int caret = 0;
    };
    Seen look(const Control& control) const;
    void reportFocus();

    ScreenWindow& window_;
    std::vector<Control*> order_;  // as the screen was built: stacking changes do not reorder
    std::map<const Control*, QAccessible::Id> ids_;
    std::map<const Control*, Seen> seen_;
    bool following_ = false;
    std::string seenCaption_;
    bool seenEnabled_ = true;
    const Control* seenFocus_ = nullptr;
};

// Lets Qt find the accessible object of every screen window.
void installScreenAccessibility();

}  // namespace ui::qt
