#include "ui/screen_registry.h"

#include <algorithm>

#include "ui/keys.h"
#include "ui/screen.h"
#include "ui/text.h"

namespace ui {

ScreenRegistry::ScreenRegistry(Sound& sound, RandomSource::Clock clock)
    : sound_(sound), random_(std::move(clock)) {}

ScreenRegistry::~ScreenRegistry() = default;

Screen& ScreenRegistry::adopt(std::type_index type, std::unique_ptr<Screen> screen) {
    screen->registry_ = this;
    Screen& adopted = *screen;
    screens_.emplace(type, std::move(screen));
    return adopted;
}

Screen* ScreenRegistry::instance(std::string_view formName) {
    const ScreenCatalog::Factory* factory = ScreenCatalog::find(formName);
    return factory ? &(*factory)(*this) : nullptr;
}

void ScreenRegistry::show(Screen& screen) {
    if (ended_) return;
    if (!screen.loaded_) {
        screen.restoreDesign();
        screen.loaded_ = true;
        loaded_.push_back(&screen);
        screen.Form_Load();
        if (!screen.loaded_) return;  // Form_Load unloaded it again
        std::vector<Control*> order = screen.tabOrder();
        screen.setFocus(order.empty() ? nullptr : order.front());
        if (host_) host_->screenLoaded(screen);
    } else {
        loaded_.erase(std::find(loaded_.begin(), loaded_.end(), &screen));
        loaded_.push_back(&screen);
        if (host_) host_->screenRaised(screen);
    }
}

void ScreenRegistry::unload(Screen& screen) {
    if (!screen.loaded_) return;
    if (dragging_ && &dragging_->screen() == &screen) endDrag();
    if (pressed_ && &pressed_->screen() == &screen) pressed_ = nullptr;
    screen.loaded_ = false;
    screen.focused_ = nullptr;
    loaded_.erase(std::find(loaded_.begin(), loaded_.end(), &screen));
    if (host_) host_->screenUnloaded(screen);
}

void ScreenRegistry::endProgram() {
    if (ended_) return;
    while (!loaded_.empty()) unload(*loaded_.back());
    ended_ = true;
    queue_.clear();
    if (host_) host_->programEnded();
}

void ScreenRegistry::post(std::function<void()> event) {
    queue_.push_back(std::move(event));
    if (!pumping_) pump();
}

void ScreenRegistry::pump() {
    pumping_ = true;
    while (!queue_.empty() && !ended_) {
        auto event = std::move(queue_.front());
        queue_.pop_front();
        event();
        afterHandler();
    }
    pumping_ = false;
    if (host_ && !ended_) host_->modelChanged();
}

void ScreenRegistry::afterHandler() {
    if (ended_) return;
    for (Screen* s : loaded_) s->repairFocus();
    if (loaded_.empty()) endProgram();
}

void ScreenRegistry::postInput(Screen& screen, std::function<void()> event) {
    post([this, &screen, event = std::move(event)] {
        if (screen.loaded_ && screen.enabled && !ended_) event();
    });
}

void ScreenRegistry::advanceFocus(Screen& screen) {
    auto move = [this, &screen] {
        post([&screen] {
            if (screen.loaded_) screen.focusNext();
        });
    };
    if (host_) {
        host_->afterDeliveredInput(move);
    } else {
        move();
    }
}

void ScreenRegistry::startDrag(Control& control) {
    dragging_ = &control;
    dragButton_ = pressedButton_ ? pressedButton_ : kLeftButton;
    pressed_ = nullptr;
    if (host_) host_->dragStarted(control);
}

void ScreenRegistry::endDrag() {
    dragging_ = nullptr;
    if (host_) host_->dragEnded();
}

void ScreenRegistry::mouseMove(Screen& screen, int x, int y, int buttons, int shift) {
    postInput(screen, [this, &screen, x, y, buttons, shift] {
        if (dragging_) return;  // a drag raises no MouseMove
        Control* target = screen.controlAt(x, y);
        if (!target) {
            screen.Form_MouseMove({buttons, shift, x, y});
        } else if (target->onMouseMove) {
            target->onMouseMove({buttons, shift, x - target->left, y - target->top});
        }
    });
}

void ScreenRegistry::mouseDown(Screen& screen, int x, int y, int button, int shift, bool doubleClick) {
    postInput(screen, [this, &screen, x, y, button, shift, doubleClick] {
        if (dragging_) return;
        Control* target = screen.controlAt(x, y);
        pressed_ = target;
        if (!target) return;
        pressedButton_ = button;
        if (target->kind() == Kind::TextBox && button == kLeftButton) screen.setFocus(target);
        if (doubleClick) {
            // The second press of a double click raises DblClick, not MouseDown.
            if (target->onDblClick) target->onDblClick();
        } else if (target->onMouseDown) {
            target->onMouseDown({button, shift, x - target->left, y - target->top});
        }
        if (doubleClick) pressed_ = nullptr;  // and the release that follows is no click
        pressedButton_ = 0;
    });
}

void ScreenRegistry::mouseUp(Screen& screen, int x, int y, int button, int shift) {
    postInput(screen, [this, &screen, x, y, button, shift] {
        if (dragging_) {
            if (button != dragButton_) return;  // another button changes nothing
            Control& source = *dragging_;
            endDrag();
            Control* target = screen.controlAt(x, y, &source);
            if (&source.screen() != &screen) return;
            if (target) {
                if (target->onDragDrop) target->onDragDrop(source, x - target->left, y - target->top);
            } else {
                screen.Form_DragDrop(source, x, y);
            }
            return;
        }
        Control* pressed = pressed_;
        pressed_ = nullptr;
        Control* target = screen.controlAt(x, y);
        if (pressed && &pressed->screen() == &screen && pressed->isLive()) {
            if (pressed->onMouseUp) pressed->onMouseUp({button, shift, x - pressed->left, y - pressed->top});
            if (button == kLeftButton && target == pressed && pressed->isLive() && pressed->onClick) {
                pressed->onClick();
            }
        }
    });
}

void ScreenRegistry::mouseUpOutside(Screen& screen, int button, int shift) {
    (void)shift;
    post([this, &screen, button] {
        pressed_ = nullptr;
        if (!dragging_ || button != dragButton_) return;
        Control& source = *dragging_;
        endDrag();
        if (screen.loaded_ && &source.screen() == &screen) screen.Form_DragOutside(source);
    });
}

void ScreenRegistry::keyDown(Screen& screen, int keyCode, char32_t character, int shift) {
    postInput(screen, [&screen, keyCode, character, shift] {
        Control* box = screen.focused();
        if (!box) return;
        if (keyCode == key::kTab) {
            // Tab only moves the focus: no key event.
            screen.focusNext((shift & kShiftKey) != 0);
            return;
        }
        if (character != 0) {
            int code = static_cast<int>(character);
            if (box->onKeyPress) box->onKeyPress(code);
            if (!screen.loaded_) return;
            // What the handler did to the text comes first, then the character.
            box->syncCaret();
            if (code == 0 || box->locked) return;
            std::string& text = box->caption;
            if (code == key::kBackspace) {
                if (box->caret_ > 0) {
                    std::size_t from = byteOffset(text, box->caret_ - 1);
                    text.erase(from, byteOffset(text, box->caret_) - from);
                    --box->caret_;
                }
            } else if (code >= 32) {
                text.insert(byteOffset(text, box->caret_), utf8(static_cast<char32_t>(code)));
                ++box->caret_;
            }
            box->textAtCaret_ = text;
            return;
        }
        box->syncCaret();
        int length = textLength(box->caption);
        switch (keyCode) {
            case key::kDelete:
                if (!box->locked && box->caret_ < length) {
                    std::string& text = box->caption;
                    std::size_t from = byteOffset(text, box->caret_);
                    text.erase(from, byteOffset(text, box->caret_ + 1) - from);
                    box->textAtCaret_ = text;
                }
                break;
            case key::kLeft:
                if (box->caret_ > 0) --box->caret_;
                break;
            case key::kRight:
                if (box->caret_ < length) ++box->caret_;
                break;
            case key::kHome:
                box->caret_ = 0;
                break;
            case key::kEnd:
                box->caret_ = length;
                break;
            default:
                break;
        }
    });
}

void ScreenRegistry::keyUp(Screen& screen, int keyCode, int shift) {
    postInput(screen, [&screen, keyCode, shift] {
        if (keyCode == key::kTab) return;
        Control* box = screen.focused();
        if (box && box->onKeyUp) box->onKeyUp(keyCode, shift);
    });
}

void ScreenRegistry::closeRequested(Screen& screen) {
    // A disabled screen (one behind a dialog) does not close.
    postInput(screen, [&screen] { screen.Form_CloseRequest(); });
}

namespace {
std::map<std::string, ScreenCatalog::Factory, std::less<>>& catalog() {
    static std::map<std::string, ScreenCatalog::Factory, std::less<>> entries;
    return entries;
}
}  // namespace

void ScreenCatalog::add(std::string formName, Factory factory) {
    catalog()[std::move(formName)] = std::move(factory);
}

const ScreenCatalog::Factory* ScreenCatalog::find(std::string_view formName) {
    auto it = catalog().find(formName);
    return it == catalog().end() ? nullptr : &it->second;
}

}  // namespace ui
