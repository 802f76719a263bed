#include "ui/text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace ui {

std::string numberText(long long value) {
    return std::to_string(value);
}

std::string numberText(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

double readNumber(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact += c;
    }
    std::size_t i = 0;
    std::string number;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) number += compact[i++];
    bool point = false;
    bool digits = false;
    for (; i < compact.size(); ++i) {
        char c = compact[i];
        if (c >= '0' && c <= '9') {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    return std::strtod(number.c_str(), nullptr);
}

namespace {
bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}
}  // namespace

int textLength(std::string_view text) {
    int n = 0;
    for (unsigned char c : text) {
        if (!isContinuation(c)) ++n;
    }
    return n;
}

std::size_t byteOffset(std::string_view text, int characterIndex) {
    if (characterIndex <= 0) return 0;
    int seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[i]))) {
            if (seen == characterIndex) return i;
            ++seen;
        }
    }
    return text.size();
}

std::string characterAt(std::string_view text, int position) {
    if (position < 1 || position > textLength(text)) return {};
    std::size_t from = byteOffset(text, position - 1);
    std::size_t to = byteOffset(text, position);
    return std::string(text.substr(from, to - from));
}

std::string lastCharacter(std::string_view text) {
    return characterAt(text, textLength(text));
}

std::string characterBeforeLast(std::string_view text) {
    return characterAt(text, textLength(text) - 1);
}

std::string utf8(char32_t code) {
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

namespace {

// A caption as words, each with the run of blanks before it. A lone opening
// bracket holds on to the word after it and a lone closing one to the word
// before it, so that no line ends in "(" nor starts with ")".
struct CaptionWord {
    std::string blanks;
    std::string word;
};

bool onlyOf(const std::string& word, char c) {
    return !word.empty() && word.find_first_not_of(c) == std::string::npos;
}

std::vector<CaptionWord> captionWords(const std::string& caption, std::string& trailingBlanks) {
    std::vector<CaptionWord> words;
    std::string blanks;
    std::size_t i = 0;
    while (i < caption.size()) {
        std::size_t j = i;
        if (caption[i] == ' ') {
            while (j < caption.size() && caption[j] == ' ') ++j;
            blanks = caption.substr(i, j - i);
        } else {
            while (j < caption.size() && caption[j] != ' ') ++j;
            std::string word = caption.substr(i, j - i);
            if (!words.empty() && (onlyOf(words.back().word, '(') || onlyOf(word, ')'))) {
                words.back().word += blanks + word;
            } else {
                words.push_back({blanks, word});
            }
            blanks.clear();
        }
        i = j;
    }
    trailingBlanks = blanks;
    return words;
}

}  // namespace

std::vector<std::string> wrapCaption(const std::string& caption, double width,
                                     const std::function<double(const std::string&)>& measure) {
    std::vector<std::string> lines;
    std::string line;
    bool lineHasWord = false;
    std::string trailingBlanks;
    for (const CaptionWord& next : captionWords(caption, trailingBlanks)) {
        const std::string& word = next.word;
        // Blanks before the first word of the caption stay; at a break they go.
        std::string candidate =
            lineHasWord ? line + next.blanks + word : (lines.empty() ? next.blanks + word : word);
        if (lineHasWord && measure(candidate) > width) {
            lines.push_back(line);
            candidate = word;
        }
        // A word wider than the box is broken inside itself.
        while (textLength(candidate) > 1 && measure(candidate) > width) {
            int fit = 1;
            while (fit + 1 < textLength(candidate) &&
                   measure(candidate.substr(0, byteOffset(candidate, fit + 1))) <= width) {
                ++fit;
            }
            std::size_t cut = byteOffset(candidate, fit);
            lines.push_back(candidate.substr(0, cut));
            candidate = candidate.substr(cut);
        }
        line = candidate;
        lineHasWord = true;
    }
    if (lineHasWord || lines.empty()) lines.push_back(lineHasWord ? line : trailingBlanks);
    return lines;
}

}  // namespace ui
