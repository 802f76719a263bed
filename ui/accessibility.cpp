#include "ui/accessibility.h"

#include <algorithm>

#include "ui/control.h"
#include "ui/screen.h"

namespace ui {

namespace {

// A caption of dashes or underscores is a line drawn in text, not something
// to read; a lone one is the minus sign of a subtraction.
bool isDrawnLine(const std::string& caption) {
    std::string text = spokenText(caption);
    return text.size() > 1 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c == '-' || c == '_'; });
}

// The operation signs the boards write with letters, read as a child says them.
std::string spokenSign(const std::string& text) {
    if (text == "_" || text == "-") return "meno";
    if (text == "x" || text == "X") return "per";
    return text;
}

std::string firstOf(const std::string& a, const std::string& b, const std::string& c = {}) {
    for (const std::string* s : {&a, &b, &c}) {
        std::string spoken = spokenText(*s);
        if (!spoken.empty()) return spoken;
    }
    return {};
}

}  // namespace

std::string spokenText(const std::string& caption) {
    std::string spoken;
    bool blank = false;
    for (char c : caption) {
        bool isBlank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (isBlank) {
            blank = !spoken.empty();
            continue;
        }
        if (blank) spoken += ' ';
        blank = false;
        spoken += c;
    }
    return spoken;
}

Role accessibleRole(const Control& control) {
    switch (control.kind()) {
        case Kind::Label:
            if (control.onClick) return Role::Button;
            return isDrawnLine(control.caption) ? Role::None : Role::Text;
        case Kind::Image:
            if (control.onClick) return Role::Button;
            return control.accessibleName.empty() ? Role::None : Role::Picture;
        case Kind::TextBox:
            return Role::EditableText;
        case Kind::Shape:
        case Kind::Line:
            return control.accessibleName.empty() ? Role::None : Role::Picture;
    }
    return Role::None;
}

std::string accessibleName(const Control& control) {
    switch (accessibleRole(control)) {
        case Role::Button:
            return firstOf(control.caption, control.toolTip, control.accessibleName);
        case Role::Text:
            return spokenSign(firstOf(control.caption, control.accessibleName, control.toolTip));
        case Role::EditableText:
        case Role::Picture:
            return firstOf(control.accessibleName, control.toolTip);
        case Role::None:
            break;
    }
    return {};
}

bool isAccessible(const Control& control) {
    if (!control.visible) return false;
    switch (accessibleRole(control)) {
        case Role::None:
            return false;
        case Role::EditableText:
            return true;
        default:
            return !accessibleName(control).empty();
    }
}

std::optional<ClickPoint> pointToClick(const Screen& screen, const Control& control) {
    ClickPoint centre{control.left + control.width / 2, control.top + control.height / 2};
    if (screen.controlAt(centre.x, centre.y) == &control) return centre;
    constexpr int kSteps = 8;
    for (int i = 1; i < kSteps; ++i) {
        for (int j = 1; j < kSteps; ++j) {
            ClickPoint p{control.left + control.width * i / kSteps,
                         control.top + control.height * j / kSteps};
            if (screen.controlAt(p.x, p.y) == &control) return p;
        }
    }
    return std::nullopt;
}

}  // namespace ui
