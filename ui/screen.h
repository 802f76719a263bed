// A screen: one top-level window with its controls, its state and its
// handlers. Each screen of the program derives from it, holds its controls
// as members under their names and its state as plain members.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/random_source.h"
#include "ui/values.h"

namespace ui {

class ScreenRegistry;

struct ScreenProps {
    std::string caption{};
    int width = 11880;  // client area in twips
    int height = 8490;
    Color backColor = 0xc0c0c0;
    std::string picture{};  // asset id, drawn unscaled from the top-left corner
    bool enabled = true;
};

class Screen : public ScreenProps {
  public:
    Screen(std::string formName, const ScreenProps& design);
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;
    virtual ~Screen() = default;

    const std::string& formName() const { return formName_; }
    bool isLoaded() const { return loaded_; }

    // Controls in stacking order, bottom first.
    const std::vector<Control*>& controls() const { return controls_; }
    Control* control(std::string_view name) const;
    Control* focused() const { return focused_; }

    // The live control under a point: text boxes above labels and pictures,
    // then the stacking order, topmost first. Shapes and lines take no mouse.
    Control* controlAt(int x, int y, const Control* ignoring = nullptr) const;

    // Text boxes that Tab visits, in tab order.
    std::vector<Control*> tabOrder() const;
    static bool canTakeFocus(const Control& box);

    // Handlers of the screen itself.
    virtual void Form_Load() {}
    virtual void Form_MouseMove(const MouseEvent&) {}
    virtual void Form_DragDrop(Control& /*source*/, int /*x*/, int /*y*/) {}
    // A drag of one of this screen's controls ended outside the window.
    virtual void Form_DragOutside(Control& /*source*/) {}
    // The window frame asked to close the screen; by default it unloads.
    virtual void Form_CloseRequest();

    ScreenRegistry& registry() const;

    // Operations of the screens' handlers.
    template <class S>
    S& screen();
    template <class S>
    void show();
    void unload();
    void advanceFocus();
    void endProgram();
    void beep();
    RandomSource& random();
    // Starts dragging a control; its DragIcon follows the pointer until the
    // button is released.
    void drag(Control& control);
    // Moves a control to the top of the stacking order.
    void bringToFront(Control& control);

  private:
    friend class Control;
    friend class Switch;
    friend class ScreenRegistry;
    void adopt(Control* control) { controls_.push_back(control); }
    void restoreDesign();
    void setFocus(Control* box);
    // Moves the focus to the next box in tab order after the focused one.
    void focusNext(bool backwards = false);
    // A box that was just hidden or disabled passes the focus on, if it has
    // it, to the next box in tab order that can take it now, or to none.
    void passFocusOnFrom(const Control& box);

    std::string formName_;
    ScreenProps design_;
    std::vector<Control*> controls_;
    Control* focused_ = nullptr;
    bool loaded_ = false;
    ScreenRegistry* registry_ = nullptr;
};

}  // namespace ui

#include "ui/screen_registry.h"

namespace ui {

template <class S>
S& Screen::screen() {
    return registry().instance<S>();
}

template <class S>
void Screen::show() {
    registry().show(registry().instance<S>());
}

}  // namespace ui
