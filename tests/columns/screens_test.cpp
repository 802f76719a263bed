// The six column screens as a child meets them: into the screen from the
// menu, a problem read off the board, the answer typed digit by digit, the
// faces, colours and the score. One table holds what the screens share, with
// a column for each point where they differ.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "app/program.h"
#include "columns/addition.h"
#include "columns/multiplication.h"
#include "columns/subtraction.h"
#include "ui/driver.h"
#include "ui/text.h"

namespace {

using ui::key::kBackspace;
using ui::key::kShift;

enum class Op { Plus, Minus, Times };

struct ColumnScreen {
    const char* form;
    const char* menuEntry;
    const char* caption;
    Op op;
    // Cells of the board: the upper number's tens and units, the lower
    // number's tens (none on multiplication) and units.
    const char* upperTens;
    const char* upperUnits;
    const char* lowerTens;
    const char* lowerUnits;
    const char* unitsBox;
    const char* tensBox;
    const char* newProblem;
    const char* exit;
    const char* back;
    // Where the screens differ.
    struct {
        bool emptyReadsZero;          // an empty box is read as 0
        bool attemptsArePresses;      // attempts are key presses, not key releases
        bool tensOpensOnPress;        // the first key pressed in the units box opens the tens box
        bool tensStaysOpen;           // a new problem leaves the tens box as it was
        bool newProblemWaitsForTens;  // no new problem before a key in the tens box
        bool rightTensReturnsFocus;   // a right tens digit sends the focus back to the units box
        bool wrongProblemsShown;      // the score labels show problems with a wrong first attempt
        bool hundredthRestartsEsatti;
        bool unitsCanBeZero;  // some problem expects 0 in the units box
    } has;
};

void PrintTo(const ColumnScreen& screen, std::ostream* os) {
    *os << screen.form;
}

// Cells and controls by name; then, for each difference, whether the
// screen has it.
const ColumnScreen kScreens[] = {
    {"Form4",
     "Label5",
     "tevo - Aritmetica cl. II     ADDIZIONI IN COLONNA SENZA CAMBIO  ( entro 99 )",
     Op::Plus,
     "Label3",
     "Label11",
     "Label12",
     "Label13",
     "Text6",
     "Text5",
     "Label6",
     "Label9",
     "Image5",
     {.emptyReadsZero = true,
      .attemptsArePresses = false,
      .tensOpensOnPress = true,
      .tensStaysOpen = false,
      .newProblemWaitsForTens = true,
      .rightTensReturnsFocus = true,
      .wrongProblemsShown = true,
      .hundredthRestartsEsatti = false,
      .unitsCanBeZero = true}},
    {"Form6",
     "Label7",
     "tevo - Aritmetica cl. II     ADDIZIONI IN COLONNA CON CAMBIO  ( entro 99 )",
     Op::Plus,
     "Label10",
     "Label11",
     "Label12",
     "Label13",
     "Text6",
     "Text5",
     "Label6",
     "Label9",
     "Image4",
     {.emptyReadsZero = true,
      .attemptsArePresses = false,
      .tensOpensOnPress = true,
      .tensStaysOpen = false,
      .newProblemWaitsForTens = true,
      .rightTensReturnsFocus = true,
      .wrongProblemsShown = true,
      .hundredthRestartsEsatti = false,
      .unitsCanBeZero = true}},
    {"Form5",
     "Label6",
     "tevo - Aritmetica cl. II     SOTTRAZIONI IN COLONNA SENZA CAMBIO  ( entro 99 )",
     Op::Minus,
     "Label16",
     "Label10",
     "Label12",
     "Label13",
     "Text6",
     "Text5",
     "Label8",
     "Label9",
     "Image4",
     {.emptyReadsZero = true,
      .attemptsArePresses = false,
      .tensOpensOnPress = false,
      .tensStaysOpen = true,
      .newProblemWaitsForTens = true,
      .rightTensReturnsFocus = true,
      .wrongProblemsShown = true,
      .hundredthRestartsEsatti = true,
      .unitsCanBeZero = true}},
    // A borrow always leaves a units digit from 1 to 9.
    {"Form7",
     "Label8",
     "tevo - Aritmetica cl. II     SOTTRAZIONI IN COLONNA CON CAMBIO  ( entro 99 )",
     Op::Minus,
     "Label3",
     "Label11",
     "Label12",
     "Label13",
     "Text6",
     "Text5",
     "Label8",
     "Label9",
     "Image4",
     {.emptyReadsZero = true,
      .attemptsArePresses = false,
      .tensOpensOnPress = true,
      .tensStaysOpen = false,
      .newProblemWaitsForTens = true,
      .rightTensReturnsFocus = true,
      .wrongProblemsShown = true,
      .hundredthRestartsEsatti = true,
      .unitsCanBeZero = false}},
    {"Form9",
     "Label10",
     "tevo - Aritmetica cl. II     MOLTIPLICAZIONE IN COLONNA SENZA CAMBIO  ( entro 99 )",
     Op::Times,
     "Label8",
     "Label9",
     nullptr,
     "Label10",
     "Text4",
     "Text5",
     "Label11",
     "Label12",
     "Image4",
     {.emptyReadsZero = false,
      .attemptsArePresses = true,
      .tensOpensOnPress = true,
      .tensStaysOpen = false,
      .newProblemWaitsForTens = false,
      .rightTensReturnsFocus = false,
      .wrongProblemsShown = false,
      .hundredthRestartsEsatti = false,
      .unitsCanBeZero = true}},
    {"Form10",
     "Label11",
     "tevo - Aritmetica cl. II     MOLTIPLICAZIONE IN COLONNA CON CAMBIO  (prodotto entro 99 )",
     Op::Times,
     "Label8",
     "Label9",
     nullptr,
     "Label10",
     "Text4",
     "Text5",
     "Label11",
     "Label12",
     "Image5",
     {.emptyReadsZero = false,
      .attemptsArePresses = true,
      .tensOpensOnPress = true,
      .tensStaysOpen = false,
      .newProblemWaitsForTens = false,
      .rightTensReturnsFocus = false,
      .wrongProblemsShown = false,
      .hundredthRestartsEsatti = true,
      .unitsCanBeZero = true}},
};

class ColumnScreenTest : public ::testing::TestWithParam<ColumnScreen> {
  protected:
    const ColumnScreen& s = GetParam();
    ui::Driver d;
    double clock = 36000.25;

    void SetUp() override {
        d.start(app::startProgram);
        d.click("Label2");
        d.click(s.menuEntry);
        ASSERT_EQ(d.front().formName(), s.form);
    }

    frame::ExerciseFrame& screen() { return dynamic_cast<frame::ExerciseFrame&>(d.front()); }
    ui::TextBox& box(const char* name) { return static_cast<ui::TextBox&>(d.control(name)); }
    ui::TextBox& units() { return box(s.unitsBox); }
    ui::TextBox& tens() { return box(s.tensBox); }
    std::string caption(const char* name) { return name ? d.text(name) : std::string(); }
    bool visible(const char* name) { return d.control(name).visible; }

    void ask() {
        d.setClock(clock);
        clock += 1.37;
        d.click(s.newProblem);
    }

    // The answer as the child works it out from the board.
    int result() {
        int upper = int(ui::readNumber(caption(s.upperTens) + caption(s.upperUnits)));
        int lower = int(ui::readNumber(caption(s.lowerTens) + caption(s.lowerUnits)));
        switch (s.op) {
            case Op::Plus:
                return upper + lower;
            case Op::Minus:
                return upper - lower;
            case Op::Times:
                return upper * lower;
        }
        return -1;
    }
    std::string unitsDigit() { return std::to_string(result() % 10); }
    std::string tensDigit() { return std::to_string(result() / 10); }
    std::string wrong(const std::string& digit) { return std::to_string((std::stoi(digit) + 1) % 10); }

    void answer(const std::string& unitsText, const std::string& tensText) {
        d.click(s.unitsBox);
        d.type(unitsText);
        d.click(s.tensBox);
        d.type(tensText);
    }
    void answerRight() { answer(unitsDigit(), tensDigit()); }

    // Asks problems, finishing each one, until the board shows one the
    // predicate likes.
    void askUntil(const std::function<bool()>& wanted) {
        for (int i = 0; i < 2000; ++i) {
            ask();
            if (wanted()) return;
            answerRight();
        }
        FAIL() << "no such problem in 2000";
    }

    void expectFace(const char* face) {
        EXPECT_EQ(visible("Image1"), std::string(face) == "neutral");
        EXPECT_EQ(visible("Image2"), std::string(face) == "happy");
        EXPECT_EQ(visible("Image3"), std::string(face) == "sad");
    }
    void expectScore(const char* esatti, const char* su) {
        EXPECT_EQ(d.text("Label15"), esatti);
        EXPECT_EQ(d.text("Label19"), su);
    }
};

TEST_P(ColumnScreenTest, TheMenuEntryOpensTheScreenWithNothingJudgedYet) {
    EXPECT_EQ(d.loadedScreens(), std::vector<std::string>{s.form});
    EXPECT_EQ(d.front().caption, s.caption);
    expectFace("none");
    expectScore("", "");
    EXPECT_EQ(d.text("Label14"), "ESATTI");
    EXPECT_EQ(d.text("Label18"), "SU");
    EXPECT_FALSE(units().enabled);
    EXPECT_FALSE(tens().enabled);
    EXPECT_EQ(d.control(s.newProblem).toolTip, "DAMMI I NUMERI");
    EXPECT_EQ(d.control(s.exit).toolTip, "ESCI");
    EXPECT_EQ(d.control(s.back).toolTip, "TORNA A MENU");
}

TEST_P(ColumnScreenTest, EachDigitStandsInItsColumnOverItsAnswerBox) {
    auto centre = [&](const char* name) {
        const ui::Control& c = d.control(name);
        return c.left + c.width / 2;
    };
    auto within = [&](int x, const ui::Control& c) { return x >= c.left && x < c.left + c.width; };
    for (const char* cell : {s.upperTens, s.lowerTens}) {
        if (cell) {
            EXPECT_TRUE(within(centre(cell), tens())) << cell;
        }
    }
    for (const char* cell : {s.upperUnits, s.lowerUnits}) EXPECT_TRUE(within(centre(cell), units())) << cell;
    // The lower row lies under the upper one, and the boxes under both.
    EXPECT_GE(d.control(s.lowerUnits).top, d.control(s.upperUnits).top + 1095);
    EXPECT_GE(units().top, d.control(s.lowerUnits).top + 1095 - 120);
    EXPECT_EQ(units().top, tens().top);
    EXPECT_LT(units().tabIndex, tens().tabIndex);
}

TEST_P(ColumnScreenTest, AskingAProblemShowsItAndOpensOnlyTheUnitsBox) {
    ask();
    expectFace("neutral");
    EXPECT_TRUE(units().enabled);
    EXPECT_FALSE(tens().enabled);
    EXPECT_EQ(d.focusedName(), "");  // the child clicks the units box first
    EXPECT_EQ(ui::textLength(caption(s.upperTens)), 1);
    EXPECT_EQ(ui::textLength(caption(s.upperUnits)), 1);
    EXPECT_EQ(ui::textLength(caption(s.lowerUnits)), 1);
    EXPECT_GE(result(), 0);
    EXPECT_LE(result(), 99);
    EXPECT_EQ(screen().esercizio, 1);
}

TEST_P(ColumnScreenTest, ARightAnswerDigitByDigit) {
    ask();
    d.click(s.unitsBox);
    d.type(unitsDigit());
    EXPECT_EQ(units().text, unitsDigit());
    EXPECT_EQ(units().foreColor, ui::kWhite);
    expectFace("happy");
    EXPECT_EQ(d.focusedName(), s.tensBox);
    EXPECT_TRUE(tens().text.empty());  // the move itself typed nothing there

    d.type(tensDigit());
    EXPECT_EQ(tens().foreColor, ui::kWhite);
    expectFace("happy");
    EXPECT_EQ(d.focusedName(), s.has.rightTensReturnsFocus ? s.unitsBox : s.tensBox);
    expectScore("1", "1");
}

TEST_P(ColumnScreenTest, OnlyTheFirstAttemptMovesTheScore) {
    ask();
    d.click(s.unitsBox);
    d.type(wrong(unitsDigit()));
    EXPECT_EQ(units().foreColor, ui::kRed);
    expectFace("sad");
    EXPECT_EQ(d.focusedName(), s.unitsBox);

    // Corrected: white and happy, but the problem stays wrong.
    d.type(unitsDigit());
    EXPECT_EQ(units().text, unitsDigit());
    EXPECT_EQ(units().foreColor, ui::kWhite);
    expectFace("happy");
    d.type(tensDigit());
    EXPECT_EQ(tens().foreColor, ui::kWhite);
    if (s.has.wrongProblemsShown) {
        expectScore("0", "1");
    } else {
        expectScore("", "");
    }
    EXPECT_EQ(screen().esatto, 0);
    EXPECT_EQ(screen().errato, 1);

    // A wrong tens digit spoils a right units digit too, and colours only
    // its own box.
    ask();
    d.click(s.unitsBox);
    d.type(unitsDigit());
    d.type(wrong(tensDigit()));
    EXPECT_EQ(units().foreColor, ui::kWhite);
    EXPECT_EQ(tens().foreColor, ui::kRed);
    expectFace("sad");
    EXPECT_EQ(d.focusedName(), s.tensBox);
    d.type(tensDigit());
    EXPECT_EQ(tens().foreColor, ui::kWhite);
    if (s.has.wrongProblemsShown) expectScore("0", "2");
    EXPECT_EQ(screen().esatto, 0);
    EXPECT_EQ(screen().errato, 2);

    ask();
    answerRight();
    expectScore("1", "3");
}

TEST_P(ColumnScreenTest, TheTensBoxOpensWithTheFirstKeyInTheUnitsBox) {
    ask();
    d.click(s.unitsBox);
    d.onFront().press('7', U'7');
    EXPECT_EQ(tens().enabled, s.has.tensOpensOnPress);
    d.onFront().release('7');
    EXPECT_TRUE(tens().enabled);
}

TEST_P(ColumnScreenTest, ANewProblemWaitsForAKeyInTheTensBoxWhereTheScreenSaysSo) {
    ask();
    std::string upper = caption(s.upperTens) + caption(s.upperUnits);
    d.click(s.unitsBox);
    d.type(unitsDigit());
    ask();
    if (s.has.newProblemWaitsForTens) {
        EXPECT_EQ(screen().esercizio, 1);
        EXPECT_EQ(caption(s.upperTens) + caption(s.upperUnits), upper);
        EXPECT_TRUE(tens().enabled);
        d.click(s.tensBox);
        d.key(kShift);
        ask();
    }
    EXPECT_EQ(screen().esercizio, 2);
    EXPECT_EQ(tens().enabled, s.has.tensStaysOpen);
    // The focus was in the tens box; disabled by the new problem, it hands
    // the focus to the units box.
    EXPECT_EQ(d.focusedName(), s.has.tensStaysOpen ? s.tensBox : s.unitsBox);
    expectFace("neutral");
    EXPECT_TRUE(units().text.empty());
    EXPECT_TRUE(tens().text.empty());
}

TEST_P(ColumnScreenTest, ShiftReleasedInTheEmptyUnitsBox) {
    // Expecting a digit other than 0, the empty box is wrong; it is the first
    // attempt where attempts are key releases, and no attempt where they are
    // key presses.
    askUntil([&] { return unitsDigit() != "0"; });
    int before = screen().esatto;
    d.click(s.unitsBox);
    d.key(kShift);
    EXPECT_EQ(units().foreColor, ui::kRed);
    expectFace("sad");
    d.type(unitsDigit());
    d.click(s.tensBox);
    d.type(tensDigit());
    EXPECT_EQ(screen().esatto, before + (s.has.attemptsArePresses ? 1 : 0));
    if (!s.has.unitsCanBeZero) return;

    // Expecting 0, the empty box is right where it reads as 0, and never on
    // the screens that compare texts.
    askUntil([&] { return unitsDigit() == "0"; });
    before = screen().esatto;
    d.click(s.unitsBox);
    d.key(kShift);
    EXPECT_EQ(units().foreColor, s.has.emptyReadsZero ? ui::kWhite : ui::kRed);
    expectFace(s.has.emptyReadsZero ? "happy" : "sad");
    d.click(s.unitsBox);
    d.type("0");
    d.click(s.tensBox);
    d.type(tensDigit());
    EXPECT_EQ(screen().esatto, before + 1);
}

TEST_P(ColumnScreenTest, ALetterTypedOverADigitEmptiesTheBox) {
    ask();
    d.click(s.unitsBox);
    d.type(wrong(unitsDigit()));
    d.type("x");
    EXPECT_EQ(units().text, "");
    d.type("34");
    EXPECT_EQ(units().text, "4");

    // The tens box keeps one digit by the same rule (wrong digits, so that
    // the focus stays there).
    std::string first = wrong(tensDigit()), second = wrong(first);
    d.click(s.tensBox);
    d.type(first);
    EXPECT_EQ(tens().text, first);
    d.type("x");
    EXPECT_EQ(tens().text, "");
    d.type(first + second);
    EXPECT_EQ(tens().text, second);
    EXPECT_EQ(d.focusedName(), s.tensBox);
}

TEST_P(ColumnScreenTest, BackToTheMenuAndANewVisitStartTheScoreAgain) {
    for (int i = 0; i < 3; ++i) {
        ask();
        answerRight();
    }
    expectScore("3", "3");
    d.click(s.back);
    EXPECT_EQ(d.loadedScreens(), std::vector<std::string>{"Form1"});

    d.click(s.menuEntry);
    expectFace("none");
    expectScore("", "");
    EXPECT_FALSE(units().enabled);
    EXPECT_EQ(units().foreColor, ui::kWhite);
    EXPECT_EQ(screen().esercizio, 0);
    ask();
    answerRight();
    expectScore("1", "1");
}

TEST_P(ColumnScreenTest, TheEraserEndsTheProgram) {
    ask();
    d.click(s.exit);
    EXPECT_TRUE(d.ended());
}

TEST_P(ColumnScreenTest, TheHundredthProblemIsProblemZero) {
    for (int i = 0; i < 99; ++i) {
        ask();
        answerRight();
    }
    expectScore("99", "99");
    ask();
    EXPECT_EQ(screen().esercizio, 0);
    answerRight();
    expectScore(s.has.hundredthRestartsEsatti ? "1" : "100", "0");
}

INSTANTIATE_TEST_SUITE_P(Columns, ColumnScreenTest, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string(info.param.form); });

}  // namespace
