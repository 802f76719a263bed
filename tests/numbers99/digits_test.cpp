// "SCRIVI IN CIFRE IL NUMERO DATO": the word of a number below the limit,
// the digits judged when complete, and the beep of a wrong answer.
#include <gtest/gtest.h>

#include <set>

#include "numbers99/digits.h"
#include "tests/numbers99/child.h"
#include "words/number_words.h"

namespace {

using namespace numbers99::testing;
using numbers99::Form13;

class Digits : public ::testing::Test {
  protected:
    ui::Driver d;
    Form13& form = d.screen<Form13>();
    words::NumberWords words{99};
    double clock = 30000;

    void SetUp() override { openFromMenu(d, "Label13"); }

    void limit(const std::string& text) {
        d.click("Text2");
        d.type(text);
    }
    void request() {
        clock += 1.93;
        d.setClock(clock);
        d.click("Label1");
    }
    // Draws problems until the board shows the word of n.
    void requestNumber(int n) {
        for (int i = 0; i < 1000; ++i) {
            request();
            if (d.text("Label4") == words.word(n)) return;
            // A digit key opens the hotspot again, as after any answer.
            d.type("0");
        }
        FAIL() << "never drew " << n;
    }
};

TEST_F(Digits, TheLimitComesFirst) {
    EXPECT_EQ(d.focusedName(), "Text2");
    EXPECT_FALSE(enabled(d, "Text1"));
    EXPECT_FALSE(enabled(d, "Label1"));
    d.type("x");  // any key opens the hotspot, a letter stays out of the box
    EXPECT_EQ(d.text("Text2"), "");
    EXPECT_TRUE(enabled(d, "Label1"));
    d.type("123");  // a key into a full box starts a new limit
    EXPECT_EQ(d.text("Text2"), "3");
}

TEST_F(Digits, ARequestShowsAWordBelowTheLimitAndTheCaptionWithIt) {
    limit("99");
    std::set<int> seen;
    for (int i = 0; i < 1500; ++i) {
        request();
        auto n = words.number(d.text("Label4"));
        ASSERT_TRUE(n.has_value()) << d.text("Label4");
        ASSERT_LE(*n, 98);
        seen.insert(*n);
        d.type("0");
    }
    EXPECT_EQ(seen.size(), 99u);
    EXPECT_EQ(d.front().caption, "tevo - Aritmetica cl. II     Numeri in cifre entro    99");
    EXPECT_EQ(d.focusedName(), "Text1");
}

TEST_F(Digits, Limit0Or1OrNoneAlwaysGivesZero) {
    for (const char* l : {"1", "0", ""}) {
        d.click("Text2");
        d.key(ui::key::kBackspace);
        d.type(l);
        for (int i = 0; i < 20; ++i) {
            request();
            ASSERT_EQ(d.text("Label4"), "ZERO") << '"' << l << '"';
            d.type("0");
            ASSERT_EQ(face(d), kHappy);
        }
    }
}

TEST_F(Digits, SevenRightAtOnce) {
    limit("8");
    requestNumber(7);
    int beeps = d.beeps();
    int asked = form.esercizio;
    int before = form.esatto;
    d.type("7");
    EXPECT_EQ(face(d), kHappy);
    EXPECT_EQ(form.esatto, before + 1);
    EXPECT_EQ(d.text("Label6"), std::to_string(before + 1));
    EXPECT_EQ(d.text("Label10"), std::to_string(asked));
    EXPECT_EQ(d.beeps(), beeps);
    EXPECT_TRUE(enabled(d, "Label1"));
    EXPECT_TRUE(enabled(d, "Text2"));
}

TEST_F(Digits, AWrongDigitBeepsAndTheCorrectionDoesNotMoveTheScore) {
    limit("8");
    requestNumber(7);
    form.esatto = 0;
    form.errato = 0;
    std::string suBefore = d.text("Label10");
    int beeps = d.beeps();
    d.type("5");
    EXPECT_EQ(face(d), kSad);
    EXPECT_EQ(d.beeps(), beeps + 1);
    EXPECT_EQ(form.errato, 1);
    EXPECT_EQ(d.text("Label10"), suBefore);  // "SU" waits for a right answer
    d.type("7");                             // the complete wrong answer makes room for the new digit
    EXPECT_EQ(d.text("Text1"), "7");
    EXPECT_EQ(face(d), kHappy);
    EXPECT_EQ(form.esatto, 0);
    EXPECT_EQ(form.errato, 1);
    EXPECT_EQ(d.text("Label6"), "0");
    EXPECT_EQ(d.text("Label10"), std::to_string(form.esercizio));
    EXPECT_EQ(d.beeps(), beeps + 1);
}

TEST_F(Digits, FortyFiveIsJudgedAtItsSecondDigitAndThenStays) {
    limit("46");
    requestNumber(45);
    d.type("4");
    EXPECT_EQ(face(d), kNeutral);
    EXPECT_EQ(form.ripet, 0);
    d.type("5");
    EXPECT_EQ(face(d), kHappy);
    d.key(ui::key::kBackspace);
    d.type("3");
    EXPECT_EQ(d.text("Text1"), "45");
}

TEST_F(Digits, KeysOtherThanDigitsAreDroppedAndNotJudged) {
    limit("46");
    requestNumber(45);
    d.type("4x ");
    EXPECT_EQ(d.text("Text1"), "4");
    d.onFront().typeOnKeypad("1");  // a keypad digit is judged like the digit row
    EXPECT_EQ(face(d), kSad);
}

TEST_F(Digits, ANonDigitKeyRightAfterADrawOpensNothing) {
    limit("46");
    request();
    d.key(ui::key::kBackspace);
    d.type("x");
    EXPECT_FALSE(enabled(d, "Label1"));
    EXPECT_FALSE(enabled(d, "Text2"));
    EXPECT_EQ(face(d), kNeutral);
    d.type("1");  // a digit key does
    EXPECT_TRUE(enabled(d, "Label1"));
    EXPECT_TRUE(enabled(d, "Text2"));
}

TEST_F(Digits, ProblemCountRestartsPast99WithTheScore) {
    limit("5");
    form.esercizio = 99;
    form.esatto = 50;
    form.errato = 20;
    request();
    EXPECT_EQ(form.esercizio, 0);
    EXPECT_EQ(form.esatto, 0);
    EXPECT_EQ(form.errato, 0);
}

}  // namespace
