// The table of the Italian number words against the facts the workbook
// relies on: one distinct word per number, its alphabet, its longest words,
// and where the vowels fall away and where they stay.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "words/number_words.h"

namespace {

using words::NumberWords;

const NumberWords& table() {
    static const NumberWords words;
    return words;
}

TEST(NumberWords, EveryEntryFromZeroToThousandIsFilledAndDistinct) {
    ASSERT_EQ(table().last(), 1000);
    std::set<std::string> seen;
    for (int n = 0; n <= 1000; ++n) {
        const std::string& w = table().word(n);
        ASSERT_FALSE(w.empty()) << n;
        EXPECT_TRUE(seen.insert(w).second) << n << " repeats " << w;
    }
}

TEST(NumberWords, OnlySixteenLettersAndLAndMOnlyInMille) {
    const std::string all = "ACDEILMNOQRSTUVZ";
    const std::string belowHundred = "ACDEINOQRSTUVZ";
    std::set<char> used;
    for (int n = 0; n <= 1000; ++n) {
        for (char c : table().word(n)) {
            const std::string& allowed = n < 100 ? belowHundred : all;
            ASSERT_NE(allowed.find(c), std::string::npos) << n << ": " << table().word(n);
            if (c == 'L' || c == 'M') {
                EXPECT_EQ(n, 1000) << table().word(n);
            }
            used.insert(c);
        }
    }
    EXPECT_EQ(std::string(used.begin(), used.end()), all);
}

TEST(NumberWords, LongestWords) {
    auto longest = [](int last) {
        int best = 0;
        for (int n = 1; n <= last; ++n) {
            if (table().word(n).size() > table().word(best).size()) best = n;
        }
        return best;
    };
    EXPECT_EQ(table().word(longest(99)), "CINQUANTAQUATTRO");
    EXPECT_EQ(table().word(longest(99)).size(), 16u);
    EXPECT_EQ(table().word(longest(1000)), "QUATTROCENTOCINQUANTAQUATTRO");
    EXPECT_EQ(table().word(longest(1000)).size(), 28u);
}

TEST(NumberWords, WordsOfTheLanguage) {
    struct Case {
        int n;
        const char* word;
    } cases[] = {
        {0, "ZERO"},         {1, "UNO"},
        {3, "TRE"},          {10, "DIECI"},
        {14, "QUATTORDICI"}, {17, "DICIASSETTE"},
        {19, "DICIANNOVE"},  {20, "VENTI"},
        {22, "VENTIDUE"},    {23, "VENTITRE"},
        {33, "TRENTATRE"},   {45, "QUARANTACINQUE"},
        {60, "SESSANTA"},    {77, "SETTANTASETTE"},
        {99, "NOVANTANOVE"}, {100, "CENTO"},
        {103, "CENTOTRE"},   {111, "CENTOUNDICI"},
        {200, "DUECENTO"},   {999, "NOVECENTONOVANTANOVE"},
        {1000, "MILLE"},
    };
    for (const Case& c : cases) EXPECT_EQ(table().word(c.n), c.word) << c.n;
}

TEST(NumberWords, TheTensLoseTheirVowelOnlyBeforeUnoAndOtto) {
    struct Case {
        int n;
        const char* word;
    } cases[] = {
        {21, "VENTUNO"},      {28, "VENTOTTO"},   {31, "TRENTUNO"},   {38, "TRENTOTTO"},
        {81, "OTTANTUNO"},    {98, "NOVANTOTTO"}, {41, "QUARANTUNO"}, {58, "CINQUANTOTTO"},
        {24, "VENTIQUATTRO"}, {27, "VENTISETTE"}, {29, "VENTINOVE"},  {86, "OTTANTASEI"},
    };
    for (const Case& c : cases) EXPECT_EQ(table().word(c.n), c.word) << c.n;
}

TEST(NumberWords, CentoLosesItsOOnlyBeforeOttanta) {
    struct Case {
        int n;
        const char* word;
    } cases[] = {
        {180, "CENTOTTANTA"},        {188, "CENTOTTANTOTTO"}, {281, "DUECENTOTTANTUNO"},
        {888, "OTTOCENTOTTANTOTTO"}, {101, "CENTOUNO"},       {108, "CENTOOTTO"},
        {121, "CENTOVENTUNO"},       {201, "DUECENTOUNO"},    {170, "CENTOSETTANTA"},
        {190, "CENTONOVANTA"},       {800, "OTTOCENTO"},      {808, "OTTOCENTOOTTO"},
    };
    for (const Case& c : cases) EXPECT_EQ(table().word(c.n), c.word) << c.n;
}

TEST(NumberWords, LookupMatchesExactlyOneEntryAndNothingElse) {
    for (int n = 0; n <= 1000; ++n) ASSERT_EQ(table().number(table().word(n)), n);
    for (const char* text : {"VENT UNO", "VENTI UNO", "ventuno", "Ventuno", "", " ", "VENTIUNO",
                             "CENTOOTANTA", "VENTUNO ", "VENTITRÈ"}) {
        EXPECT_EQ(table().number(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(NumberWords, ATableUpTo99HoldsOnlyTheWordsUpTo99) {
    NumberWords upTo99(99);
    EXPECT_EQ(upTo99.last(), 99);
    EXPECT_EQ(upTo99.word(99), "NOVANTANOVE");
    EXPECT_EQ(upTo99.number("CENTO"), std::nullopt);
    for (int n = 0; n <= 99; ++n) EXPECT_EQ(upTo99.word(n), table().word(n));
}

}  // namespace
