// Conversions between numbers and texts, and the few text operations the
// screens need. Texts are UTF-8; lengths and positions count characters.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Decimal text of a whole number: "42", "-7", "0", no blank.
std::string numberText(long long value);
// A real that holds a whole number prints as one; others print their shortest
// exact decimal form ("2.5").
std::string numberText(double value);

// Reads the number at the start of a text. Blanks, tabs and line feeds are
// ignored anywhere; then an optional sign and the longest run of digits with
// at most one decimal point. No such run, the empty text included, reads 0.
double readNumber(std::string_view text);

// Characters of a UTF-8 text.
int textLength(std::string_view text);
// The character at a 1-based position ("" past either end).
std::string characterAt(std::string_view text, int position);
// The last character, and the one before it ("" when there is none).
std::string lastCharacter(std::string_view text);
std::string characterBeforeLast(std::string_view text);

// Byte offset of the character at a 0-based character index.
std::size_t byteOffset(std::string_view text, int characterIndex);

// Encodes one character code as UTF-8.
std::string utf8(char32_t code);

// Splits a label caption into the lines it shows in a box of the given
// width: lines break at runs of blanks, the run at a break is dropped, runs
// inside a line stay. A word wider than the box is broken inside itself.
std::vector<std::string> wrapCaption(const std::string& caption, double width,
                                     const std::function<double(const std::string&)>& measure);

}  // namespace ui
