// Key codes as KeyUp reports them: the codes of the main keyboard, with the
// numeric keypad's digits apart from the digit row.
#pragma once

namespace ui::key {

inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kShift = 16;
inline constexpr int kControl = 17;
inline constexpr int kAlt = 18;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kDelete = 46;
inline constexpr int kDigit0 = 48;   // "0" to "9" of the digit row: 48 to 57
inline constexpr int kA = 65;        // "A" to "Z": 65 to 90
inline constexpr int kNumpad0 = 96;  // keypad digits: 96 to 105

constexpr bool isDigitKey(int code) {
    return (code >= kDigit0 && code <= kDigit0 + 9) || (code >= kNumpad0 && code <= kNumpad0 + 9);
}

}  // namespace ui::key
