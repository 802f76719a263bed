// The problems of the column screens over many clock readings, read off the
// board as the child sees them: every problem keeps the screen's rule, the
// extremes the rule allows all turn up, and the expected digits are those
// of the true result.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "columns/addition.h"
#include "columns/multiplication.h"
#include "columns/subtraction.h"
#include "ui/driver.h"
#include "ui/text.h"

namespace {

struct Range {
    int min, max;
};

struct Problem {
    int upper, lower, result;
};

struct Generator {
    const char* form;
    void (*open)(ui::Driver&);
    const char* newProblem;
    const char* unitsBox;
    const char* tensBox;
    const char* upperTens;
    const char* upperUnits;
    const char* lowerTens;  // none on multiplication: the multiplier has one digit
    const char* lowerUnits;
    // The result of the two numbers, and the rule an accepted problem keeps.
    int (*result)(int upper, int lower);
    bool (*accepted)(int upper, int lower);
    // The expected units and tens digits, as the screen holds them.
    std::pair<std::string, std::string> (*expected)(ui::Screen&);
    Range upper, lower, total;
};

void PrintTo(const Generator& g, std::ostream* os) {
    *os << g.form;
}

template <class Form>
void open(ui::Driver& d) {
    d.show<Form>();
}

int plus(int a, int b) {
    return a + b;
}
int minus(int a, int b) {
    return a - b;
}
int times(int a, int b) {
    return a * b;
}

template <class Form>
std::pair<std::string, std::string> additionDigits(ui::Screen& s) {
    auto& f = dynamic_cast<Form&>(s);
    return {f.us.text(), f.das.text()};
}
template <class Form>
std::pair<std::string, std::string> subtractionDigits(ui::Screen& s) {
    auto& f = dynamic_cast<Form&>(s);
    return {f.ur.text(), f.dar.text()};
}
template <class Form>
std::pair<std::string, std::string> multiplicationDigits(ui::Screen& s) {
    auto& f = dynamic_cast<Form&>(s);
    return {f.upt.text(), f.dapt.text()};
}

const Generator kGenerators[] = {
    {"Form4",
     open<columns::Form4>,
     "Label6",
     "Text6",
     "Text5",
     "Label3",
     "Label11",
     "Label12",
     "Label13",
     plus,
     [](int a, int b) { return a + b <= 99 && a % 10 + b % 10 <= 9; },
     additionDigits<columns::Form4>,
     {10, 98},
     {1, 89},
     {11, 99}},
    {"Form6",
     open<columns::Form6>,
     "Label6",
     "Text6",
     "Text5",
     "Label10",
     "Label11",
     "Label12",
     "Label13",
     plus,
     [](int a, int b) { return a + b <= 99 && a % 10 + b % 10 >= 10; },
     additionDigits<columns::Form6>,
     {11, 89},
     {1, 79},
     {20, 98}},
    {"Form5",
     open<columns::Form5>,
     "Label8",
     "Text6",
     "Text5",
     "Label16",
     "Label10",
     "Label12",
     "Label13",
     minus,
     [](int a, int b) { return b <= a && b % 10 <= a % 10; },
     subtractionDigits<columns::Form5>,
     {10, 99},
     {1, 99},
     {0, 98}},
    {"Form7",
     open<columns::Form7>,
     "Label8",
     "Text6",
     "Text5",
     "Label3",
     "Label11",
     "Label12",
     "Label13",
     minus,
     [](int a, int b) { return b <= a && b % 10 > a % 10; },
     subtractionDigits<columns::Form7>,
     {10, 98},
     {1, 89},
     {1, 89}},
    {"Form9",
     open<columns::Form9>,
     "Label11",
     "Text4",
     "Text5",
     "Label8",
     "Label9",
     nullptr,
     "Label10",
     times,
     [](int a, int b) { return a * b <= 99 && (a % 10) * b <= 9; },
     multiplicationDigits<columns::Form9>,
     {10, 44},
     {2, 9},
     {20, 99}},
    {"Form10",
     open<columns::Form10>,
     "Label11",
     "Text4",
     "Text5",
     "Label8",
     "Label9",
     nullptr,
     "Label10",
     times,
     [](int a, int b) { return a * b <= 99 && (a % 10) * b >= 10; },
     multiplicationDigits<columns::Form10>,
     {12, 49},
     {2, 8},
     {30, 98}},
};

class GeneratorTest : public ::testing::TestWithParam<Generator> {
  protected:
    const Generator& g = GetParam();
    ui::Driver d;
    double clock = 0.5;

    void SetUp() override { g.open(d); }

    std::string text(const char* name) { return name ? d.text(name) : std::string(); }

    // Asks for a problem at the next clock reading and reads it off the board.
    Problem ask() {
        d.setClock(clock);
        clock += 2.718;  // about 31 800 readings spread over the day
        d.click(g.newProblem);
        int upper = int(ui::readNumber(text(g.upperTens) + text(g.upperUnits)));
        int lower = int(ui::readNumber(text(g.lowerTens) + text(g.lowerUnits)));
        return {upper, lower, g.result(upper, lower)};
    }

    // Any answer at all, so that the screens that wait for the tens box let
    // the next problem come.
    void finish() {
        d.click(g.unitsBox);
        d.type("0");
        d.click(g.tensBox);
        d.key(ui::key::kShift);
    }
};

TEST_P(GeneratorTest, EveryProblemKeepsTheRuleAndTheExtremesTurnUp) {
    std::set<std::string> missing = {"upper min", "upper max",  "lower min",
                                     "lower max", "result min", "result max"};
    int asked = 0;
    for (; asked < 3000 || (!missing.empty() && asked < 60000); ++asked) {
        Problem p = ask();
        ASSERT_GE(p.upper, g.upper.min);
        ASSERT_LE(p.upper, g.upper.max);
        ASSERT_GE(p.lower, g.lower.min);
        ASSERT_LE(p.lower, g.lower.max);
        ASSERT_GE(p.result, g.total.min);
        ASSERT_LE(p.result, g.total.max);
        ASSERT_TRUE(g.accepted(p.upper, p.lower)) << p.upper << ", " << p.lower;
        // A two-digit upper row; a lower tens cell only for a two-digit number.
        ASSERT_FALSE(text(g.upperTens).empty());
        if (g.lowerTens) {
            ASSERT_EQ(text(g.lowerTens).empty(), p.lower < 10) << p.lower;
        }
        auto [units, tens] = g.expected(d.front());
        ASSERT_EQ(units, std::to_string(p.result % 10));
        ASSERT_EQ(tens, std::to_string(p.result / 10));

        if (p.upper == g.upper.min) missing.erase("upper min");
        if (p.upper == g.upper.max) missing.erase("upper max");
        if (p.lower == g.lower.min) missing.erase("lower min");
        if (p.lower == g.lower.max) missing.erase("lower max");
        if (p.result == g.total.min) missing.erase("result min");
        if (p.result == g.total.max) missing.erase("result max");
        finish();
    }
    EXPECT_TRUE(missing.empty()) << "after " << asked << " problems, never: " << *missing.begin();
}

INSTANTIATE_TEST_SUITE_P(Columns, GeneratorTest, ::testing::ValuesIn(kGenerators),
                         [](const auto& info) { return std::string(info.param.form); });

// The multiplication screens have few problems: every one that keeps the
// rule comes, about as often as any other.
class MultiplicationSpreadTest : public GeneratorTest {};

TEST_P(MultiplicationSpreadTest, EveryAllowedProblemComesAboutEquallyOften) {
    std::map<std::pair<int, int>, int> allowed;
    for (int md = 10; md <= 58; ++md) {
        for (int mt = 2; mt <= 9; ++mt) {
            if (g.accepted(md, mt)) allowed[{md, mt}] = 0;
        }
    }
    const int perProblem = 100;
    for (int i = 0; i < perProblem * int(allowed.size()); ++i) {
        Problem p = ask();
        auto it = allowed.find({p.upper, p.lower});
        ASSERT_NE(it, allowed.end()) << p.upper << " x " << p.lower;
        ++it->second;
    }
    for (auto [problem, count] : allowed) {
        EXPECT_GT(count, perProblem / 2) << problem.first << " x " << problem.second;
        EXPECT_LT(count, perProblem * 3 / 2) << problem.first << " x " << problem.second;
    }
}

INSTANTIATE_TEST_SUITE_P(Columns, MultiplicationSpreadTest, ::testing::Values(kGenerators[4], kGenerators[5]),
                         [](const auto& info) { return std::string(info.param.form); });

// The addition and subtraction screens have too many problems to count each
// one; the tens digits of the two numbers are counted instead. A pair drawn
// again as a whole gives each tens digit its share of the allowed pairs (on
// Form5 a larger minuend allows more subtrahends and comes more often); a
// pair where only one number is drawn again would flatten those shares.
class ColumnSpreadTest : public GeneratorTest {};

TEST_P(ColumnSpreadTest, EachTensDigitComesWithItsShareOfTheAllowedProblems) {
    std::map<int, double> upperShare, lowerShare;
    int pairs = 0;
    for (int upper = 10; upper <= 99; ++upper) {
        for (int lower = 1; lower <= 99; ++lower) {
            if (!g.accepted(upper, lower)) continue;
            ++pairs;
            upperShare[upper / 10] += 1;
            lowerShare[lower / 10] += 1;
        }
    }
    const int asked = 12000;
    std::map<int, int> upperCount, lowerCount;
    for (int i = 0; i < asked; ++i) {
        Problem p = ask();
        ++upperCount[p.upper / 10];
        ++lowerCount[p.lower / 10];
        finish();
    }
    auto expectShares = [&](const char* row, const std::map<int, double>& share, std::map<int, int>& count) {
        for (auto [digit, allowed] : share) {
            double expected = asked * allowed / pairs;
            double slack = std::max(0.15 * expected, 5 * std::sqrt(expected));
            EXPECT_NEAR(count[digit], expected, slack) << row << " tens digit " << digit;
        }
    };
    expectShares("upper", upperShare, upperCount);
    expectShares("lower", lowerShare, lowerCount);
}

INSTANTIATE_TEST_SUITE_P(Columns, ColumnSpreadTest,
                         ::testing::Values(kGenerators[0], kGenerators[1], kGenerators[2], kGenerators[3]),
                         [](const auto& info) { return std::string(info.param.form); });

}  // namespace
