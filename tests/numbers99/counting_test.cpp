// "NUMERAZIONI": the random sequences, the chosen series run to the dialog
// and back, and the rules of the answer boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "numbers99/counting.h"
#include "numbers99/counting_dialog.h"
#include "tests/numbers99/child.h"

namespace {

using namespace numbers99::testing;
using numbers99::Form2;

std::string box(int k) {
    return "Text" + std::to_string(k);
}

// A text of the same length as the expected number that is not it.
std::string wrongFor(int expected) {
    return expected < 10 ? ui::numberText(static_cast<long long>((expected + 1) % 10))
                         : ui::numberText(static_cast<long long>(expected / 10 * 10 + (expected + 1) % 10));
}

class Counting : public ::testing::Test {
  protected:
    ui::Driver d;
    Form2& form = d.screen<Form2>();
    double clock = 36000;

    void SetUp() override { openFromMenu(d, "Label1"); }

    void chooseSeries(const std::string& limit, const std::string& step) {
        d.click("Label17");
        d.click("Text16");
        d.type(limit);
        d.click("Text15");
        d.type(step);
    }
    void request() {
        clock += 7.31;
        d.setClock(clock);
        d.click("Label6");
    }
    int visibleBoxes() {
        int shown = 0;
        for (int k = 2; k <= 10; ++k) shown += visible(d, box(k)) ? 1 : 0;
        return shown;
    }
    // The k-th number of the problem on the board, read from its heading.
    int expectedIn(int k) { return numberIn(d, "Label12") + (k - 1) * numberIn(d, "Label11"); }
    void answer(int k, const std::string& text) {
        d.click(box(k));
        d.type(text);
    }
    void answerRight(int k) { answer(k, ui::numberText(static_cast<long long>(expectedIn(k)))); }
    // Answers every box of the problem on the board right, in order.
    void answerAllRight() {
        for (int k = 2; k <= 10 && visible(d, box(k)); ++k) answerRight(k);
    }
    // Requests problems of the running series until the one starting at
    // start is on the board, running the series again if it ends first.
    void requestStart(int start) {
        for (int i = 0; i < 100; ++i) {
            request();
            if (d.isLoaded("Form19")) {
                d.click("Label3");
                request();
            }
            if (d.text("Text1") == ui::numberText(static_cast<long long>(start))) return;
        }
        FAIL() << "the series never started at " << start;
    }
};

TEST_F(Counting, AtFirstOnlyTheTwoModesAndTheChangeAreOpen) {
    EXPECT_EQ(d.front().caption, "tevo - Aritmetica cl. II     NUMERAZIONI ( entro 99 )");
    EXPECT_EQ(face(d), "");
    EXPECT_FALSE(enabled(d, "Label6"));
    for (int k = 1; k <= 10; ++k) EXPECT_FALSE(enabled(d, box(k))) << k;
    for (const char* hidden : {"Label7", "Label8", "Text15", "Text16"})
        EXPECT_FALSE(visible(d, hidden)) << hidden;
    for (const char* open : {"Label16", "Label17", "Label5"}) EXPECT_TRUE(enabled(d, open)) << open;
    EXPECT_EQ(d.focusedName(), "");
}

TEST_F(Counting, HoveringAModeFramesIt) {
    d.moveTo("Label16");
    d.moveTo("Label17");
    EXPECT_EQ(form.Label16.borderStyle, 1);
    EXPECT_EQ(form.Label17.borderStyle, 1);
    d.moveTo(6000, 5500);
    EXPECT_EQ(form.Label16.borderStyle, 0);
    EXPECT_EQ(form.Label17.borderStyle, 0);
}

TEST_F(Counting, RandomSequencesStayWithin99AndReachTheirExtremes) {
    std::set<int> steps;
    bool startZero = false, lastIs99 = false, startMaxForStep2 = false;
    d.click("Label16");
    for (int i = 0; i < 1500; ++i) {
        request();
        int step = numberIn(d, "Label11"), start = numberIn(d, "Label12"), last = numberIn(d, "Label13");
        ASSERT_GE(step, 2);
        ASSERT_LE(step, 10);
        ASSERT_GE(start, 0);
        ASSERT_EQ(d.text("Text1"), d.text("Label12"));
        ASSERT_EQ(last, start + 9 * step);
        ASSERT_LE(last, 99);
        ASSERT_EQ(visibleBoxes(), 9);
        steps.insert(step);
        startZero |= start == 0;
        lastIs99 |= last == 99;
        startMaxForStep2 |= step == 2 && start == 81;
        // Back to the choice and random again: Label6 opens only at the last box.
        d.click("Label5");
        d.click("Label16");
    }
    EXPECT_EQ(steps.size(), 9u);
    EXPECT_TRUE(startZero);
    EXPECT_TRUE(lastIs99);
    EXPECT_TRUE(startMaxForStep2);
}

TEST_F(Counting, ARandomSequenceRightAtEveryFirstAttemptScoresOne) {
    d.click("Label16");
    request();
    EXPECT_EQ(face(d), kNeutral);
    EXPECT_FALSE(enabled(d, "Label6"));
    EXPECT_EQ(d.focusedName(), "");  // the child clicks into the first box
    EXPECT_FALSE(enabled(d, "Text3"));
    for (int k = 2; k <= 10; ++k) {
        answerRight(k);
        EXPECT_EQ(form.caselle[static_cast<std::size_t>(k)]->foreColor, ui::kWhite);
        if (k < 10) {
            EXPECT_EQ(d.focusedName(), box(k + 1));  // the next box opens and takes the focus
        }
    }
    EXPECT_EQ(face(d), kHappy);
    EXPECT_EQ(d.text("Label15"), "1");
    EXPECT_EQ(d.text("Label19"), "1");
    EXPECT_TRUE(enabled(d, "Label6"));
}

TEST_F(Counting, AWrongBoxMustBePutRightAndTheExerciseEndsSad) {
    d.click("Label16");
    request();
    int first = expectedIn(2);
    answer(2, wrongFor(first));
    EXPECT_EQ(form.Text2.foreColor, ui::kRed);
    EXPECT_EQ(face(d), kNeutral);  // a single box shows no face
    EXPECT_FALSE(enabled(d, "Text3"));
    EXPECT_EQ(d.focusedName(), "Text2");
    d.type("x");  // any key in a full box starts a new answer
    EXPECT_EQ(d.text("Text2"), "");
    d.type(ui::numberText(static_cast<long long>(first)));
    EXPECT_EQ(form.Text2.foreColor, ui::kWhite);
    EXPECT_TRUE(enabled(d, "Text3"));
    for (int k = 3; k <= 10; ++k) answerRight(k);
    EXPECT_EQ(face(d), kSad);
    EXPECT_EQ(d.text("Label19"), "1");
    EXPECT_EQ(d.text("Label15"), "");
    EXPECT_EQ(form.esatto, 0);
    EXPECT_EQ(form.errato, 0);  // this screen never counts wrong exercises
}

TEST_F(Counting, AChosenSeriesGivesEveryStartOnceThenTheDialogAndSiRunsItAgain) {
    chooseSeries("15", "1");
    EXPECT_FALSE(enabled(d, "Text15"));
    EXPECT_FALSE(enabled(d, "Text16"));
    EXPECT_TRUE(enabled(d, "Label6"));
    std::vector<int> firstRound;
    for (int p = 1; p <= 15; ++p) {
        request();
        int start = numberIn(d, "Text1");
        firstRound.push_back(start);
        ASSERT_EQ(visibleBoxes(), std::min(9, 15 - start)) << start;
        EXPECT_EQ(d.text("Label11"), "1");
        EXPECT_EQ(numberIn(d, "Label13"), start + visibleBoxes());
        answerAllRight();
        ASSERT_EQ(face(d), kHappy) << start;
        EXPECT_EQ(d.text("Label15"), std::to_string(p));
    }
    std::vector<int> sorted = firstRound;
    std::sort(sorted.begin(), sorted.end());
    for (int s = 0; s < 15; ++s) EXPECT_EQ(sorted[static_cast<std::size_t>(s)], s);

    request();
    ASSERT_TRUE(d.isLoaded("Form19"));
    EXPECT_EQ(d.loadedScreens(), (std::vector<std::string>{"Form2", "Form19"}));
    EXPECT_FALSE(form.enabled);
    EXPECT_EQ(form.esercizio, 15);  // the request that ends the series is not counted
    EXPECT_EQ(d.text("Label1"), "HAI ESAURITO LE POSSIBILITÀ DI QUESTA NUMERAZIONE.");
    EXPECT_EQ(d.text("Label2"), "VUOI RIPETERLA?");
    for (const char* heading : {"Label11", "Label12", "Label13"})
        EXPECT_EQ(form.control(heading)->caption, "");
    d.on(form).click("Label6");  // the screen behind takes no input
    EXPECT_EQ(form.esercizio, 15);

    d.click("Label3");  // "SÌ"
    EXPECT_FALSE(d.isLoaded("Form19"));
    EXPECT_TRUE(form.enabled);
    EXPECT_FALSE(enabled(d, "Text15"));
    EXPECT_FALSE(enabled(d, "Text16"));
    EXPECT_FALSE(enabled(d, "Label5"));
    EXPECT_TRUE(enabled(d, "Label6"));
    std::vector<int> secondRound;
    for (int p = 1; p <= 15; ++p) {
        request();
        secondRound.push_back(numberIn(d, "Text1"));
    }
    EXPECT_NE(secondRound, firstRound);
    std::sort(secondRound.begin(), secondRound.end());
    EXPECT_EQ(secondRound, sorted);
    request();
    EXPECT_TRUE(d.isLoaded("Form19"));
}

TEST_F(Counting, NoAfterTheDialogLeavesTheChoiceOfMode) {
    chooseSeries("9", "9");
    request();
    EXPECT_EQ(d.text("Text1"), "0");
    EXPECT_EQ(visibleBoxes(), 1);
    answer(2, "9");
    EXPECT_EQ(face(d), kHappy);
    EXPECT_EQ(d.text("Label19"), "1");
    request();
    ASSERT_TRUE(d.isLoaded("Form19"));
    EXPECT_EQ(form.esercizio, 1);

    d.click("Label4");  // "NO"
    EXPECT_FALSE(d.isLoaded("Form19"));
    EXPECT_TRUE(form.enabled);
    EXPECT_FALSE(enabled(d, "Label6"));
    for (const char* open : {"Label16", "Label17", "Label5"}) EXPECT_TRUE(enabled(d, open)) << open;
    for (const char* limitOrStep : {"Text15", "Text16"}) {
        EXPECT_TRUE(visible(d, limitOrStep));
        EXPECT_FALSE(enabled(d, limitOrStep));
        EXPECT_EQ(d.text(limitOrStep), "");
    }
    EXPECT_EQ(form.scelta, Form2::kChosen);
    d.click("Label17");
    EXPECT_TRUE(enabled(d, "Text16"));
}

TEST_F(Counting, ALimitBelowTheStepShowsTheDialogAtTheFirstRequest) {
    chooseSeries("5", "9");
    request();
    EXPECT_TRUE(d.isLoaded("Form19"));
    EXPECT_EQ(form.esercizio, 0);
}

TEST_F(Counting, ClosingTheDialogThroughItsFrameIsNo) {
    chooseSeries("5", "9");
    request();
    d.on("Form19").close();
    EXPECT_FALSE(d.isLoaded("Form19"));
    EXPECT_TRUE(form.enabled);
    EXPECT_FALSE(enabled(d, "Label6"));
    EXPECT_TRUE(enabled(d, "Label17"));
}

// Every start number of the series once, each with the boxes that fit under
// the limit, then the dialog: also for series far longer than twenty.
TEST(CountingSeries, EveryStartNumberComesOnceWithTheBoxesThatFit) {
    struct Case {
        const char* limit;
        const char* step;
    } cases[] = {{"15", "1"}, {"99", "9"}, {"99", "5"}, {"99", "1"}, {"30", "7"}, {"9", "9"}, {"10", "1"}};
    for (const Case& c : cases) {
        ui::Driver d;
        openFromMenu(d, "Label1");
        d.click("Label17");
        d.click("Text16");
        d.type(c.limit);
        d.click("Text15");
        d.type(c.step);
        int limit = std::stoi(c.limit), step = std::stoi(c.step);
        std::set<int> starts;
        for (int p = 1; p <= limit - step + 1; ++p) {
            d.setClock(1000 + p);
            d.click("Label6");
            ASSERT_FALSE(d.isLoaded("Form19")) << c.limit << "/" << c.step << " at " << p;
            int start = numberIn(d, "Text1");
            starts.insert(start);
            int boxes = 0;
            for (int k = 2; k <= 10; ++k) boxes += d.control(box(k)).visible ? 1 : 0;
            ASSERT_EQ(boxes, std::min(9, (limit - start) / step))
                << c.limit << "/" << c.step << " from " << start;
            ASSERT_EQ(numberIn(d, "Label13"), start + boxes * step);
        }
        EXPECT_EQ(static_cast<int>(starts.size()), limit - step + 1) << c.limit << "/" << c.step;
        EXPECT_EQ(*starts.rbegin(), limit - step);
        d.click("Label6");
        EXPECT_TRUE(d.isLoaded("Form19")) << c.limit << "/" << c.step;
    }
}

TEST(CountingSeries, StartAndEndOfTheLongestSeries) {
    ui::Driver d;
    openFromMenu(d, "Label1");
    d.click("Label17");
    d.click("Text16");
    d.type("99");
    d.click("Text15");
    d.type("9");
    bool sawZero = false, saw90 = false;
    for (int p = 1; p <= 91; ++p) {
        d.setClock(500 + p);
        d.click("Label6");
        if (d.text("Text1") == "0") {
            sawZero = true;
            EXPECT_TRUE(d.control("Text10").visible);
            EXPECT_EQ(d.text("Label13"), "81");
        }
        if (d.text("Text1") == "90") {
            saw90 = true;
            EXPECT_TRUE(d.control("Text2").visible);
            EXPECT_FALSE(d.control("Text3").visible);
            EXPECT_EQ(d.text("Label13"), "99");
        }
    }
    EXPECT_TRUE(sawZero);
    EXPECT_TRUE(saw90);
}

TEST(CountingSeries, TiedShuffleKeysStillGiveEveryStartNumberOnce) {
    ui::Driver d;
    openFromMenu(d, "Label1");
    Form2& form = d.screen<Form2>();
    d.click("Label17");
    int seriesWithTies = 0;
    for (int round = 0; round < 60; ++round) {
        d.click("Label5");
        d.click("Text16");
        d.type("99");
        d.click("Text15");
        d.type("1");
        d.setClock(20000 + round * 13.7);
        d.click("Label6");
        std::set<int> starts, keys;
        for (int i = 1; i <= 99; ++i) {
            starts.insert(static_cast<int>(form.partenze[static_cast<std::size_t>(i)].number()));
            keys.insert(static_cast<int>(form.chiave[static_cast<std::size_t>(i)].number()));
        }
        ASSERT_EQ(starts.size(), 99u) << "round " << round;
        ASSERT_EQ(*starts.begin(), 0);
        ASSERT_EQ(*starts.rbegin(), 98);
        seriesWithTies += keys.size() < 99u ? 1 : 0;
    }
    EXPECT_GT(seriesWithTies, 0);  // the rounds did meet equal keys
}

TEST_F(Counting, AStepOf0OrNoStepKeepsDammiClosed) {
    d.click("Label17");
    d.click("Text16");
    d.type("20");
    d.click("Text15");
    d.type("0");
    EXPECT_EQ(d.text("Text15"), "0");
    EXPECT_TRUE(enabled(d, "Text15"));
    EXPECT_FALSE(enabled(d, "Label6"));
    d.key(ui::key::kBackspace);
    EXPECT_EQ(d.text("Text15"), "");
    EXPECT_TRUE(enabled(d, "Text15"));
    EXPECT_FALSE(enabled(d, "Label6"));
    d.type("4");
    EXPECT_FALSE(enabled(d, "Text15"));
    EXPECT_TRUE(enabled(d, "Label6"));

    // "CAMBIA NUMERAZIONE" empties the step but leaves the hotspot open.
    d.click("Label5");
    EXPECT_TRUE(enabled(d, "Label6"));
    request();
    EXPECT_EQ(form.esercizio, 0);
    EXPECT_EQ(face(d), "");
    EXPECT_FALSE(d.isLoaded("Form19"));
}

TEST_F(Counting, TheRequestThatEndsASeriesLeavesTheRowEmptyBehindTheDialog) {
    chooseSeries("30", "1");  // fills the tables for thirty positions
    request();
    d.click("Label5");
    d.click("Text16");
    d.type("5");
    d.click("Text15");
    d.type("1");
    for (int p = 1; p <= 5; ++p) request();
    request();
    ASSERT_TRUE(d.isLoaded("Form19"));
    EXPECT_EQ(form.Text1.text, "");
    for (int k = 2; k <= 10; ++k) EXPECT_FALSE(form.caselle[static_cast<std::size_t>(k)]->visible) << k;
}

TEST_F(Counting, ARedBoxStaysRedIntoTheNextProblemUntilJudged) {
    chooseSeries("99", "9");
    request();
    answer(2, wrongFor(expectedIn(2)));
    EXPECT_EQ(form.Text2.foreColor, ui::kRed);
    do {
        request();
    } while (expectedIn(2) < 10);
    answer(2, ui::numberText(static_cast<long long>(expectedIn(2))).substr(0, 1));
    EXPECT_EQ(form.Text2.foreColor, ui::kRed);
    d.type(ui::numberText(static_cast<long long>(expectedIn(2))).substr(1));
    EXPECT_EQ(form.Text2.foreColor, ui::kWhite);
}

// "SU" in a chosen series is refreshed at moments that depend on which box
// is the problem's last. Limit 15 and step 1 give every kind of last box.
TEST_F(Counting, AShortLastBoxRefreshesSuAtEveryKey) {
    chooseSeries("15", "1");
    requestStart(14);  // one box, 15
    int asked = form.esercizio;
    EXPECT_EQ(d.text("Label19"), "");
    answer(2, "1");
    EXPECT_EQ(d.text("Label19"), std::to_string(asked));
    EXPECT_EQ(face(d), kNeutral);
}

TEST_F(Counting, ASeventhLastBoxRefreshesSuOnlyWithARightExercise) {
    chooseSeries("15", "1");
    requestStart(9);  // six boxes, 10 to 15
    for (int k = 2; k <= 6; ++k) answerRight(k);
    answer(7, "16");
    EXPECT_EQ(form.Text7.foreColor, ui::kRed);
    d.type("15");  // put right, but not at the first attempt
    EXPECT_EQ(form.Text7.foreColor, ui::kWhite);
    EXPECT_EQ(d.text("Label19"), "");
    EXPECT_NE(face(d), kHappy);
    EXPECT_NE(face(d), kSad);  // a wrong chosen exercise shows no sad face
    requestStart(8);           // seven boxes: last box Text8, refreshed at once
    answer(2, "9");
    EXPECT_EQ(d.text("Label19"), "");
    for (int k = 3; k <= 7; ++k) answerRight(k);
    answer(8, "1");
    EXPECT_EQ(d.text("Label19"), std::to_string(form.esercizio));
}

TEST_F(Counting, ASeventhLastBoxRightAtOnceScoresAndRefreshesSu) {
    chooseSeries("15", "1");
    requestStart(9);
    answerAllRight();
    EXPECT_EQ(face(d), kHappy);
    EXPECT_EQ(d.text("Label15"), "1");
    EXPECT_EQ(d.text("Label19"), std::to_string(form.esercizio));
}

TEST_F(Counting, ATenthLastBoxRefreshesSuAtAWrongKeyAndWithARightExercise) {
    chooseSeries("15", "1");
    requestStart(0);  // nine boxes, 1 to 9
    for (int k = 2; k <= 9; ++k) answerRight(k);
    d.click("Text10");
    d.key(ui::key::kBackspace);  // an incomplete box
    EXPECT_EQ(d.text("Label19"), "");
    d.type("8");
    EXPECT_EQ(d.text("Label19"), std::to_string(form.esercizio));
    EXPECT_EQ(form.Text10.foreColor, ui::kRed);
    EXPECT_EQ(d.text("Label15"), "");

    requestStart(6);  // nine boxes, 7 to 15
    for (int k = 2; k <= 10; ++k) answerRight(k);
    EXPECT_EQ(face(d), kHappy);
    EXPECT_EQ(d.text("Label15"), "1");
    EXPECT_EQ(d.text("Label19"), std::to_string(form.esercizio));
}

TEST_F(Counting, BackToTheMenuResetsTheScoreButKeepsTheMode) {
    chooseSeries("9", "9");
    request();
    answer(2, "9");
    d.click("Image5");
    EXPECT_EQ(d.loadedScreens(), std::vector<std::string>{"Form1"});
    EXPECT_EQ(form.esercizio, 0);
    EXPECT_EQ(form.esatto, 0);
    d.click("Label1");
    EXPECT_EQ(form.scelta, Form2::kChosen);
    EXPECT_EQ(d.text("Label15"), "");
    EXPECT_FALSE(enabled(d, "Label6"));
}

TEST_F(Counting, TheHundredthRequestRestartsTheWholeScore) {
    d.click("Label16");
    form.esercizio = 99;
    form.esatto = 50;
    form.errato = 20;
    request();
    EXPECT_EQ(form.esercizio, 0);
    EXPECT_EQ(form.esatto, 0);
    EXPECT_EQ(form.errato, 0);
}

// The request that ends a series asks no problem: the score stays exactly as
// it was, at problem 99 too, where counting it would have restarted it.
TEST_F(Counting, TheRequestThatEndsASeriesAtProblem99LeavesTheScoreAsItWas) {
    chooseSeries("9", "9");
    request();
    answer(2, "9");
    form.esercizio = 99;
    form.esatto = 50;
    form.errato = 20;
    request();
    ASSERT_TRUE(d.isLoaded("Form19"));
    EXPECT_EQ(form.esercizio, 99);
    EXPECT_EQ(form.esatto, 50);
    EXPECT_EQ(form.errato, 20);
    d.click("Label4");  // "NO"
    d.click("Label16");
    request();  // the hundredth problem restarts the score
    EXPECT_EQ(form.esercizio, 0);
    EXPECT_EQ(form.esatto, 0);
    answerAllRight();
    EXPECT_EQ(d.text("Label19"), "0");
    EXPECT_EQ(d.text("Label15"), "1");
}

// Choosing random sequences closes the answer boxes until a problem is
// drawn, whatever an earlier problem or series had opened.
TEST_F(Counting, ChoosingRandomSequencesClosesTheBoxesOpenedBefore) {
    auto expectRowClosed = [&] {
        for (int k = 2; k <= 10; ++k) EXPECT_FALSE(enabled(d, box(k))) << k;
        std::string shown = face(d), su = d.text("Label19");
        d.click("Text3");
        d.type("5");
        d.click("Text2");
        d.type("5");
        EXPECT_EQ(d.text("Text2"), "");
        EXPECT_EQ(d.text("Text3"), "");
        EXPECT_EQ(face(d), shown);
        EXPECT_EQ(d.text("Label19"), su);
    };
    d.click("Label16");
    request();
    for (int k = 2; k <= 4; ++k) answerRight(k);
    d.click("Label5");  // "CAMBIA NUMERAZIONE"
    d.click("Label16");
    expectRowClosed();

    d.click("Label5");
    chooseSeries("9", "9");
    request();
    answer(2, "9");
    request();
    d.click("Label4");  // "NO"
    d.click("Label16");
    expectRowClosed();
}

// A new problem closes the box the child was typing in and opens the first
// one again, but the focus does not follow: the child clicks into the row.
TEST_F(Counting, ANewProblemLeavesTheFocusInNoBox) {
    d.click("Label16");
    request();
    answerAllRight();
    ASSERT_EQ(d.focusedName(), "Text10");
    request();
    EXPECT_EQ(d.focusedName(), "");

    d.click("Label5");
    chooseSeries("15", "1");
    request();
    answerAllRight();
    ASSERT_NE(d.focusedName(), "");
    request();
    EXPECT_EQ(d.focusedName(), "");
}

TEST_F(Counting, TheLimitBoxHoldsTwoDigitsAndADroppedKeyClosesTheStepBox) {
    d.click("Label17");
    d.click("Text16");
    d.type("4");
    EXPECT_TRUE(enabled(d, "Text15"));
    d.type("x");
    EXPECT_EQ(d.text("Text16"), "4");
    EXPECT_FALSE(enabled(d, "Text15"));
    d.key(ui::key::kBackspace);  // not dropped: the step box opens again
    EXPECT_EQ(d.text("Text16"), "");
    EXPECT_TRUE(enabled(d, "Text15"));
    d.type("123");  // a key into a full box starts a new limit
    EXPECT_EQ(d.text("Text16"), "3");
    EXPECT_TRUE(enabled(d, "Text15"));
}

TEST_F(Counting, AnyKeyReleasedInTheTenthBoxOpensDammiINumeri) {
    d.click("Label16");
    request();
    for (int k = 2; k <= 9; ++k) answerRight(k);
    ASSERT_EQ(d.focusedName(), "Text10");
    EXPECT_FALSE(enabled(d, "Label6"));
    d.key(ui::key::kBackspace);  // in the empty box: nothing to judge
    EXPECT_TRUE(enabled(d, "Label6"));
    EXPECT_EQ(face(d), kNeutral);
}

TEST_F(Counting, RandomModeTakesTheLimitAndStepOutOfTheTabOrderForGood) {
    d.click("Label16");
    EXPECT_FALSE(form.Text15.tabStop);
    EXPECT_FALSE(form.Text16.tabStop);
    d.click("Label5");
    d.click("Label17");
    EXPECT_TRUE(enabled(d, "Text16"));
    EXPECT_FALSE(form.Text15.tabStop);
    EXPECT_FALSE(form.Text16.tabStop);
}

TEST_F(Counting, AKeyAfterAHappyExerciseBringsBackTheNeutralFace) {
    d.click("Label16");
    request();
    answerAllRight();
    ASSERT_EQ(face(d), kHappy);
    d.type("x");  // a dropped key into the full last box
    EXPECT_EQ(d.text("Text10"), "");
    EXPECT_EQ(face(d), kNeutral);
}

TEST_F(Counting, CambiaNumerazioneClearsTheHeadingsAndTheRow) {
    d.click("Label16");
    request();
    answerRight(2);
    d.click("Label5");
    for (const char* heading : {"Label11", "Label12", "Label13"}) EXPECT_EQ(d.text(heading), "") << heading;
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(d.text(box(k)), "") << k;
    EXPECT_FALSE(enabled(d, "Label6"));  // kept as the random problem left it
    for (const char* open : {"Label16", "Label17", "Text16"}) EXPECT_TRUE(enabled(d, open)) << open;
}

}  // namespace
