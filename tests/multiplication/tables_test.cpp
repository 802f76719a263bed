// The multiplication tables as a child meets them: random facts, one chosen
// table run in its shuffled order up to the dialog, "SÌ" and "NO".
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"
#include "multiplication/tables.h"
#include "multiplication/tables_dialog.h"
#include "ui/driver.h"
#include "ui/text.h"

namespace {

using multiplication::Form21;
using multiplication::Form8;

class TablesTest : public ::testing::Test {
  protected:
    ui::Driver d;
    Form8& form = d.screen<Form8>();
    double clock = 30000.25;

    void SetUp() override {
        d.start(app::startProgram);
        d.click("Label2");  // title -> menu
        d.click("Label9");  // "TABELLINE DI PRODOTTI"
    }

    // "DAMMI I NUMERI", each time at another moment of the day.
    void ask() {
        clock += 7.31;
        d.setClock(clock);
        d.click("Label5");
    }
    int firstFactor() { return std::stoi(form.Label4.caption); }
    int secondFactor() { return std::stoi(form.Label8.caption); }
    std::string product() { return std::to_string(firstFactor() * secondFactor()); }

    void chooseTable(const std::string& digit) {
        d.click("Label10");
        d.click("Text5");
        d.type(digit);
    }
    // Asks the ten facts of the chosen table, answers each right, and returns
    // their first factors in the order they came.
    std::vector<int> runTable() {
        std::vector<int> order;
        for (int k = 0; k < 10; ++k) {
            ask();
            order.push_back(firstFactor());
            d.type(product());
            EXPECT_TRUE(form.Image2.visible);
        }
        return order;
    }
    bool dialogOpen() { return d.isLoaded("Form21"); }
    void expectFeedback(bool neutral, bool happy, bool sad) {
        EXPECT_EQ(form.Image1.visible, neutral);
        EXPECT_EQ(form.Image2.visible, happy);
        EXPECT_EQ(form.Image3.visible, sad);
    }
};

std::vector<int> zeroToNine() {
    std::vector<int> all(10);
    std::iota(all.begin(), all.end(), 0);
    return all;
}

std::vector<int> sorted(std::vector<int> v) {
    std::sort(v.begin(), v.end());
    return v;
}

TEST_F(TablesTest, TheMenuOpensTheScreenWithNoModeChosen) {
    EXPECT_EQ(d.front().formName(), "Form8");
    EXPECT_EQ(d.front().caption, "tevo - Aritmetica cl. II     TABELLINE DI PRODOTTI   ( entro 81 )");
    expectFeedback(false, false, false);
    EXPECT_TRUE(form.Label9.enabled);
    EXPECT_TRUE(form.Label10.enabled);
    EXPECT_FALSE(form.Label5.enabled);
    EXPECT_FALSE(form.Text3.enabled);
    EXPECT_FALSE(form.Text5.enabled);
    EXPECT_EQ(d.focusedName(), "");
    EXPECT_EQ(form.Label15.caption, "");
    EXPECT_EQ(form.Label19.caption, "");
}

TEST_F(TablesTest, RandomFactsStayBelowNineAndProductsUpTo64) {
    d.click("Label9");
    EXPECT_TRUE(form.Label5.enabled);
    EXPECT_FALSE(form.Label10.enabled);
    std::set<int> firsts, seconds;
    int greatest = 0;
    for (int i = 0; i < 400; ++i) {
        ask();
        EXPECT_EQ(d.focusedName(), "Text3");
        EXPECT_FALSE(form.Label5.enabled);  // until a key is released in the answer
        int a = firstFactor(), b = secondFactor();
        ASSERT_GE(a, 0);
        ASSERT_LE(a, 8);
        ASSERT_GE(b, 0);
        ASSERT_LE(b, 8);
        firsts.insert(a);
        seconds.insert(b);
        greatest = std::max(greatest, a * b);
        d.type(product());
        ASSERT_TRUE(form.Image2.visible) << a << " X " << b;
        EXPECT_TRUE(form.Label5.enabled);
        EXPECT_TRUE(form.Label9.enabled);
        EXPECT_TRUE(form.Label10.enabled);
    }
    EXPECT_EQ(firsts.size(), 9u);  // 0 to 8, each seen
    EXPECT_EQ(seconds.size(), 9u);
    EXPECT_EQ(greatest, 64);
}

TEST_F(TablesTest, TheAnswerIsJudgedOnlyAtTheProductsLength) {
    d.click("Label9");
    int oneDigit = 0, twoDigits = 0;
    for (int i = 0; i < 60 && (oneDigit < 3 || twoDigits < 3); ++i) {
        ask();
        std::string answer = product();
        if (answer.size() == 1) {
            ++oneDigit;
            d.type(answer == "0" ? "1" : "0");
            expectFeedback(false, false, true);  // one digit is already complete
        } else {
            ++twoDigits;
            d.type(answer.substr(0, 1));
            expectFeedback(true, false, false);
            d.type(answer.substr(1));
            expectFeedback(false, true, false);
        }
    }
    EXPECT_GE(oneDigit, 3);
    EXPECT_GE(twoDigits, 3);
}

TEST_F(TablesTest, AThirdDigitStartsANewAnswerThatDoesNotScore) {
    d.click("Label9");
    do {
        ask();
        if (product().size() == 1) d.type(product());  // and ask again
    } while (product().size() == 1);
    std::string answer = product();
    d.type(answer);
    int esatto = form.esatto;
    d.type("9");
    EXPECT_EQ(form.Text3.text, "9");
    EXPECT_TRUE(form.Image2.visible);  // not judged again yet
    d.type("9");                       // "99": no product of random facts
    EXPECT_TRUE(form.Image3.visible);
    EXPECT_EQ(form.Text3.foreColor, ui::kRed);
    EXPECT_EQ(form.Label15.caption, std::to_string(esatto));
    EXPECT_EQ(form.esatto, esatto);
    EXPECT_EQ(form.errato, 0);
}

TEST_F(TablesTest, CorrectingAWrongAnswerShowsTheHappyFaceButKeepsTheError) {
    d.click("Label9");
    ask();
    std::string answer = product();
    // No product of random facts reaches 99.
    std::string wrong = answer.size() == 2 ? "99" : (answer == "1" ? "2" : "1");
    d.type(wrong);
    expectFeedback(false, false, true);
    EXPECT_EQ(form.Text3.foreColor, ui::kRed);
    EXPECT_EQ(form.Label15.caption, "");  // a wrong answer leaves ESATTI alone
    EXPECT_EQ(form.Label19.caption, "1");
    d.key(ui::key::kBackspace);  // the full box empties
    EXPECT_EQ(form.Text3.text, "");
    d.type(answer);
    expectFeedback(false, true, false);
    EXPECT_EQ(form.Text3.foreColor, ui::kWhite);
    EXPECT_EQ(form.Label15.caption, "0");
    EXPECT_EQ(form.esatto, 0);
    EXPECT_EQ(form.errato, 1);
}

TEST_F(TablesTest, TheAnswerBoxTakesOnlyDigits) {
    d.click("Label9");
    do {
        ask();
        if (product().size() == 1) d.type(product());
    } while (product().size() == 1);
    d.type(product().substr(0, 1));
    d.type("a");
    EXPECT_EQ(form.Text3.text, product().substr(0, 1));
    expectFeedback(true, false, false);
    EXPECT_TRUE(form.Label5.enabled);  // any released key re-opens the hotspot
}

TEST_F(TablesTest, TheRedOfAWrongAnswerStaysOnTheNextProblemUntilItIsJudged) {
    d.click("Label9");
    // A wrong one-digit answer for each problem until one wants two digits.
    auto wrongDigit = [&] { return product() == "1" ? "2" : "1"; };
    ask();
    d.type(product().size() == 2 ? "99" : wrongDigit());  // no product of random facts is 99
    ASSERT_EQ(form.Text3.foreColor, ui::kRed);
    for (ask(); product().size() == 1; ask()) d.type(wrongDigit());
    EXPECT_EQ(form.Text3.text, "");
    EXPECT_EQ(form.Text3.foreColor, ui::kRed);
    d.type(product().substr(0, 1));  // half an answer is not judged
    EXPECT_EQ(form.Text3.foreColor, ui::kRed);
    expectFeedback(true, false, false);
    d.type(product().substr(1));
    EXPECT_EQ(form.Text3.foreColor, ui::kWhite);
    expectFeedback(false, true, false);
}

TEST_F(TablesTest, AnyKeyPressedIntoAFullAnswerBoxEmptiesIt) {
    d.click("Label9");
    ask();
    d.type(product());
    int esatto = form.esatto;
    d.type("a");  // dropped by the filter, yet it empties the full box
    EXPECT_EQ(form.Text3.text, "");
    expectFeedback(false, true, false);  // an empty box is not judged
    EXPECT_EQ(form.esatto, esatto);
}

TEST_F(TablesTest, ChoosingAModeInTheMiddleOfARandomProblemClearsIt) {
    d.click("Label9");
    for (const char* mode : {"Label9", "Label10"}) {
        SCOPED_TRACE(mode);
        do {
            ask();
            if (product().size() == 1) d.type(product());
        } while (product().size() == 1);
        d.type(product().substr(0, 1));  // the released key opens the choices
        ASSERT_TRUE(form.Label10.enabled);
        d.click(mode);
        EXPECT_EQ(form.Label4.caption, "");
        EXPECT_EQ(form.Label8.caption, "");
        EXPECT_EQ(form.Text3.text, "");
        EXPECT_FALSE(form.Text3.enabled);
        EXPECT_TRUE(form.Label5.enabled);  // opened by Label9, kept by Label10
    }
    EXPECT_EQ(form.scelta, Form8::kOneTable);
    EXPECT_TRUE(form.Text5.enabled);
}

// "Tabellina del" in the middle of a random fact closes the answer box that
// holds the focus; the table box it opens does not take the focus, so the
// child clicks it before typing the table.
TEST_F(TablesTest, ChoosingATableDuringARandomFactLeavesTheFocusInNoBox) {
    d.click("Label9");
    ask();
    ASSERT_EQ(d.focusedName(), "Text3");
    d.key(ui::key::kShift);  // the released key opens the choices
    d.click("Label10");
    EXPECT_EQ(d.focusedName(), "");
    d.type("4");
    EXPECT_EQ(form.Text5.text, "");
    d.click("Text5");
    d.type("4");
    EXPECT_EQ(form.Text5.text, "4");
}

TEST_F(TablesTest, TheTableBoxHoldsOneDigitAndOpensTheHotspot) {
    d.click("Label10");
    EXPECT_FALSE(form.Label9.enabled);
    EXPECT_FALSE(form.Label10.enabled);
    EXPECT_EQ(d.focusedName(), "");  // the child clicks the box
    d.click("Text5");
    d.type("a");
    EXPECT_FALSE(form.Label5.enabled);
    d.type("4");
    EXPECT_TRUE(form.Label5.enabled);
    d.type("7");
    EXPECT_EQ(form.Text5.text, "7");
    d.type("x");
    EXPECT_EQ(form.Text5.text, "");
}

TEST_F(TablesTest, ATableRunsTenFactsThenTheDialogThenSiRepeatsItInTheSameOrder) {
    chooseTable("7");
    std::vector<int> order;
    for (int k = 0; k < 10; ++k) {
        ask();
        EXPECT_EQ(form.Label8.caption, "7");
        EXPECT_FALSE(form.Label9.enabled);
        EXPECT_FALSE(form.Text5.enabled);
        order.push_back(firstFactor());
        d.type(product());
        EXPECT_TRUE(form.Image2.visible);
        EXPECT_TRUE(form.Label5.enabled);
        EXPECT_FALSE(form.Label9.enabled);  // a started table is run to its end
        EXPECT_FALSE(form.Label10.enabled);
    }
    EXPECT_EQ(sorted(order), zeroToNine());
    EXPECT_EQ(form.Label15.caption, "10");
    EXPECT_EQ(form.Label19.caption, "10");
    EXPECT_FALSE(dialogOpen());

    ask();  // the eleventh request
    ASSERT_TRUE(dialogOpen());
    EXPECT_EQ(d.front().formName(), "Form21");
    EXPECT_EQ(d.front().caption, "tevo - Aritmetica cl. II     TABELLINE");
    EXPECT_EQ(d.text("Label1"), "HAI ESAURITO LE POSSIBILITÀ DI QUESTA TABELLINA");
    EXPECT_EQ(d.text("Label2"), "VUOI RIPETERLA?");
    EXPECT_EQ(d.text("Label3"), "SÌ");
    EXPECT_EQ(d.text("Label4"), "NO");
    EXPECT_FALSE(form.enabled);
    EXPECT_EQ(form.Label4.caption, "");
    EXPECT_EQ(form.Label8.caption, "");
    EXPECT_EQ(form.Text3.text, "");
    d.on(form).click("Label9");  // the screen behind takes no input
    EXPECT_EQ(form.scelta, Form8::kOneTable);

    d.click("Label3");  // "SÌ"
    EXPECT_FALSE(dialogOpen());
    EXPECT_TRUE(form.enabled);
    EXPECT_TRUE(form.Label5.enabled);
    EXPECT_EQ(form.Text5.text, "7");
    EXPECT_EQ(runTable(), order);
    EXPECT_EQ(form.Label19.caption, "20");  // the eleventh request was not counted
    ask();
    EXPECT_TRUE(dialogOpen());
}

TEST_F(TablesTest, NoLetsTheChildChooseAgainAndTheNextTableKeepsTheOrder) {
    chooseTable("7");
    std::vector<int> order = runTable();
    ask();
    d.click("Label4");  // "NO"
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(d.front().formName(), "Form8");
    EXPECT_TRUE(form.enabled);
    EXPECT_TRUE(form.Label9.enabled);
    EXPECT_TRUE(form.Label10.enabled);
    EXPECT_FALSE(form.Label5.enabled);
    EXPECT_FALSE(form.Text3.enabled);
    EXPECT_EQ(form.Text5.text, "");

    chooseTable("3");
    std::vector<int> again;
    for (int k = 0; k < 10; ++k) {
        ask();
        EXPECT_EQ(form.Label8.caption, "3");
        again.push_back(firstFactor());
        d.type(product());
    }
    EXPECT_EQ(again, order);
    ask();
    EXPECT_TRUE(dialogOpen());
}

TEST_F(TablesTest, ClosingTheDialogThroughItsFrameIsNo) {
    chooseTable("2");
    runTable();
    ask();
    d.on("Form21").close();
    EXPECT_FALSE(dialogOpen());
    EXPECT_TRUE(form.enabled);
    EXPECT_TRUE(form.Label9.enabled);
    EXPECT_TRUE(form.Label10.enabled);
    EXPECT_FALSE(form.Text3.enabled);
    d.click("Label9");
    ask();
    EXPECT_NE(form.Label8.caption, "");
}

TEST_F(TablesTest, AfterSiTheEmptyAnswerBoxJudgesAgainstZeroWithoutScoring) {
    chooseTable("5");
    runTable();
    ask();
    d.click("Label3");
    EXPECT_EQ(d.focusedName(), "Text3");
    d.type("4");
    EXPECT_TRUE(form.Image3.visible);
    EXPECT_EQ(form.Text3.foreColor, ui::kRed);
    d.type("0");
    EXPECT_TRUE(form.Image2.visible);
    EXPECT_EQ(form.Text3.foreColor, ui::kWhite);
    // No fact was on the board: ESATTI never passes SU.
    EXPECT_EQ(form.Label15.caption, "10");
    EXPECT_EQ(form.Label19.caption, "10");
    EXPECT_EQ(form.errato, 0);
}

TEST_F(TablesTest, TableZeroAndTheEmptyTableBoxGiveProductsOfZero) {
    for (const char* keys : {"0", "5\b"}) {
        SCOPED_TRACE(keys);
        chooseTable(std::string(1, keys[0]));
        if (keys[1] == '\b') d.key(ui::key::kBackspace);
        EXPECT_TRUE(form.Label5.enabled);
        for (int k = 0; k < 10; ++k) {
            ask();
            EXPECT_EQ(form.Label8.caption, "0");
            d.type("0");
            EXPECT_TRUE(form.Image2.visible);
        }
        ask();
        d.click("Label4");
    }
}

TEST_F(TablesTest, TheTablePositionSurvivesLeavingTheScreen) {
    chooseTable("6");
    std::vector<int> firstPart;
    for (int k = 0; k < 4; ++k) {
        ask();
        firstPart.push_back(firstFactor());
        d.type(product());
    }
    d.click("Image4");  // "TORNA A MENU"
    EXPECT_EQ(d.front().formName(), "Form1");
    d.click("Label9");
    EXPECT_EQ(form.Label15.caption, "");
    EXPECT_EQ(form.Label4.caption, "");
    chooseTable("8");
    std::vector<int> rest;
    for (int k = 0; k < 6; ++k) {
        ask();
        rest.push_back(firstFactor());
        d.type(product());
    }
    EXPECT_EQ(form.Label19.caption, "6");  // the score started again
    EXPECT_EQ(form.Label15.caption, "6");
    std::vector<int> all = firstPart;
    all.insert(all.end(), rest.begin(), rest.end());
    EXPECT_EQ(sorted(all), zeroToNine());
    ask();
    EXPECT_TRUE(dialogOpen());
}

TEST_F(TablesTest, TheProblemCountRestartsOnReaching99) {
    d.click("Label9");
    for (int i = 1; i <= 99; ++i) {
        ask();
        d.type(product());
        ASSERT_EQ(form.Label19.caption, std::to_string(i == 99 ? 0 : i));
    }
    EXPECT_EQ(form.Label15.caption, "99");  // ESATTI goes on
}

TEST_F(TablesTest, TheRequestThatOpensTheDialogIsTakenBackAcrossTheRestart) {
    chooseTable("4");
    runTable();
    form.esercizio = 98;
    ask();
    ASSERT_TRUE(dialogOpen());
    d.click("Label3");
    d.type("0");
    EXPECT_EQ(form.Label19.caption, "98");
    ask();
    d.type(product());
    EXPECT_EQ(form.Label19.caption, "0");
}

TEST_F(TablesTest, EveryNewScreenShufflesATableIntoTenDifferentFacts) {
    for (int run = 0; run < 40; ++run) {
        ui::Driver fresh(1000.0 + run * 977.13);
        fresh.start(app::startProgram);
        fresh.click("Label2");
        fresh.click("Label9");
        Form8& tables = fresh.screen<Form8>();
        fresh.click("Label10");
        fresh.click("Text5");
        fresh.type("9");
        std::vector<int> order;
        for (int k = 0; k < 10; ++k) {
            fresh.click("Label5");
            order.push_back(std::stoi(tables.Label4.caption));
            fresh.type("0");
        }
        ASSERT_EQ(sorted(order), zeroToNine()) << "run " << run;
    }
}

TEST(ShuffleRanks, EqualKeysStillRankZeroToNineOnceEach) {
    using Keys = std::array<float, multiplication::kOrderSlots>;
    struct Case {
        const char* what;
        std::vector<float> keys;
        std::vector<int> ranks;
    };
    const Case cases[] = {
        {"all different", {50, 10, 90, 20, 80, 30, 70, 40, 60, 0}, {5, 1, 9, 2, 8, 3, 7, 4, 6, 0}},
        {"two equal", {7, 3, 7, 1, 9, 0, 2, 5, 4, 8}, {6, 3, 7, 1, 9, 0, 2, 5, 4, 8}},
        {"all equal", {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"equal smallest", {0, 0, 3, 3, 3, 99999, 1, 2, 4, 4}, {0, 1, 4, 5, 6, 9, 2, 3, 7, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Keys keys{};
        std::copy(c.keys.begin(), c.keys.end(), keys.begin());
        std::array<ui::Variant, multiplication::kOrderSlots> ordine{};
        multiplication::rankKeys(keys, ordine);
        std::vector<int> ranks;
        for (int i = 0; i < 10; ++i) ranks.push_back(static_cast<int>(ordine[i].number()));
        EXPECT_EQ(ranks, c.ranks);
        for (int i = 10; i < multiplication::kOrderSlots; ++i) EXPECT_TRUE(ordine[i].isEmpty());
    }
}

}  // namespace
