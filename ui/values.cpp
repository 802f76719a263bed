#include "ui/values.h"

#include "ui/text.h"

namespace ui {

double Variant::number() const {
    if (auto* n = std::get_if<double>(&value_)) return *n;
    if (auto* t = std::get_if<std::string>(&value_)) return readNumber(*t);
    return 0;
}

std::string Variant::text() const {
    if (auto* n = std::get_if<double>(&value_)) return numberText(*n);
    if (auto* t = std::get_if<std::string>(&value_)) return *t;
    return {};
}

int Variant::length() const {
    return textLength(text());
}

}  // namespace ui
