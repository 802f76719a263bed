#include "ui/control.h"

#include "ui/screen.h"
#include "ui/text.h"

namespace ui {

Control::Control(Screen* owner, Kind kind, std::string name, const Props& design)
    : Props(design), owner_(owner), kind_(kind), name_(std::move(name)), design_(design) {
    visible.owner_ = this;
    enabled.owner_ = this;
    owner_->adopt(this);
}

Switch& Switch::operator=(bool on) {
    bool wasOn = on_;
    on_ = on;
    if (wasOn && !on && owner_) owner_->screen().passFocusOnFrom(*owner_);
    return *this;
}

bool Control::contains(int x, int y) const {
    return x >= left && x < left + width && y >= top && y < top + height;
}

void Control::restoreDesign() {
    static_cast<Props&>(*this) = design_;
    caret_ = textLength(caption);
    textAtCaret_ = caption;
}

void Control::syncCaret() {
    // A handler that changed the text leaves the caret at its end.
    if (caption != textAtCaret_) caret_ = textLength(caption);
    if (caret_ > textLength(caption)) caret_ = textLength(caption);
    textAtCaret_ = caption;
}

}  // namespace ui
