// Numbers in words and digits: the upper pane writing the child's number
// both ways with its red messages, and the lower pane giving numbers,
// judging the answers at every key and locking the exact ones.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "abacus/words_and_digits.h"
#include "ui/driver.h"
#include "ui/keys.h"
#include "ui/text.h"
#include "words/number_words.h"

namespace {

using abacus::Form16;

class WordsAndDigitsTest : public ::testing::Test {
  protected:
    ui::Driver driver;
    Form16& form = driver.screen<Form16>();
    double clock = 50000.0;

    void SetUp() override { driver.show<Form16>(); }

    void typeIn(const char* box, std::string_view text) {
        driver.click(box);
        driver.type(text);
    }
    // What a result label shows: caption, size and colour.
    struct Shown {
        std::string caption;
        double size;
        ui::Color color;
        bool operator==(const Shown&) const = default;
    };
    Shown shown(const char* label) {
        const ui::Control& c = driver.control(label);
        return {c.caption, c.font.size, c.foreColor};
    }
    // Chooses the range and asks for a pair of numbers.
    void ask(const char* range) {
        clock += 0.73;
        driver.setClock(clock);
        driver.click(range);
        driver.click("Image5");
    }
    int n1() const { return static_cast<int>(form.n1.number()); }
    int n2() const { return static_cast<int>(form.n2.number()); }
    std::string face() {
        std::string shown;
        if (form.Image6.visible) shown += "sad";
        if (form.Image7.visible) shown += "happy";
        if (form.Image8.visible) shown += "neutral";
        return shown;
    }
};

TEST_F(WordsAndDigitsTest, DigitsAreWrittenInWordsInBlackAtTheWordsSize) {
    struct Case {
        const char* typed;
        const char* words;
    };
    for (Case c : {Case{"0", "ZERO"}, Case{"1000", "MILLE"}, Case{"0523", "CINQUECENTOVENTITRE"},
                   Case{"180", "CENTOTTANTA"}}) {
        driver.doubleClick("Text1");
        typeIn("Text1", c.typed);
        driver.click("Image1");
        EXPECT_EQ(shown("Label1"), (Shown{c.words, abacus::Form16::kWordsResultSize, ui::kBlack})) << c.typed;
    }
}

TEST_F(WordsAndDigitsTest, AnEmptyBoxAsksForANumberInRedUntilTheNextValidOne) {
    driver.click("Image1");
    EXPECT_EQ(shown("Label1"), (Shown{"SCRIVI UN NUMERO!", 12, ui::kRed}));
    typeIn("Text1", "7");
    driver.click("Image1");
    EXPECT_EQ(shown("Label1"), (Shown{"SETTE", abacus::Form16::kWordsResultSize, ui::kBlack}));
}

// Four digits reach 9999, past the last word: the child is told the text is
// wrong, as in the other box.
TEST_F(WordsAndDigitsTest, ANumberAbove1000IsWrongText) {
    for (const char* typed : {"1001", "9999"}) {
        driver.doubleClick("Text1");
        typeIn("Text1", typed);
        driver.click("Image1");
        EXPECT_EQ(shown("Label1"), (Shown{"TESTO ERRATO! CORREGGI!", 12, ui::kRed})) << typed;
    }
}

TEST_F(WordsAndDigitsTest, TheDigitsBoxTakesDigitsOnlyUpToFour) {
    typeIn("Text1", "1a2 3");
    EXPECT_EQ(driver.text("Text1"), "123");
    driver.type("4");
    EXPECT_EQ(driver.text("Text1"), "1234");
    driver.type("5");  // a fifth digit empties the box at its release
    EXPECT_EQ(driver.text("Text1"), "");
}

TEST_F(WordsAndDigitsTest, TypingOrADoubleClickClearsTheResult) {
    typeIn("Text1", "12");
    driver.click("Image1");
    driver.type("3");
    EXPECT_EQ(driver.text("Label1"), "");
    driver.click("Image1");
    EXPECT_EQ(driver.text("Label1"), "CENTOVENTITRE");
    driver.doubleClick("Text1");
    EXPECT_EQ(driver.text("Text1"), "");
    EXPECT_EQ(driver.text("Label1"), "");

    typeIn("Text2", "DUE");
    driver.click("Image2");
    EXPECT_EQ(driver.text("Label2"), "2");
    driver.type("E");
    EXPECT_EQ(driver.text("Label2"), "");
    driver.click("Image2");
    driver.doubleClick("Text2");
    EXPECT_EQ(driver.text("Text2"), "");
    EXPECT_EQ(driver.text("Label2"), "");
}

TEST_F(WordsAndDigitsTest, WordsAreWrittenInDigitsOrGetAMessage) {
    struct Case {
        const char* typed;
        Shown result;
    };
    const Shown wrong{"TESTO ERRATO! CORREGGI!", 12, ui::kRed};
    for (Case c : {Case{"ventitre", {"23", 24, ui::kBlack}}, Case{"MILLE", {"1000", 24, ui::kBlack}},
                   Case{"ZERO", {"0", 24, ui::kBlack}}, Case{"CENTOOTTO", {"108", 24, ui::kBlack}},
                   Case{"VENTITRE ", wrong}, Case{"VENTI TRE", wrong}, Case{"VENTITRÈ", wrong},
                   Case{"CENTOOTTANTA", wrong}, Case{"", {"SCRIVI UN NUMERO!", 12, ui::kRed}}}) {
        driver.doubleClick("Text2");
        typeIn("Text2", c.typed);
        driver.click("Image2");
        EXPECT_EQ(shown("Label2"), c.result) << c.typed;
        EXPECT_EQ(form.controllotesto, c.result.color == ui::kBlack ? 1 : 0) << c.typed;
    }
}

TEST_F(WordsAndDigitsTest, TheLowerPaneWaitsForARangeAndTheComputer) {
    EXPECT_FALSE(form.Image5.enabled);
    EXPECT_FALSE(form.Text3.enabled);
    EXPECT_FALSE(form.Text4.enabled);
    driver.click("Label21");
    EXPECT_TRUE(form.Image5.enabled);
    EXPECT_FALSE(form.Text3.enabled);
    EXPECT_EQ(form.Label21.borderStyle, 1);
    driver.click("Label46");
    EXPECT_EQ(form.Label21.borderStyle, 0);
    EXPECT_EQ(form.Label46.borderStyle, 1);
    driver.click("Image5");
    EXPECT_TRUE(form.Text3.enabled);
    EXPECT_TRUE(form.Text4.enabled);
    EXPECT_EQ(driver.text("Label3"), ui::numberText(static_cast<long long>(n1())));
    EXPECT_EQ(driver.text("Label4"), words::NumberWords::wordOf(n2()));
}

TEST_F(WordsAndDigitsTest, EachRangeGivesNumbersFromZeroToItsEnd) {
    const std::map<const char*, int> ranges = {
        {"Label21", 10}, {"Label17", 90}, {"Label16", 100}, {"Label46", 1000}};
    for (const auto& [label, limite] : ranges) {
        SCOPED_TRACE(label);
        std::set<int> given;
        for (int i = 0; i < (limite == 1000 ? 4000 : 600); ++i) {
            ask(label);
            ASSERT_GE(n1(), 0);
            ASSERT_LE(n1(), limite);
            ASSERT_GE(n2(), 0);
            ASSERT_LE(n2(), limite);
            given.insert(n1());
            given.insert(n2());
        }
        EXPECT_EQ(given.count(0), 1u);
        EXPECT_EQ(given.count(limite), 1u);
        if (limite < 1000) {
            EXPECT_EQ(given.size(), std::size_t(limite + 1));
        }
    }
}

TEST_F(WordsAndDigitsTest, TheWordsAnswerIsJudgedAtEveryKeyAndLockedWhenExact) {
    ask("Label46");
    std::string word = words::NumberWords::wordOf(n1());
    driver.click("Text3");
    std::string lower;
    for (char ch : word) lower += static_cast<char>(ch - 'A' + 'a');
    driver.type(lower.substr(0, lower.size() - 1));
    EXPECT_EQ(face(), "neutral");
    driver.type("#");
    EXPECT_EQ(face(), "sad");
    driver.key(ui::key::kBackspace);
    driver.type(lower.substr(lower.size() - 1));
    EXPECT_EQ(driver.text("Text3"), word);
    EXPECT_EQ(face(), "happy");
    EXPECT_TRUE(form.Text3.locked);
    driver.type("A");
    EXPECT_EQ(driver.text("Text3"), word);
    EXPECT_EQ(face(), "happy");
}

TEST_F(WordsAndDigitsTest, TheDigitsAnswerIsJudgedAtEveryKey) {
    ask("Label46");
    std::string digits = ui::numberText(static_cast<long long>(n2()));
    typeIn("Text4", "x0" + digits);  // the letter is dropped; the zero makes it too long
    EXPECT_EQ(driver.text("Text4"), "0" + digits);
    EXPECT_EQ(face(), "sad");
    driver.doubleClick("Text4");
    EXPECT_EQ(face(), "neutral");
    typeIn("Text4", digits);
    EXPECT_EQ(face(), "happy");
    EXPECT_TRUE(form.Text4.locked);
    // A key that types nothing judges the locked box again.
    driver.key(ui::key::kHome);
    EXPECT_EQ(face(), "happy");
}

TEST_F(WordsAndDigitsTest, ADoubleClickOnALockedBoxEmptiesItAndItsNumberButKeepsTheLock) {
    ask("Label21");
    typeIn("Text4", ui::numberText(static_cast<long long>(n2())));
    ASSERT_TRUE(form.Text4.locked);
    driver.doubleClick("Text4");
    EXPECT_EQ(driver.text("Text4"), "");
    EXPECT_EQ(driver.text("Label4"), "");
    EXPECT_EQ(face(), "neutral");
    driver.type("5");
    EXPECT_EQ(driver.text("Text4"), "");
    EXPECT_TRUE(form.Text4.locked);
    // A range click unlocks, keeps the pair, and empties the answers.
    int given = n2();
    driver.click("Label20");
    EXPECT_FALSE(form.Text4.locked);
    EXPECT_TRUE(form.Text4.enabled);
    EXPECT_EQ(n2(), given);
    driver.click("Text4");
    driver.type(ui::numberText(static_cast<long long>(given)));
    EXPECT_EQ(face(), "happy");
}

TEST_F(WordsAndDigitsTest, ANewPairUnlocksAndEmptiesTheAnswersButLeavesTheFace) {
    ask("Label21");
    typeIn("Text3", words::NumberWords::wordOf(n1()));
    typeIn("Text4", ui::numberText(static_cast<long long>(n2())));
    ASSERT_TRUE(form.Text3.locked);
    ASSERT_TRUE(form.Text4.locked);
    ASSERT_EQ(face(), "happy");
    clock += 0.73;
    driver.setClock(clock);
    driver.click("Image5");  // "TI DÒ I NUMERI" alone, with the same range
    for (ui::TextBox* box : {&form.Text3, &form.Text4}) {
        EXPECT_EQ(box->text, "") << box->name();
        EXPECT_FALSE(box->locked) << box->name();
    }
    EXPECT_EQ(face(), "happy");
    typeIn("Text4", "1");
    EXPECT_EQ(driver.text("Text4"), "1");

    // A range click empties the answers and the numbers they answer.
    typeIn("Text3", "DI");
    driver.click("Label20");
    EXPECT_EQ(driver.text("Text3"), "");
    EXPECT_EQ(driver.text("Text4"), "");
    EXPECT_EQ(driver.text("Label3"), "");
    EXPECT_EQ(driver.text("Label4"), "");
}

TEST_F(WordsAndDigitsTest, ADoubleClickOnTheWordsAnswerEmptiesItAndItsNumber) {
    ask("Label46");
    typeIn("Text3", "XY");
    ASSERT_NE(driver.text("Label3"), "");
    driver.doubleClick("Text3");
    EXPECT_EQ(driver.text("Text3"), "");
    EXPECT_EQ(driver.text("Label3"), "");
    EXPECT_EQ(face(), "neutral");
}

TEST_F(WordsAndDigitsTest, PressingAMouseButtonOnAnAnswerPutsTheVerdictAway) {
    ask("Label16");
    typeIn("Text4", "1234");
    EXPECT_EQ(face(), "sad");
    driver.onFront().mouseDown("Text3", ui::kRightButton);
    EXPECT_EQ(face(), "neutral");
}

// The two exercises are independent: typing in the upper pane does not reach
// into the answers of the lower one.
TEST_F(WordsAndDigitsTest, TypingInTheUpperPaneLeavesTheLowerAnswersAlone) {
    ask("Label21");
    typeIn("Text3", "DI");
    typeIn("Text1", "5");
    EXPECT_EQ(driver.text("Text3"), "DI");
    typeIn("Text2", "CINQUE");
    EXPECT_EQ(driver.text("Text3"), "DI");
}

TEST_F(WordsAndDigitsTest, ComingBackKeepsTheRangeAndThePairButStartsAsLaidOut) {
    ask("Label46");
    int first = n1(), second = n2();
    typeIn("Text1", "42");
    driver.click("Image4");
    EXPECT_EQ(driver.loadedScreens(), std::vector<std::string>{"Form20"});
    driver.click("Image19");
    EXPECT_EQ(form.limite, 1000);
    EXPECT_EQ(n1(), first);
    EXPECT_EQ(n2(), second);
    EXPECT_FALSE(form.Image5.enabled);
    EXPECT_FALSE(form.Text3.enabled);
    EXPECT_EQ(driver.text("Text1"), "");
    EXPECT_EQ(driver.text("Label3"), "");
}

}  // namespace
