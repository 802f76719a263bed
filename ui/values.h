// Plain value types shared by the screen model: colours, fonts, pointers,
// the variant member type and the 16-bit counters of the screens.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace ui {

// 24-bit RGB, written 0xrrggbb.
using Color = std::uint32_t;

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xffffff;
inline constexpr Color kRed = 0xff0000;
// The chalkboard green of every answer box.
inline constexpr Color kBoardGreen = 0x207a70;

enum class Align { Left, Right, Centre };

enum class Pointer { Arrow, Hand, Pen };

// A font as the layouts give it: face, size in points, weight and slant.
struct Font {
    std::string face = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool operator==(const Font&) const = default;
};

// A member that holds nothing, a number or a text. Empty reads as 0 in
// arithmetic and as "" where a text is needed; a number reads as its decimal
// text; a text reads as the number at its start.
class Variant {
  public:
    Variant() = default;
    Variant(double number) : value_(number) {}
    Variant(int number) : value_(static_cast<double>(number)) {}
    Variant(std::string text) : value_(std::move(text)) {}
    Variant(const char* text) : value_(std::string(text)) {}
    // A plain value goes straight into the slot. Going through a temporary
    // Variant instead makes GCC 12 under the sanitizers see the temporary's
    // text alternative read uninitialised, a false -Wmaybe-uninitialized.
    Variant& operator=(double number) {
        value_ = number;
        return *this;
    }
    Variant& operator=(int number) { return *this = static_cast<double>(number); }
    Variant& operator=(std::string text) {
        value_ = std::move(text);
        return *this;
    }
    Variant& operator=(const char* text) { return *this = std::string(text); }

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool isNumber() const { return std::holds_alternative<double>(value_); }
    bool isText() const { return std::holds_alternative<std::string>(value_); }

    double number() const;
    std::string text() const;
    // Number of characters of text().
    int length() const;

  private:
    std::variant<std::monostate, double, std::string> value_;
};

// A 16-bit signed member counter. It saturates at the ends of its range
// instead of wrapping, so a counter never turns negative after 32767.
class Counter16 {
  public:
    constexpr Counter16() = default;
    constexpr Counter16(int value) : value_(clamp(value)) {}
    constexpr operator int() const { return value_; }
    constexpr Counter16& operator=(int value) {
        value_ = clamp(value);
        return *this;
    }
    constexpr Counter16& operator+=(int delta) { return *this = int(value_) + delta; }
    constexpr Counter16& operator-=(int delta) { return *this = int(value_) - delta; }
    constexpr Counter16& operator++() { return *this += 1; }
    constexpr Counter16& operator--() { return *this -= 1; }

  private:
    static constexpr std::int16_t clamp(int v) {
        return static_cast<std::int16_t>(v > 32767 ? 32767 : v < -32768 ? -32768 : v);
    }
    std::int16_t value_ = 0;
};

}  // namespace ui
