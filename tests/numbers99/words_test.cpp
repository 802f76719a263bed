// "SCRIVI IN LETTERE IL NUMERO DATO": the number in digits, the letter filter
// of the answer box and the confirmation that judges the word.
#include <gtest/gtest.h>

#include <set>

#include "numbers99/words.h"
#include "tests/numbers99/child.h"
#include "words/number_words.h"

namespace {

using namespace numbers99::testing;
using numbers99::Form14;

class Words : public ::testing::Test {
  protected:
    ui::Driver d;
    Form14& form = d.screen<Form14>();
    words::NumberWords words{99};
    double clock = 50000;

    void SetUp() override { openFromMenu(d, "Label14"); }

    void limit(const std::string& text) {
        d.click("Text2");
        d.type(text);
    }
    void request() {
        clock += 2.71;
        d.setClock(clock);
        d.click("Label1");
    }
    void confirm() { d.click("Label13"); }
    // Any word confirmed, so the hotspot opens for the next problem.
    void answerAnything() {
        d.type("z");
        confirm();
    }
    void requestNumber(int n) {
        for (int i = 0; i < 1000; ++i) {
            request();
            if (d.text("Label4") == std::to_string(n)) return;
            answerAnything();
        }
        FAIL() << "never drew " << n;
    }
};

TEST_F(Words, TheAnswerBoxAppearsWithTheFirstProblem) {
    EXPECT_FALSE(visible(d, "Text1"));
    EXPECT_FALSE(visible(d, "Label13"));
    EXPECT_FALSE(enabled(d, "Label1"));
    EXPECT_EQ(d.focusedName(), "Text2");
    d.type("30");
    request();
    EXPECT_TRUE(visible(d, "Text1"));
    EXPECT_TRUE(visible(d, "Label13"));
    EXPECT_FALSE(enabled(d, "Label13"));  // nothing typed, nothing to confirm
    EXPECT_FALSE(enabled(d, "Text2"));
    EXPECT_EQ(d.focusedName(), "Text1");
    EXPECT_EQ(d.front().caption, "tevo - Aritmetica cl II        Numeri in lettere entro 30");
}

TEST_F(Words, Limit99ShowsEachNumberFrom0To98InDigits) {
    limit("99");
    std::set<std::string> seen;
    for (int i = 0; i < 1500; ++i) {
        request();
        int n = numberIn(d, "Label4");
        ASSERT_LE(n, 98);
        ASSERT_EQ(d.text("Label4"), std::to_string(n));
        seen.insert(d.text("Label4"));
        answerAnything();
    }
    EXPECT_EQ(seen.size(), 99u);
}

TEST_F(Words, LowerCaseLettersBecomeCapitalsAndOtherKeysAreDropped) {
    limit("22");
    requestNumber(21);
    d.type("v1e Lnb.tu-no");
    EXPECT_EQ(d.text("Text1"), "VENTUNO");
    EXPECT_TRUE(enabled(d, "Label13"));
    int before = form.esatto;
    confirm();
    EXPECT_EQ(face(d), kHappy);
    EXPECT_EQ(form.esatto, before + 1);
    EXPECT_EQ(d.text("Label6"), std::to_string(before + 1));
    EXPECT_EQ(d.text("Label10"), std::to_string(form.esercizio));
    EXPECT_FALSE(enabled(d, "Label13"));
    EXPECT_TRUE(enabled(d, "Label1"));
    EXPECT_TRUE(enabled(d, "Text2"));
}

TEST_F(Words, ACompleteRightWordCannotBeChanged) {
    limit("22");
    requestNumber(21);
    d.type("VENTUNO");
    d.type("E");
    d.key(ui::key::kBackspace);
    EXPECT_EQ(d.text("Text1"), "VENTUNO");
}

TEST_F(Words, ACompleteWrongWordIsEmptiedByTheNextKey) {
    limit("22");
    requestNumber(21);
    d.type("VENTISE");  // the word of 27 cut to seven letters
    d.type("T");
    EXPECT_EQ(d.text("Text1"), "T");
    d.key(ui::key::kBackspace);
    d.type("VENTIUN");  // the tens word whole before UNO can never be typed
    d.type("O");
    EXPECT_EQ(d.text("Text1"), "O");
}

TEST_F(Words, AnEmptyOrHalfWordIsWrongAndOnlyTheFirstConfirmationCounts) {
    limit("22");
    requestNumber(21);
    form.esatto = 0;
    form.errato = 0;
    std::string suBefore = d.text("Label10");
    d.type("1");  // dropped, yet it opens the confirmation
    EXPECT_EQ(d.text("Text1"), "");
    confirm();
    EXPECT_EQ(face(d), kSad);
    EXPECT_EQ(form.errato, 1);
    EXPECT_EQ(d.text("Label10"), suBefore);  // "SU" waits for a right answer
    EXPECT_FALSE(enabled(d, "Label13"));
    d.type("VENT");
    EXPECT_TRUE(enabled(d, "Label13"));
    confirm();
    EXPECT_EQ(face(d), kSad);
    EXPECT_EQ(form.errato, 1);
    d.type("UNO");
    confirm();
    EXPECT_EQ(face(d), kHappy);
    EXPECT_EQ(form.esatto, 0);
    EXPECT_EQ(form.errato, 1);
    EXPECT_EQ(d.text("Label6"), "0");
    EXPECT_EQ(d.text("Label10"), std::to_string(form.esercizio));
}

// A letter typed after a confirmation opens "CONFERMA" again; the next
// number closes it until the child types, so the first confirmation of the
// new number is the child's word and can score.
TEST_F(Words, ANewNumberClosesTheConfirmationUntilAKeyIsPressed) {
    limit("1");  // the number is always 0
    request();
    answerAnything();
    d.type("z");
    ASSERT_TRUE(enabled(d, "Label13"));
    request();
    EXPECT_FALSE(enabled(d, "Label13"));
    int esatto = form.esatto, errato = form.errato;
    confirm();
    EXPECT_EQ(form.errato, errato);
    EXPECT_EQ(face(d), kNeutral);
    d.type("zero");
    confirm();
    EXPECT_EQ(face(d), kHappy);
    EXPECT_EQ(form.esatto, esatto + 1);
}

TEST_F(Words, Limit0Or1OrNoneAlwaysGivesZero) {
    for (const char* l : {"1", "0", ""}) {
        d.click("Text2");
        d.key(ui::key::kBackspace);
        d.type(l);
        request();
        EXPECT_EQ(d.text("Label4"), "0");
        d.type("zero");
        confirm();
        EXPECT_EQ(face(d), kHappy) << '"' << l << '"';
    }
}

TEST_F(Words, ProblemCountRestartsPast99ButTheScoreGoesOn) {
    limit("5");
    form.esercizio = 99;
    form.esatto = 50;
    form.errato = 20;
    request();
    EXPECT_EQ(form.esercizio, 0);
    EXPECT_EQ(form.esatto, 50);
    EXPECT_EQ(form.errato, 20);
}

TEST(WordsFilter, TheFourteenLettersInEitherCaseAndBackspacePass) {
    for (int code = 1; code < 256; ++code) {
        int key = code;
        Form14::letterFilter(key);
        char upper = static_cast<char>(code >= 'a' && code <= 'z' ? code - 32 : code);
        bool passes = code == 8 || (std::string("ACDEINOQRSTUVZ").find(upper) != std::string::npos &&
                                    ((code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z')));
        EXPECT_EQ(key, passes ? (code == 8 ? 8 : upper) : 0) << code;
    }
}

}  // namespace
