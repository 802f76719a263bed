#include "words/number_words.h"

#include <array>
#include <stdexcept>

namespace words {

namespace {

constexpr std::array<const char*, 20> kToNineteen = {
    "ZERO",        "UNO",      "DUE",    "TRE",         "QUATTRO",  "CINQUE",    "SEI",
    "SETTE",       "OTTO",     "NOVE",   "DIECI",       "UNDICI",   "DODICI",    "TREDICI",
    "QUATTORDICI", "QUINDICI", "SEDICI", "DICIASSETTE", "DICIOTTO", "DICIANNOVE"};

constexpr std::array<const char*, 10> kTens = {"",          "",         "VENTI",    "TRENTA",  "QUARANTA",
                                               "CINQUANTA", "SESSANTA", "SETTANTA", "OTTANTA", "NOVANTA"};

bool startsWithVowel(const std::string& word) {
    return word[0] == 'U' || word[0] == 'O';
}

std::string belowHundred(int n) {
    if (n < 20) return kToNineteen[static_cast<std::size_t>(n)];
    std::string tens = kTens[static_cast<std::size_t>(n / 10)];
    int units = n % 10;
    if (units == 0) return tens;
    std::string unit = kToNineteen[static_cast<std::size_t>(units)];
    // "VENTUNO", "TRENTOTTO": the tens lose their last vowel before UNO and OTTO.
    if (startsWithVowel(unit)) tens.pop_back();
    return tens + unit;
}

}  // namespace

std::string NumberWords::wordOf(int n) {
    if (n < 0 || n > kLast) throw std::out_of_range("no word for this number");
    if (n == 1000) return "MILLE";
    if (n < 100) return belowHundred(n);
    int hundreds = n / 100;
    int rest = n % 100;
    std::string word =
        hundreds == 1 ? "CENTO" : std::string(kToNineteen[static_cast<std::size_t>(hundreds)]) + "CENTO";
    if (rest == 0) return word;
    // Only "OTTANTA" takes the O of CENTO: "CENTOTTANTA", but "CENTOUNO", "CENTOOTTO".
    if (rest / 10 == 8) word.pop_back();
    return word + belowHundred(rest);
}

NumberWords::NumberWords(int last) {
    if (last < 0 || last > kLast) throw std::out_of_range("the words go from 0 to 1000");
    words_.reserve(static_cast<std::size_t>(last) + 1);
    for (int n = 0; n <= last; ++n) words_.push_back(wordOf(n));
}

std::optional<int> NumberWords::number(std::string_view text) const {
    for (std::size_t n = 0; n < words_.size(); ++n) {
        if (words_[n] == text) return static_cast<int>(n);
    }
    return std::nullopt;
}

}  // namespace words
