#include "ui/driver.h"

#include <stdexcept>

#include "ui/text.h"

namespace ui {

namespace {
struct Point {
    int x, y;
};
Point centreOf(const Control& c) {
    return {c.left + c.width / 2, c.top + c.height / 2};
}

int keyCodeOf(char32_t c) {
    if (c >= '0' && c <= '9') return key::kDigit0 + int(c - '0');
    if (c >= 'a' && c <= 'z') return key::kA + int(c - 'a');
    if (c >= 'A' && c <= 'Z') return key::kA + int(c - 'A');
    if (c == ' ') return key::kSpace;
    return 0xDE;  // some other key of the main keyboard
}

// Decodes UTF-8 into character codes.
std::u32string codes(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t code = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < text.size(); ++k) code = (code << 6) | (text[i + k] & 0x3F);
        out += code;
        i += extra + 1;
    }
    return out;
}
}  // namespace

Control& ScreenActions::control(std::string_view name) const {
    Control* c = screen_.control(name);
    if (!c) throw std::invalid_argument(screen_.formName() + " has no control " + std::string(name));
    return *c;
}

std::string ScreenActions::focusedName() const {
    return screen_.focused() ? screen_.focused()->name() : std::string();
}

void ScreenActions::click(std::string_view name) {
    Point p = centreOf(control(name));
    clickAt(p.x, p.y);
}

void ScreenActions::clickAt(int x, int y, int button) {
    ScreenRegistry& r = driver_.registry();
    r.mouseMove(screen_, x, y, 0, 0);
    r.mouseDown(screen_, x, y, button, 0);
    r.mouseUp(screen_, x, y, button, 0);
}

void ScreenActions::doubleClick(std::string_view name) {
    Point p = centreOf(control(name));
    ScreenRegistry& r = driver_.registry();
    clickAt(p.x, p.y);
    r.mouseDown(screen_, p.x, p.y, kLeftButton, 0, true);
    r.mouseUp(screen_, p.x, p.y, kLeftButton, 0);
}

void ScreenActions::moveTo(std::string_view name) {
    Point p = centreOf(control(name));
    moveTo(p.x, p.y);
}

void ScreenActions::moveTo(int x, int y) {
    driver_.registry().mouseMove(screen_, x, y, 0, 0);
}

void ScreenActions::mouseDown(std::string_view name, int button) {
    Point p = centreOf(control(name));
    driver_.registry().mouseDown(screen_, p.x, p.y, button, 0);
}

void ScreenActions::mouseUp(std::string_view name, int button) {
    Point p = centreOf(control(name));
    driver_.registry().mouseUp(screen_, p.x, p.y, button, 0);
}

void ScreenActions::drag(std::string_view source, std::string_view target) {
    Point p = centreOf(control(target));
    drag(source, p.x, p.y);
}

void ScreenActions::drag(std::string_view source, int x, int y) {
    Point from = centreOf(control(source));
    ScreenRegistry& r = driver_.registry();
    r.mouseMove(screen_, from.x, from.y, 0, 0);
    r.mouseDown(screen_, from.x, from.y, kLeftButton, 0);
    r.mouseMove(screen_, x, y, kLeftButton, 0);
    r.mouseUp(screen_, x, y, kLeftButton, 0);
}

void ScreenActions::dragOutside(std::string_view source) {
    Point from = centreOf(control(source));
    ScreenRegistry& r = driver_.registry();
    r.mouseDown(screen_, from.x, from.y, kLeftButton, 0);
    r.mouseUpOutside(screen_, kLeftButton, 0);
}

void ScreenActions::close() {
    driver_.registry().closeRequested(screen_);
}

void ScreenActions::type(std::string_view text) {
    for (char32_t c : codes(text)) {
        int code = keyCodeOf(c);
        int shift = (c >= 'A' && c <= 'Z') ? kShiftKey : 0;
        press(code, c, shift);
        release(code, shift);
    }
}

void ScreenActions::typeOnKeypad(std::string_view digits) {
    for (char c : digits) {
        int code = key::kNumpad0 + (c - '0');
        press(code, static_cast<char32_t>(c));
        release(code);
    }
}

void ScreenActions::key(int keyCode, int shift) {
    char32_t character = 0;
    if (keyCode == key::kBackspace || keyCode == key::kEnter || keyCode == key::kEscape) {
        character = static_cast<char32_t>(keyCode);
    }
    press(keyCode, character, shift);
    release(keyCode, shift);
}

void ScreenActions::press(int keyCode, char32_t character, int shift) {
    driver_.registry().keyDown(screen_, keyCode, character, shift);
}

void ScreenActions::release(int keyCode, int shift) {
    driver_.registry().keyUp(screen_, keyCode, shift);
}

void ScreenActions::tab(int shift) {
    press(key::kTab, 0, shift);
    release(key::kTab, shift);
}

Driver::Driver(double clockReading)
    : clockReading_(clockReading), registry_(sound_, [this] { return clockReading_; }) {}

void Driver::start(const std::function<void(ScreenRegistry&)>& startProgram) {
    startProgram(registry_);
}

Screen& Driver::front() {
    Screen* s = registry_.front();
    if (!s) throw std::logic_error("no screen is loaded");
    return *s;
}

ScreenActions Driver::on(std::string_view formName) {
    for (Screen* s : registry_.loadedScreens()) {
        if (s->formName() == formName) return ScreenActions(*this, *s);
    }
    throw std::invalid_argument("screen not loaded: " + std::string(formName));
}

std::vector<std::string> Driver::loadedScreens() const {
    std::vector<std::string> names;
    for (Screen* s : registry_.loadedScreens()) names.push_back(s->formName());
    return names;
}

bool Driver::isLoaded(std::string_view formName) const {
    for (Screen* s : registry_.loadedScreens()) {
        if (s->formName() == formName) return true;
    }
    return false;
}

}  // namespace ui
