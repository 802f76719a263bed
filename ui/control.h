// The five kinds of control a screen is built from, with the properties the
// screens read and write and the events they handle.
#pragma once

#include <functional>
#include <string>

#include "ui/values.h"

namespace ui {

class Screen;
class Control;

// Visible and Enabled of a control: a flag that reads and assigns as a bool.
// A control that holds the focus and is hidden or disabled passes the focus
// on at that moment, while the handler that did it is still running.
class Switch {
  public:
    constexpr Switch(bool on = true) : on_(on) {}
    // A copy takes the value only: it belongs to no control.
    constexpr Switch(const Switch& other) : on_(other.on_) {}
    Switch& operator=(const Switch& other) { return *this = other.on_; }
    Switch& operator=(bool on);
    constexpr operator bool() const { return on_; }

  private:
    friend class Control;
    bool on_;
    Control* owner_ = nullptr;
};

enum class Kind { Label, TextBox, Image, Shape, Line };
enum class Geometry { Rectangle, Circle };

// Shift state bits of mouse and key events.
enum Shift { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };
// Mouse buttons.
enum Button { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

struct MouseEvent {
    int button = 0;  // the button that changed, or the buttons held while moving
    int shift = 0;
    int x = 0;  // twips, relative to the control (or to the screen for screen events)
    int y = 0;
};

// Every property a control can have; each kind uses its share. Positions and
// sizes are in twips from the top-left corner of the screen's client area.
// Layout tables fill these with designated initializers, in this order.
struct Props {
    int left = 0, top = 0, width = 0, height = 0;
    std::string caption{};  // a label's Caption, a text box's Text
    Color foreColor = kBlack;
    Color backColor = kWhite;
    Font font{};
    Align alignment = Align::Left;
    int borderStyle = 0;  // 0 none, 1 a thin single-line frame
    Pointer pointer = Pointer::Arrow;
    std::string toolTip{};
    int tabIndex = 0;
    bool tabStop = true;
    bool locked = false;
    std::string picture{};  // asset id
    bool stretch = false;
    std::string dragIcon{};  // asset id
    Color fillColor = kBlack;
    Color borderColor = kBlack;
    Geometry geometry = Geometry::Circle;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // end points of a line
    int borderWidth = 1;
    Switch visible = true;
    Switch enabled = true;
    // What a screen reader calls the control where neither its caption nor
    // its tooltip says it (a face, a bead, a rod); see ui/accessibility.h.
    std::string accessibleName{};
};

class Control : public Props {
  public:
    Control(Screen* owner, Kind kind, std::string name, const Props& design);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }
    Screen& screen() const { return *owner_; }
    const Props& design() const { return design_; }

    bool contains(int x, int y) const;
    // Visible and enabled: only such controls take the mouse and the focus.
    bool isLive() const { return visible && enabled; }

    // Handlers, named after the events of the screens' handler tables.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(const MouseEvent&)> onMouseMove;
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseUp;
    // Receives the character code; setting it to 0 drops the keystroke.
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void(int keyCode, int shift)> onKeyUp;
    std::function<void(Control& source, int x, int y)> onDragDrop;

    // Caret of a text box, in characters from the start of its text.
    int caret() const { return caret_; }

  private:
    friend class Screen;
    friend class ScreenRegistry;
    void restoreDesign();
    void syncCaret();

    Screen* owner_;
    Kind kind_;
    std::string name_;
    Props design_;
    int caret_ = 0;
    std::string textAtCaret_;  // the text the caret was last placed in
};

class Label : public Control {
  public:
    Label(Screen* owner, std::string name, const Props& design)
        : Control(owner, Kind::Label, std::move(name), design) {}
};

class TextBox : public Control {
  public:
    TextBox(Screen* owner, std::string name, const Props& design)
        : Control(owner, Kind::TextBox, std::move(name), design) {}
    // A text box calls its caption Text.
    std::string& text = caption;
};

class Image : public Control {
  public:
    Image(Screen* owner, std::string name, const Props& design)
        : Control(owner, Kind::Image, std::move(name), design) {}
};

class Shape : public Control {
  public:
    Shape(Screen* owner, std::string name, const Props& design)
        : Control(owner, Kind::Shape, std::move(name), design) {}
};

class Line : public Control {
  public:
    Line(Screen* owner, std::string name, const Props& design)
        : Control(owner, Kind::Line, std::move(name), design) {}
};

}  // namespace ui
