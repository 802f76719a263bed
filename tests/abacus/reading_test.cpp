// Reading the abacus: the ranges and their draws, the beads shown, the digit
// boxes that open for the size of the number, and the words judged at every
// key.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "abacus/reading.h"
#include "ui/driver.h"
#include "ui/keys.h"

namespace {

using abacus::Form15;

// The range labels and the range each chooses.
const std::map<std::string, int> kRanges = {
    {"Label6", 10},  {"Label7", 20},  {"Label10", 30}, {"Label11", 40},  {"Label12", 50},  {"Label13", 60},
    {"Label14", 70}, {"Label15", 80}, {"Label17", 90}, {"Label16", 100}, {"Label18", 1000}};

class ReadingTest : public ::testing::Test {
  protected:
    ui::Driver driver;
    Form15& form = driver.screen<Form15>();
    double clock = 30000.0;

    void SetUp() override { driver.show<Form15>(); }

    // Chooses the range and asks the computer for a number.
    void ask(const std::string& range) {
        clock += 1.37;
        driver.setClock(clock);
        driver.click(range);
        driver.click("Image1");
    }
    // Asks until the number given satisfies the wish.
    void askFor(const std::string& range, const std::function<bool(int)>& wish) {
        for (int attempt = 0; attempt < 50000; ++attempt) {
            ask(range);
            if (wish(number())) return;
        }
        FAIL() << "no such number came in range " << range;
    }
    void askFor(int wanted) {
        askFor(wanted < 100 ? "Label16" : "Label18", [wanted](int n) { return n == wanted; });
    }
    int number() const { return static_cast<int>(form.n); }

    // How many beads of a rod show; -1 when they are not the lowest ones.
    template <std::size_t N>
    static int beadsShown(const std::array<ui::Shape*, N>& rod) {
        int shown = 0;
        while (shown < int(N) && rod[std::size_t(shown)]->visible) ++shown;
        for (std::size_t i = std::size_t(shown); i < N; ++i) {
            if (rod[i]->visible) return -1;
        }
        return shown;
    }

    std::string face() {
        std::string shown;
        if (form.Image2.visible) shown += "sad";
        if (form.Image3.visible) shown += "happy";
        if (form.Image4.visible) shown += "neutral";
        return shown;
    }
    void typeIn(const char* box, std::string_view text) {
        driver.click(box);
        driver.type(text);
    }
    std::string openBoxes() {
        std::string open;
        for (const char* box : {"Text4", "Text5", "Text2", "Text3", "Text1"}) {
            if (driver.control(box).enabled) open += std::string(box) + " ";
        }
        return open;
    }
};

TEST_F(ReadingTest, AtLoadNothingCanBeAskedBeforeARangeIsChosen) {
    EXPECT_EQ(face(), "neutral");
    EXPECT_EQ(openBoxes(), "");
    driver.click("Image1");
    EXPECT_EQ(beadsShown(form.perleu) + beadsShown(form.perleda) + beadsShown(form.perleh), 0);
    EXPECT_EQ(openBoxes(), "");
    for (const auto& [label, value] : kRanges) EXPECT_EQ(driver.control(label).borderStyle, 0) << label;
}

TEST_F(ReadingTest, ARangeClickFramesOnlyItsLabelAndLeavesTheAbacusAlone) {
    askFor("Label16", [](int n) { return n >= 10; });
    driver.click("Text3");
    driver.type("4");
    std::string typed = driver.text("Text3");
    int units = beadsShown(form.perleu);

    driver.click("Label13");
    EXPECT_EQ(form.limite, 60);
    EXPECT_TRUE(form.Image1.enabled);
    for (const auto& [label, value] : kRanges) {
        EXPECT_EQ(driver.control(label).borderStyle, label == "Label13" ? 1 : 0) << label;
    }
    EXPECT_EQ(driver.text("Text3"), typed);
    EXPECT_EQ(beadsShown(form.perleu), units);
}

// Every row of the range selector, many clock readings each: every number
// below the range comes, with the range 90 giving units 9 as well, and the
// beads shown are the digits, stacked from the lowest position.
TEST_F(ReadingTest, EveryRangeBelow1000GivesEveryNumberBelowItAsBeads) {
    for (const auto& [label, limite] : kRanges) {
        if (limite == 1000) continue;
        SCOPED_TRACE(label);
        std::set<int> given;
        for (int i = 0; i < 1500; ++i) {
            ask(label);
            int n = number();
            ASSERT_GE(n, 0);
            ASSERT_LT(n, limite);
            given.insert(n);
            ASSERT_EQ(beadsShown(form.perleu), n % 10);
            ASSERT_EQ(beadsShown(form.perleda), n / 10);
            ASSERT_EQ(beadsShown(form.perleh), 0);
            ASSERT_FALSE(form.Shape28.visible);
        }
        EXPECT_EQ(given.size(), std::size_t(limite));
    }
}

TEST_F(ReadingTest, TheRange1000GivesEveryDigitAnd1000OnceInNine) {
    std::set<int> units, tens, hundreds;
    int thousands = 0;
    const int asks = 4500;
    for (int i = 0; i < asks; ++i) {
        ask("Label18");
        int n = number();
        ASSERT_LE(n, 1000);
        ASSERT_EQ(beadsShown(form.perleu), n % 10);
        ASSERT_EQ(beadsShown(form.perleda), n / 10 % 10);
        ASSERT_EQ(beadsShown(form.perleh), n / 100 % 10);
        ASSERT_EQ(form.Shape28.visible, n == 1000);
        units.insert(n % 10);
        tens.insert(n / 10 % 10);
        hundreds.insert(n / 100 % 10);
        if (n == 1000) ++thousands;
    }
    EXPECT_EQ(units.size(), 10u);
    EXPECT_EQ(tens.size(), 10u);
    EXPECT_EQ(hundreds.size(), 10u);
    // One in nine of 4500 is 500.
    EXPECT_GT(thousands, 400);
    EXPECT_LT(thousands, 600);
}

TEST_F(ReadingTest, TheBeadsStandOnTheirRodsFromTheBottomUp) {
    askFor(999);
    EXPECT_EQ(form.perleu[0]->top, 5040);
    EXPECT_EQ(form.perleu[8]->top, 1200);
    EXPECT_EQ(form.perleu[0]->left, 7200);
    EXPECT_EQ(form.perleda[0]->left, 6120);
    EXPECT_EQ(form.perleh[0]->left, 5040);
    EXPECT_EQ(form.perlek[0]->left, 3960);
    EXPECT_EQ(form.perleu[0]->fillColor, 0x0000ffu);
    EXPECT_EQ(form.perleda[0]->fillColor, 0xff0000u);
    EXPECT_EQ(form.perleh[0]->fillColor, 0x00c000u);
    EXPECT_EQ(form.perlek[0]->fillColor, 0xffff00u);
}

// The boxes opened by the size of the number, and the box whose key release
// opens the words box: the box of the highest place (for 1000 also the
// hundreds box).
TEST_F(ReadingTest, TheDigitBoxesOpenByTheSizeOfTheNumber) {
    struct Case {
        const char* what;
        const char* range;
        std::function<bool(int)> wish;
        const char* open;
        std::set<std::string> opensWords;
    };
    const Case cases[] = {
        {"units", "Label6", [](int n) { return n < 10; }, "Text3 ", {"Text3"}},
        {"tens", "Label16", [](int n) { return n >= 10; }, "Text2 Text3 ", {"Text2"}},
        {"hundreds", "Label18", [](int n) { return n >= 100 && n < 1000; }, "Text5 Text2 Text3 ", {"Text5"}},
        {"thousand",
         "Label18",
         [](int n) { return n == 1000; },
         "Text4 Text5 Text2 Text3 ",
         {"Text4", "Text5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* box : {"Text3", "Text2", "Text5", "Text4"}) {
            askFor(c.range, c.wish);
            ASSERT_EQ(openBoxes(), c.open);
            if (!driver.control(box).enabled) continue;
            typeIn(box, "7");
            EXPECT_EQ(driver.control("Text1").enabled, c.opensWords.count(box) == 1) << box;
        }
    }
}

TEST_F(ReadingTest, EachDigitBoxJudgesItsPlaceAtEveryKeyRelease) {
    askFor(1000);
    EXPECT_EQ(form.u + form.da + form.h, 0);
    typeIn("Text4", "1");
    EXPECT_EQ(face(), "happy");
    for (const char* box : {"Text5", "Text2", "Text3"}) {
        typeIn(box, "0");
        EXPECT_EQ(face(), "happy") << box;
        driver.type("1");  // replaces the 0
        EXPECT_EQ(driver.text(box), "1");
        EXPECT_EQ(face(), "sad") << box;
    }
    driver.click("Text3");
    EXPECT_EQ(face(), "neutral");
}

TEST_F(ReadingTest, TabRunsFromTheUnitsToTheWordsToTheThousands) {
    askFor(1000);
    typeIn("Text4", "1");  // opens the words box
    ASSERT_TRUE(driver.control("Text1").enabled);
    driver.click("Text3");
    std::vector<std::string> order{driver.focusedName()};
    for (int i = 0; i < 5; ++i) {
        driver.onFront().tab();
        order.push_back(driver.focusedName());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Text3", "Text2", "Text1", "Text5", "Text4", "Text3"}));

    // A click in the words box puts the verdict away.
    typeIn("Text3", "5");
    ASSERT_EQ(face(), "sad");
    driver.click("Text1");
    EXPECT_EQ(face(), "neutral");
}

// The screen never moves the focus itself: a new number closes every box,
// the one the child was typing in too, and the boxes it opens again wait for
// a click, so a digit typed at once reaches no box.
TEST_F(ReadingTest, ANewNumberLeavesTheFocusInNoBox) {
    for (const char* box : {"Text3", "Text2", "Text5", "Text1"}) {
        SCOPED_TRACE(box);
        askFor("Label18", [](int n) { return n >= 100 && n < 1000; });
        typeIn("Text5", "1");  // opens the words box
        typeIn(box, "1");
        ask("Label18");
        EXPECT_EQ(driver.focusedName(), "");
        driver.type("7");
        for (const char* any : {"Text1", "Text2", "Text3", "Text4", "Text5"}) EXPECT_EQ(driver.text(any), "");
    }
}

TEST_F(ReadingTest, ALetterEmptiesADigitBoxWhichIsThenJudgedAsZero) {
    askFor(305);
    typeIn("Text2", "4");
    EXPECT_EQ(face(), "sad");
    driver.type("x");
    EXPECT_EQ(driver.text("Text2"), "");
    EXPECT_EQ(face(), "happy");  // the tens of 305 are 0
    typeIn("Text3", "5");
    driver.type("x");
    EXPECT_EQ(face(), "sad");
}

TEST_F(ReadingTest, ADrawOfZeroShowsNoBeadAndIsReadAsZERO) {
    askFor("Label6", [](int n) { return n == 0; });
    EXPECT_EQ(beadsShown(form.perleu), 0);
    EXPECT_EQ(openBoxes(), "Text3 ");
    typeIn("Text3", "0");
    EXPECT_EQ(face(), "happy");
    EXPECT_TRUE(form.Text1.enabled);
    typeIn("Text1", "ZERO");
    EXPECT_EQ(face(), "happy");
    EXPECT_TRUE(form.Image1.enabled);
}

TEST_F(ReadingTest, TheWordsBoxExpectsTheWordOfTheNumber) {
    struct Case {
        int number;
        const char* opener;  // the box of the highest place
        const char* word;
    };
    for (Case c : {Case{108, "Text5", "CENTOOTTO"}, Case{180, "Text5", "CENTOTTANTA"},
                   Case{1000, "Text4", "MILLE"}, Case{21, "Text2", "VENTUNO"}}) {
        SCOPED_TRACE(c.word);
        askFor(c.number);
        typeIn(c.opener, "9");
        std::string word = c.word;
        driver.click("Text1");
        driver.type(word.substr(0, word.size() - 1));
        EXPECT_EQ(face(), "neutral");
        EXPECT_FALSE(form.Image1.enabled);
        driver.type(word.substr(word.size() - 1));
        EXPECT_EQ(face(), "happy");
        EXPECT_TRUE(form.Image1.enabled);
    }
}

TEST_F(ReadingTest, LowerCaseLettersBecomeCapitalsAsTheyAreTyped) {
    askFor(102);
    typeIn("Text5", "1");
    typeIn("Text1", "centodue");
    EXPECT_EQ(driver.text("Text1"), "CENTODUE");
    EXPECT_EQ(face(), "happy");
}

TEST_F(ReadingTest, AWrongWordOfTheRightLengthOrAnyLongerTextIsWrong) {
    askFor(108);
    typeIn("Text5", "1");
    typeIn("Text1", "CENTOOTTA");
    EXPECT_EQ(face(), "sad");
    driver.key(ui::key::kBackspace);
    EXPECT_EQ(face(), "neutral");  // a shorter text is not judged yet
    driver.type("O");
    EXPECT_EQ(face(), "happy");
    // A right word leaves the boxes open: typing on judges again.
    driver.type("X");
    EXPECT_EQ(face(), "sad");
    EXPECT_TRUE(form.Text1.enabled);
    EXPECT_TRUE(form.Image1.enabled);
}

TEST_F(ReadingTest, ComingBackKeepsTheRangeAndTheNumberButStartsAsLaidOut) {
    askFor(1000);
    typeIn("Text4", "1");
    driver.click("Image5");
    EXPECT_EQ(driver.loadedScreens(), std::vector<std::string>{"Form20"});
    driver.click("Image12");
    EXPECT_EQ(form.limite, 1000);
    EXPECT_EQ(form.n, 1000);
    EXPECT_FALSE(form.Image1.enabled);
    EXPECT_FALSE(form.Shape28.visible);
    EXPECT_EQ(openBoxes(), "");
    EXPECT_EQ(driver.text("Text4"), "");
    EXPECT_EQ(driver.control("Label18").borderStyle, 0);
}

}  // namespace
