#include "ui/screen.h"

#include <algorithm>
#include <cassert>

namespace ui {

Screen::Screen(std::string formName, const ScreenProps& design)
    : ScreenProps(design), formName_(std::move(formName)), design_(design) {}

Control* Screen::control(std::string_view name) const {
    for (Control* c : controls_) {
        if (c->name() == name) return c;
    }
    return nullptr;
}

Control* Screen::controlAt(int x, int y, const Control* ignoring) const {
    auto takesMouse = [&](const Control* c, bool boxes) {
        if (c == ignoring || !c->isLive() || !c->contains(x, y)) return false;
        if (boxes) return c->kind() == Kind::TextBox;
        return c->kind() == Kind::Label || c->kind() == Kind::Image;
    };
    for (bool boxes : {true, false}) {
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
            if (takesMouse(*it, boxes)) return *it;
        }
    }
    return nullptr;
}

bool Screen::canTakeFocus(const Control& box) {
    return box.kind() == Kind::TextBox && box.isLive();
}

std::vector<Control*> Screen::tabOrder() const {
    std::vector<Control*> order;
    for (Control* c : controls_) {
        if (canTakeFocus(*c) && c->tabStop) order.push_back(c);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

void Screen::Form_CloseRequest() {
    unload();
}

ScreenRegistry& Screen::registry() const {
    assert(registry_ && "a screen is used only through its registry");
    return *registry_;
}

void Screen::unload() {
    registry().unload(*this);
}
void Screen::advanceFocus() {
    registry().advanceFocus(*this);
}
void Screen::endProgram() {
    registry().endProgram();
}
void Screen::beep() {
    registry().sound().beep();
}
RandomSource& Screen::random() {
    return registry().random();
}
void Screen::drag(Control& control) {
    registry().startDrag(control);
}

void Screen::bringToFront(Control& control) {
    auto it = std::find(controls_.begin(), controls_.end(), &control);
    if (it == controls_.end()) return;
    controls_.erase(it);
    controls_.push_back(&control);
}

void Screen::restoreDesign() {
    static_cast<ScreenProps&>(*this) = design_;
    for (Control* c : controls_) c->restoreDesign();
    focused_ = nullptr;
}

void Screen::setFocus(Control* box) {
    focused_ = box;
    if (box) box->syncCaret();
}

void Screen::focusNext(bool backwards) {
    // Every text box in tab order, so the search starts from the focused box
    // even when that box is no longer a tab stop.
    std::vector<Control*> boxes;
    for (Control* c : controls_) {
        if (c->kind() == Kind::TextBox) boxes.push_back(c);
    }
    std::stable_sort(boxes.begin(), boxes.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    if (backwards) std::reverse(boxes.begin(), boxes.end());
    auto visits = [](const Control* c) { return canTakeFocus(*c) && c->tabStop; };
    auto start = std::find(boxes.begin(), boxes.end(), focused_);
    std::size_t from = start == boxes.end() ? boxes.size() - 1 : std::size_t(start - boxes.begin());
    for (std::size_t step = 1; step <= boxes.size(); ++step) {
        Control* c = boxes[(from + step) % boxes.size()];
        if (visits(c)) {
            setFocus(c);
            return;
        }
    }
}

void Screen::passFocusOnFrom(const Control& box) {
    if (focused_ != &box || canTakeFocus(box)) return;
    focusNext();
    if (focused_ == &box) focused_ = nullptr;
}

}  // namespace ui
