// Where one column screen's answer boxes depart from the others: the
// addition screens score on any key in the tens box, the subtraction screen
// without borrow keeps its tens box open, the multiplication screens count
// key presses and compare texts.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "columns/addition.h"
#include "columns/multiplication.h"
#include "columns/subtraction.h"
#include "ui/driver.h"

namespace {

using ui::key::kBackspace;
using ui::key::kShift;

template <class Form>
class ColumnsTest : public ::testing::Test {
  protected:
    ui::Driver d;
    Form& f = d.screen<Form>();
    double clock = 50000.5;

    void SetUp() override { d.show<Form>(); }

    void ask(const char* hotspot) {
        d.setClock(clock);
        clock += 0.913;
        d.click(hotspot);
    }
    // Asks problems, finishing each one with whatever keys, until one
    // pleases the predicate.
    void askUntil(const char* hotspot, const char* unitsBox, const char* tensBox,
                  const std::function<bool()>& wanted) {
        for (int i = 0; i < 3000; ++i) {
            ask(hotspot);
            if (wanted()) return;
            d.click(unitsBox);
            d.type("0");
            d.click(tensBox);
            d.key(kShift);
        }
        FAIL() << "no such problem in 3000";
    }
    bool visible(const char* name) { return d.control(name).visible; }
    bool happy() { return visible("Image2") && !visible("Image3"); }
    bool sad() { return visible("Image3") && !visible("Image2"); }
};

// Addition, and the screens that judge on every key released.

using AdditionTest = ColumnsTest<columns::Form4>;

TEST_F(AdditionTest, TheFirstKeyReleasedInTheTensBoxScoresTheProblemEvenBackspace) {
    ask("Label6");
    d.click("Text6");
    d.type(f.us.text());
    EXPECT_EQ(d.focusedName(), "Text5");
    d.key(kBackspace);  // the empty box reads 0, and the tens of a sum are never 0 here
    EXPECT_EQ(f.Text5.foreColor, ui::kRed);
    EXPECT_TRUE(sad());
    EXPECT_EQ(d.text("Label15"), "0");
    EXPECT_EQ(d.text("Label19"), "1");
    EXPECT_TRUE(f.Label6.enabled);

    d.type(f.das.text());
    EXPECT_EQ(f.Text5.foreColor, ui::kWhite);
    EXPECT_TRUE(happy());
    EXPECT_EQ(f.esatto, 0);
    EXPECT_EQ(f.errato, 1);
    EXPECT_EQ(d.text("Label15"), "0");
}

TEST_F(AdditionTest, ACorrectedUnitsDigitMovesOnButLeavesTheProblemWrong) {
    askUntil("Label6", "Text6", "Text5", [&] { return f.us.text() != "0"; });
    d.click("Text6");
    d.key(ui::key::kLeft);  // judged too: a release with nothing typed
    d.type(f.us.text());
    EXPECT_EQ(d.focusedName(), "Text5");
    EXPECT_EQ(f.esattou, 0);
    d.type(f.das.text());
    EXPECT_EQ(f.esattoda, 1);
    EXPECT_EQ(f.esatto, 0);
}

TEST(AdditionWithCarryTest, TheTensDigitIsThatOfTheTrueSumWithTheCarryShownNowhere) {
    ui::Driver d;
    columns::Form6& f = d.screen<columns::Form6>();
    d.show<columns::Form6>();
    d.click("Label6");
    int sum = int(f.pa.number() + f.sa.number());
    ASSERT_GT(std::stoi(f.upa.text()) + std::stoi(f.usa.text()), 9);
    EXPECT_EQ(d.text("Label10"), f.dapa.text());  // the tens cell of the upper row
    d.click("Text6");
    d.type(std::to_string(sum % 10));
    d.type(std::to_string(sum / 10));
    EXPECT_EQ(d.text("Label15"), "1");
}

// Subtraction without borrow.

class SubtractionTest : public ColumnsTest<columns::Form5> {
  protected:
    void askUntil(const std::function<bool()>& wanted) {
        ColumnsTest::askUntil("Label8", "Text6", "Text5", wanted);
    }
};

TEST_F(SubtractionTest, TheTensBoxOpensOnTheUnitsReleaseAndStaysOpenForTheVisit) {
    ask("Label8");
    EXPECT_FALSE(f.Text5.enabled);
    d.click("Text5");
    EXPECT_EQ(d.focusedName(), "");
    d.click("Text6");
    d.type(f.ur.text());
    d.type(f.dar.text());
    ask("Label8");
    EXPECT_TRUE(f.Text5.enabled);

    // From now on the tens digit can come first: the problem is scored on it,
    // with nothing judged in the units box yet.
    d.click("Text5");
    d.type(f.dar.text());
    EXPECT_EQ(f.Text5.foreColor, ui::kWhite);
    EXPECT_EQ(d.text("Label15"), "1");
    EXPECT_EQ(d.text("Label19"), "2");
    EXPECT_EQ(f.esatto, 1);
    EXPECT_EQ(f.errato, 0);
    EXPECT_EQ(d.focusedName(), "Text6");
    d.type(f.ur.text());
    EXPECT_EQ(d.text("Label15"), "1");

    // Back in the menu and here again, the tens box is closed once more.
    d.click("Image4");
    d.show<columns::Form5>();
    ask("Label8");
    EXPECT_FALSE(f.Text5.enabled);
}

TEST_F(SubtractionTest, EqualNumbersExpectZeroInBothBoxesAndEmptyBoxesReadZero) {
    askUntil([&] { return f.m.number() == f.s.number(); });
    EXPECT_EQ(d.text("Label16") + d.text("Label10"), d.text("Label12") + d.text("Label13"));
    d.click("Text6");
    d.key(kShift);
    EXPECT_TRUE(happy());
    EXPECT_EQ(d.focusedName(), "Text5");
    d.key(kShift);
    EXPECT_TRUE(happy());
    EXPECT_EQ(f.esattou, 1);
    EXPECT_EQ(f.esattoda, 1);
}

TEST_F(SubtractionTest, AOneDigitDifferenceExpectsZeroInTheTensBox) {
    askUntil([&] { return f.r.number() < 10 && f.r.number() > 0; });
    EXPECT_TRUE(f.dar.isNumber());
    d.click("Text6");
    d.type(f.ur.text());
    d.type("0");
    EXPECT_EQ(f.Text5.foreColor, ui::kWhite);
    EXPECT_EQ(f.esattoda, 1);
}

TEST_F(SubtractionTest, AOneDigitSubtrahendLeavesTheLowerTensCellEmpty) {
    askUntil([&] { return f.s.number() < 10; });
    EXPECT_EQ(d.text("Label12"), "");
    EXPECT_EQ(d.text("Label13"), f.s.text());
}

// Multiplication: attempts are key presses, answers are texts, and only
// right problems reach the score labels.

using MultiplicationTest = ColumnsTest<columns::Form9>;

TEST_F(MultiplicationTest, ADroppedKeyIsAnAttemptSoTheDigitAfterItCountsNoMore) {
    ask("Label11");
    d.click("Text4");
    d.type("x");
    EXPECT_TRUE(sad());
    EXPECT_EQ(f.erratou, 1);
    d.type(f.upt.text());
    EXPECT_TRUE(happy());
    EXPECT_EQ(d.focusedName(), "Text5");
    d.type(f.dapt.text());
    EXPECT_TRUE(happy());
    EXPECT_EQ(f.esattou, 0);
    EXPECT_EQ(f.esattoda, 1);
    EXPECT_EQ(d.text("Label15"), "");
    EXPECT_EQ(d.text("Label19"), "");
    EXPECT_EQ(f.errato, 1);
}

TEST_F(MultiplicationTest, BackspaceFirstInTheTensBoxJudgesNothingAndSpoilsTheProblem) {
    ask("Label11");
    d.click("Text4");
    d.type(f.upt.text());
    d.type(f.dapt.text() == "9" ? "1" : "9");
    ask("Label11");
    d.click("Text4");
    d.type(f.upt.text());
    EXPECT_EQ(f.Text5.foreColor, ui::kRed);  // as the last problem left it
    d.key(kBackspace);
    EXPECT_EQ(f.Text5.text, "");
    EXPECT_EQ(f.Text5.foreColor, ui::kRed);
    EXPECT_TRUE(happy());  // still the face of the units digit
    d.type(f.dapt.text());
    EXPECT_EQ(f.Text5.foreColor, ui::kWhite);
    EXPECT_EQ(f.conteggioda, 2);
    EXPECT_EQ(f.esatto, 0);
    EXPECT_EQ(d.text("Label15"), "");
}

TEST_F(MultiplicationTest, ShiftReleasedAgainAfterARightTensDigitDoesNotCountTheProblemTwice) {
    ask("Label11");
    d.click("Text4");
    d.type(f.upt.text());
    d.type(f.dapt.text());
    EXPECT_EQ(d.focusedName(), "Text5");
    d.key(kShift);
    d.key(ui::key::kRight);
    EXPECT_EQ(f.esattoda, 3);
    EXPECT_EQ(f.esatto, 1);
    EXPECT_EQ(d.text("Label15"), "1");
}

TEST_F(MultiplicationTest, AWrongProblemLeavesTheScoreOfTheLastRightOne) {
    ask("Label11");
    d.click("Text4");
    d.type(f.upt.text());
    d.type(f.dapt.text());
    ask("Label11");
    d.click("Text4");
    d.type(f.upt.text());
    d.type(f.dapt.text() == "9" ? "1" : "9");
    EXPECT_TRUE(sad());
    EXPECT_EQ(d.text("Label15"), "1");
    EXPECT_EQ(d.text("Label19"), "1");
    ask("Label11");
    d.click("Text4");
    d.type(f.upt.text());
    d.type(f.dapt.text());
    EXPECT_EQ(d.text("Label15"), "2");
    EXPECT_EQ(d.text("Label19"), "3");
}

TEST_F(MultiplicationTest, ANewProblemInTheMiddleDropsTheOldOneUnscored) {
    ask("Label11");
    d.click("Text4");
    d.type(f.upt.text());
    EXPECT_TRUE(f.Text5.enabled);
    ask("Label11");
    EXPECT_FALSE(f.Text5.enabled);
    EXPECT_EQ(d.focusedName(), "Text4");  // the closed tens box passed the focus on
    d.type(f.upt.text());
    d.type(f.dapt.text());
    EXPECT_EQ(d.text("Label15"), "1");
    EXPECT_EQ(d.text("Label19"), "2");
    EXPECT_EQ(f.errato, 0);
}

TEST_F(MultiplicationTest, TheCreditFooterGoesBackToTheMenuOnlyOnTheScreenWithoutCarry) {
    ask("Label11");
    d.click("Label16");
    EXPECT_EQ(d.loadedScreens(), std::vector<std::string>{"Form1"});
    EXPECT_EQ(f.esercizio, 0);

    ui::Driver other;
    other.show<columns::Form10>();
    other.click("Label7");
    EXPECT_EQ(other.loadedScreens(), std::vector<std::string>{"Form10"});
    other.click("Image5");
    EXPECT_EQ(other.loadedScreens(), std::vector<std::string>{"Form1"});
}

}  // namespace
