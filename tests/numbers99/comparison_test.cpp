// "CONFRONTO": the limit box, the two numbers drawn below it and the one
// judged click on a sign.
#include <gtest/gtest.h>

#include <set>

#include "numbers99/comparison.h"
#include "tests/numbers99/child.h"

namespace {

using namespace numbers99::testing;
using numbers99::Form3;

class Comparison : public ::testing::Test {
  protected:
    ui::Driver d;
    Form3& form = d.screen<Form3>();
    double clock = 40000;

    void SetUp() override { openFromMenu(d, "Label4"); }

    void limit(const std::string& text) {
        d.click("Text1");
        d.type(text);
    }
    void request() {
        clock += 3.77;
        d.setClock(clock);
        d.click("Label9");
    }
    // The sign that is right for the numbers on the board.
    const char* rightSign() {
        int first = numberIn(d, "Label3"), second = numberIn(d, "Label4");
        return first < second ? "Label5" : first == second ? "Label6" : "Label7";
    }
    const char* aWrongSign() { return std::string(rightSign()) == "Label6" ? "Label5" : "Label6"; }
};

TEST_F(Comparison, OnlyTheLimitBoxIsOpenAtFirst) {
    EXPECT_EQ(d.focusedName(), "Text1");
    for (const char* closed : {"Label5", "Label6", "Label7", "Label9"})
        EXPECT_FALSE(enabled(d, closed)) << closed;
}

TEST_F(Comparison, ARightSignScoresAndShowsTheCaptionWithTheLimit) {
    limit("50");
    EXPECT_TRUE(enabled(d, "Label9"));
    request();
    EXPECT_EQ(d.front().caption, "tevo - Aritmetica cl. II     CONFRONTO  <  =  >  ( entro   50 )");
    EXPECT_EQ(face(d), kNeutral);
    EXPECT_FALSE(enabled(d, "Text1"));
    EXPECT_FALSE(enabled(d, "Label9"));
    const char* sign = rightSign();
    d.click(sign);
    EXPECT_EQ(face(d), kHappy);
    EXPECT_EQ(d.control(sign).foreColor, ui::kWhite);
    EXPECT_EQ(d.text("Label15"), "1");
    EXPECT_EQ(d.text("Label19"), "1");
    EXPECT_TRUE(enabled(d, "Text1"));
    EXPECT_TRUE(enabled(d, "Label9"));
}

TEST_F(Comparison, OnlyTheFirstClickIsJudgedAndARedSignStaysUntilTheNextProblem) {
    limit("50");
    request();
    const char* wrong = aWrongSign();
    const char* right = rightSign();
    d.click(wrong);
    EXPECT_EQ(face(d), kSad);
    EXPECT_EQ(d.control(wrong).foreColor, ui::kRed);
    EXPECT_EQ(d.text("Label15"), "");
    EXPECT_EQ(d.text("Label19"), "1");
    EXPECT_EQ(form.errato, 1);
    d.click(right);  // not judged
    EXPECT_EQ(face(d), kSad);
    EXPECT_EQ(d.control(wrong).foreColor, ui::kRed);
    EXPECT_EQ(form.esatto, 0);
    EXPECT_EQ(form.errato, 1);
    EXPECT_EQ(form.conteggio, 2);
    request();
    for (const char* s : {"Label5", "Label6", "Label7"}) EXPECT_EQ(d.control(s).foreColor, ui::kWhite) << s;
}

TEST_F(Comparison, Limit0Or1GivesTwoZerosAndOnlyEqualIsRight) {
    for (const char* l : {"1", "0"}) {
        d.click("Text1");
        d.key(ui::key::kBackspace);
        d.key(ui::key::kBackspace);
        d.type(l);
        request();
        EXPECT_EQ(d.text("Label3"), "0");
        EXPECT_EQ(d.text("Label4"), "0");
        EXPECT_STREQ(rightSign(), "Label6");
        d.click("Label6");
        EXPECT_EQ(face(d), kHappy);
    }
}

TEST_F(Comparison, Limit99DrawsEachNumberFrom0To98) {
    limit("99");
    std::set<int> seen;
    std::set<std::string> relations;
    for (int i = 0; i < 2000; ++i) {
        request();
        int first = numberIn(d, "Label3"), second = numberIn(d, "Label4");
        ASSERT_LE(first, 98);
        ASSERT_LE(second, 98);
        seen.insert(first);
        seen.insert(second);
        relations.insert(rightSign());
        d.click(rightSign());
    }
    EXPECT_EQ(seen.size(), 99u);  // 0 to 98, each of them
    EXPECT_EQ(relations.size(), 3u);
}

TEST_F(Comparison, OnlyAWholeNumberOfOneOrTwoDigitsOpensDammiINumeri) {
    struct Case {
        const char* typed;
        bool opens;
    } cases[] = {{"7", true},   {"07", true},  {"99", true},  {"", false},  {"a", false},
                 {"5a", false}, {"-5", false}, {"2.", false}, {" 5", false}};
    for (const Case& c : cases) {
        d.click("Text1");
        form.Text1.text.clear();
        d.type(c.typed);
        if (std::string(c.typed).empty()) d.key(ui::key::kBackspace);
        EXPECT_EQ(enabled(d, "Label9"), c.opens) << '"' << c.typed << '"';
    }
    form.Text1.text.clear();
    d.type("123");  // a third character empties the box and closes the hotspot
    EXPECT_EQ(d.text("Text1"), "");
    EXPECT_FALSE(enabled(d, "Label9"));
}

// A later click on a sign judges nothing, but opens the limit box and
// leaves "DAMMI I NUMERI" open only for a limit of one or two digits.
TEST_F(Comparison, ASecondClickOnASignReopensTheLimitWithoutJudging) {
    struct Case {
        const char* typed;  // typed into the limit box between the two clicks
        bool opens;
    } cases[] = {{"123", false}, {"a", false}, {"-5", false}, {"7", true}, {"42", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        form.Text1.text.clear();
        limit("50");
        request();
        const char* wrong = aWrongSign();
        d.click(wrong);
        int esatto = form.esatto, errato = form.errato;
        d.click("Text1");
        form.Text1.text.clear();
        d.type(c.typed);
        d.click(rightSign());
        EXPECT_TRUE(enabled(d, "Text1"));
        EXPECT_EQ(enabled(d, "Label9"), c.opens);
        EXPECT_EQ(face(d), kSad);
        EXPECT_EQ(d.control(wrong).foreColor, ui::kRed);
        EXPECT_EQ(form.esatto, esatto);
        EXPECT_EQ(form.errato, errato);
    }
}

TEST_F(Comparison, ProblemCountRestartsPast99ButTheScoreGoesOn) {
    limit("9");
    form.esercizio = 99;
    form.esatto = 40;
    request();
    d.click(rightSign());
    EXPECT_EQ(d.text("Label19"), "0");
    EXPECT_EQ(d.text("Label15"), "41");
}

}  // namespace
