// Open sentences as a child meets them: a multiplication with one factor
// missing, the one-digit open box, the two-key-press score and the sentences
// whose product is 0.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "app/program.h"
#include "multiplication/open_sentences.h"
#include "ui/driver.h"
#include "ui/text.h"

namespace {

using multiplication::Form11;

enum class Face { None, Neutral, Happy, Sad };

class OpenSentencesTest : public ::testing::Test {
  protected:
    ui::Driver d;
    Form11& form = d.screen<Form11>();
    double clock = 41000.5;

    void SetUp() override {
        d.start(app::startProgram);
        d.click("Label2");   // title -> menu
        d.click("Label12");  // "FRASI APERTE ( moltiplicazione )"
    }

    int pn() { return static_cast<int>(form.pn.number()); }
    int sn() { return static_cast<int>(form.sn.number()); }
    bool firstOpen() { return form.c.number() == static_cast<int>(Form11::kFirstFactor); }
    ui::TextBox& openBox() { return firstOpen() ? form.Text1 : form.Text2; }
    ui::TextBox& shownBox() { return firstOpen() ? form.Text2 : form.Text1; }
    std::string hidden() { return firstOpen() ? form.pn.text() : form.sn.text(); }
    std::string wrongDigit() { return hidden() == "5" ? "6" : "5"; }

    // "SCRIVI UNA FRASE" until the sentence fits, then a click into the open
    // box, as the child does before writing.
    void drawUntil(const std::function<bool()>& fits) {
        for (int tries = 0; tries < 5000; ++tries) {
            clock += 3.77;
            d.setClock(clock);
            d.click("Label6");
            d.click(openBox().name());
            if (fits()) return;
            d.key(ui::key::kShift);  // a released key opens the hotspot again
        }
        FAIL() << "no such sentence drawn";
    }

    // h the hidden digit, w a wrong digit, < Backspace, > Enter, ^ Shift,
    // anything else typed as it is.
    void keys(const std::string& sequence) {
        for (char k : sequence) {
            switch (k) {
                case 'h':
                    d.type(hidden());
                    break;
                case 'w':
                    d.type(wrongDigit());
                    break;
                case '<':
                    d.key(ui::key::kBackspace);
                    break;
                case '>':
                    d.key(ui::key::kEnter);
                    break;
                case '^':
                    d.key(ui::key::kShift);
                    break;
                default:
                    d.type(std::string(1, k));
            }
        }
    }

    Face face() {
        int shown = form.Image1.visible + form.Image2.visible + form.Image3.visible;
        EXPECT_LE(shown, 1);
        if (form.Image1.visible) return Face::Neutral;
        if (form.Image2.visible) return Face::Happy;
        if (form.Image3.visible) return Face::Sad;
        return Face::None;
    }
};

TEST_F(OpenSentencesTest, TheMenuOpensTheScreenWithLockedEmptyBoxes) {
    EXPECT_EQ(d.front().formName(), "Form11");
    EXPECT_EQ(d.front().caption, "tevo - Aritmetica cl. II     FRASI APERTE  ( moltiplicazione )");
    EXPECT_EQ(d.text("Label1"), "COMPLETA LE SEGUENTI FRASI APERTE");
    EXPECT_EQ(form.Label6.toolTip, "SCRIVI UNA FRASE");
    EXPECT_EQ(face(), Face::None);
    EXPECT_EQ(d.focusedName(), "Text1");
    d.type("4");
    d.key(ui::key::kBackspace);
    EXPECT_EQ(form.Text1.text, "");
    EXPECT_EQ(face(), Face::None);
    d.click("Text3");
    d.type("4");
    EXPECT_EQ(form.Text3.text, "");
}

// Until the visit's first sentence the locked boxes judge nothing: no face,
// no score, not against the sentence of an earlier visit either.
TEST_F(OpenSentencesTest, NoKeyIsJudgedBeforeTheVisitsFirstSentence) {
    auto pressKeys = [&] {
        for (const char* box : {"Text1", "Text2"}) {
            d.click(box);
            keys("h>w^");
        }
        EXPECT_EQ(face(), Face::None);
        EXPECT_EQ(form.Label15.caption, "");
        EXPECT_EQ(form.Label19.caption, "");
        EXPECT_EQ(form.esatto, 0);
        EXPECT_EQ(form.errato, 0);
    };
    pressKeys();
    // 0 x 5 = 0 with the first factor open: an empty box would read as its 0.
    drawUntil([&] { return firstOpen() && form.p.number() == 0 && sn() != 0; });
    d.click("Image5");  // to the menu and back, the sentence still in the members
    d.click("Label12");
    pressKeys();
}

TEST_F(OpenSentencesTest, EachSentenceHidesOneOfTwoFactorsFromZeroToEight) {
    std::set<int> firsts, seconds, open;
    for (int i = 0; i < 300; ++i) {
        drawUntil([] { return true; });
        ASSERT_GE(pn(), 0);
        ASSERT_LE(pn(), 8);
        ASSERT_GE(sn(), 0);
        ASSERT_LE(sn(), 8);
        firsts.insert(pn());
        seconds.insert(sn());
        open.insert(static_cast<int>(form.c.number()));
        EXPECT_EQ(form.Text3.text, std::to_string(pn() * sn()));
        EXPECT_EQ(shownBox().text, firstOpen() ? form.sn.text() : form.pn.text());
        EXPECT_FALSE(shownBox().enabled);
        EXPECT_FALSE(shownBox().tabStop);
        EXPECT_TRUE(shownBox().locked);
        EXPECT_TRUE(openBox().enabled);
        EXPECT_TRUE(openBox().tabStop);
        EXPECT_FALSE(openBox().locked);
        EXPECT_EQ(openBox().text, "");
        EXPECT_EQ(openBox().foreColor, ui::kWhite);
        EXPECT_TRUE(form.Text3.locked);
        EXPECT_EQ(face(), Face::Neutral);
        d.key(ui::key::kShift);
    }
    EXPECT_EQ(firsts.size(), 9u);
    EXPECT_EQ(seconds.size(), 9u);
    EXPECT_EQ(open, (std::set<int>{1, 2}));
}

TEST_F(OpenSentencesTest, FourTimesThreeWithTheSecondFactorOpen) {
    drawUntil([&] { return pn() == 4 && sn() == 3 && !firstOpen(); });
    EXPECT_EQ(form.Text1.text, "4");
    EXPECT_EQ(form.Text3.text, "12");
    d.type("3");
    EXPECT_EQ(face(), Face::Happy);
    EXPECT_EQ(form.Text2.foreColor, ui::kWhite);
    d.type("5");
    EXPECT_EQ(form.Text2.text, "5");
    EXPECT_EQ(face(), Face::Sad);
    EXPECT_EQ(form.Text2.foreColor, ui::kRed);
}

TEST_F(OpenSentencesTest, TheOpenBoxHoldsOneDigit) {
    for (bool first : {true, false}) {
        SCOPED_TRACE(first ? "first factor open" : "second factor open");
        drawUntil([&] { return firstOpen() == first; });
        keys("35");
        EXPECT_EQ(openBox().text, "5");  // replaced, never "35"
        keys("x");
        EXPECT_EQ(openBox().text, "5");  // a dropped key leaves it
        keys("<");
        EXPECT_EQ(openBox().text, "");  // Backspace deletes it
        keys("<7");
        EXPECT_EQ(openBox().text, "7");
    }
}

// With no click, the focus goes where the draw sends it: disabling the box
// that held it moves it on, then the draw's own move to the next tab stop.
// The locked product box is a tab stop, so the focus usually ends there.
TEST_F(OpenSentencesTest, WhereTheFocusLandsAfterADrawWithNoClick) {
    struct Case {
        const char* before;  // the box holding the focus: "" for a fresh visit
        bool firstOpen;      // the factor the new sentence leaves open
        const char* focus;
    };
    const Case cases[] = {
        {"", false, "Text3"},     {"", true, "Text3"},       {"Text1", false, "Text3"},
        {"Text1", true, "Text3"}, {"Text2", false, "Text3"}, {"Text2", true, "Text1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + (c.firstOpen ? ", first factor open" : ", second factor open"));
        bool drawn = false;
        for (int tries = 0; tries < 200 && !drawn; ++tries) {
            if (*c.before == '\0') {
                d.click("Image5");  // to the menu and back: the focus starts in Text1
                d.click("Label12");
                ASSERT_EQ(d.focusedName(), "Text1");
            } else {
                drawUntil([&] { return openBox().name() == c.before; });
                d.key(ui::key::kShift);  // opens the hotspot again
            }
            clock += 3.77;
            d.setClock(clock);
            d.click("Label6");
            drawn = firstOpen() == c.firstOpen;
        }
        ASSERT_TRUE(drawn);
        EXPECT_EQ(d.focusedName(), c.focus);
    }
}

TEST_F(OpenSentencesTest, TheHotspotWaitsForAKeyReleasedInTheOpenBox) {
    drawUntil([] { return true; });
    EXPECT_FALSE(form.Label6.enabled);
    int asked = form.esercizio;
    d.click("Label6");
    EXPECT_EQ(form.esercizio, asked);
    d.key(ui::key::kShift);
    EXPECT_TRUE(form.Label6.enabled);
    d.click("Label6");  // an unanswered sentence can be left for a new one
    EXPECT_EQ(form.esercizio, asked + 1);
}

TEST_F(OpenSentencesTest, OnlyAJudgementAtTheSecondKeyPressScores) {
    struct Case {
        const char* keys;
        int esatti, errati;
        Face face;
    };
    const Case cases[] = {
        {"h", 0, 0, Face::Happy},                               // the first press shows the face only
        {"h>", 1, 0, Face::Happy},                              // Enter is the second press
        {"hh", 1, 0, Face::Happy},   {"hhw", 1, 0, Face::Sad},  // a third press moves nothing
        {"wh", 1, 0, Face::Happy},                              // the second press decides
        {"hw", 0, 1, Face::Sad},     {"w>", 0, 1, Face::Sad},
        {"h^^>", 1, 0, Face::Happy},  // Shift types nothing and is no press
        {"h>^^", 1, 0, Face::Happy},  // keys that type nothing score no sentence twice
        {"w>^", 0, 1, Face::Sad},    {"x", 0, 0, Face::Neutral},  // a dropped key on its own judges nothing
        {"xh", 1, 0, Face::Happy},                                // but it is counted
        {">>>h", 0, 0, Face::Happy},                              // the second press judged an empty box
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        drawUntil([&] { return form.p.number() != 0; });
        int esatto = form.esatto, errato = form.errato;
        keys(c.keys);
        EXPECT_EQ(form.esatto - esatto, c.esatti);
        EXPECT_EQ(form.errato - errato, c.errati);
        EXPECT_EQ(face(), c.face);
    }
}

// With a product of 0 the shown factor decides: a shown 0 takes any digit,
// a shown factor that is not 0 takes only 0.
TEST_F(OpenSentencesTest, SentencesWithProductZeroHaveTheirOwnJudgement) {
    struct Case {
        const char* what;
        bool firstOpen;
        bool shownZero;
        const char* keys;
        Face face;
        ui::Color colour;
        int esatti, errati;
        bool suRefreshed;
    };
    const ui::Color white = ui::kWhite, red = ui::kRed;
    const Case cases[] = {
        {"first open, 0 shown, any digit", true, true, "7", Face::Happy, white, 0, 0, true},
        {"first open, 0 shown, zero", true, true, "0", Face::Happy, white, 0, 0, true},
        {"first open, 0 shown, scored", true, true, "9>", Face::Happy, white, 1, 0, true},
        {"first open, 0 shown, emptied", true, true, "9<", Face::Happy, white, 0, 0, true},
        {"first open, non-zero shown, zero", true, false, "0", Face::Happy, white, 0, 0, true},
        {"first open, non-zero shown, not zero", true, false, "3", Face::Sad, red, 0, 0, true},
        {"first open, non-zero shown, not zero scored", true, false, "3>", Face::Sad, red, 0, 1, true},
        {"first open, non-zero shown, emptied is right", true, false, "3<", Face::Happy, white, 1, 0, true},
        {"second open, 0 shown, any digit", false, true, "7", Face::Happy, white, 0, 0, true},
        {"second open, 0 shown, scored", false, true, "4>", Face::Happy, white, 1, 0, true},
        {"second open, 0 shown, emptied is not judged", false, true, "5<", Face::Happy, white, 0, 0, true},
        {"second open, non-zero shown, zero", false, false, "0", Face::Happy, white, 0, 0, true},
        {"second open, non-zero shown, zero scored", false, false, "0>", Face::Happy, white, 1, 0, true},
        {"second open, non-zero shown, not zero", false, false, "5", Face::Sad, red, 0, 0, false},
        {"second open, non-zero shown, emptied is wrong", false, false, "0<", Face::Sad, red, 0, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        drawUntil([&] {
            int shown = c.firstOpen ? sn() : pn();
            return firstOpen() == c.firstOpen && form.p.number() == 0 && (shown == 0) == c.shownZero;
        });
        EXPECT_EQ(form.Text3.text, "0");
        int esatto = form.esatto, errato = form.errato;
        keys(c.keys);
        EXPECT_EQ(face(), c.face);
        EXPECT_EQ(openBox().foreColor, c.colour);
        EXPECT_EQ(form.esatto - esatto, c.esatti);
        EXPECT_EQ(form.errato - errato, c.errati);
        EXPECT_EQ(form.Label19.caption == ui::numberText(static_cast<long long>(form.esercizio)),
                  c.suRefreshed);
    }
}

TEST_F(OpenSentencesTest, TheScoreShowsRightAnswersOutOfSentences) {
    drawUntil([&] { return form.p.number() != 0; });
    keys("h>");
    EXPECT_EQ(form.Label15.caption, "1");
    EXPECT_EQ(form.Label19.caption, std::to_string(form.esercizio));
    drawUntil([&] { return form.p.number() != 0; });
    keys("w>");
    EXPECT_EQ(form.Label15.caption, "1");  // a wrong answer leaves ESATTI alone
    EXPECT_EQ(form.errato, 1);
}

TEST_F(OpenSentencesTest, TheHundredthSentenceRestartsTheWholeScore) {
    for (int i = 1; i <= 99; ++i) {
        drawUntil([] { return true; });
        keys("h>");
    }
    EXPECT_EQ(form.Label15.caption, "99");
    EXPECT_EQ(form.esercizio, 99);
    drawUntil([] { return true; });
    keys("h>");
    EXPECT_EQ(form.Label19.caption, "0");
    EXPECT_EQ(form.Label15.caption, "1");
    EXPECT_EQ(form.errato, 0);
}

TEST_F(OpenSentencesTest, BackToTheMenuResetsTheScoreButNotTheSentence) {
    drawUntil([&] { return form.p.number() != 0; });
    keys("h>");
    int first = pn();
    d.click("Image5");  // "TORNA A MENU"
    EXPECT_EQ(d.front().formName(), "Form1");
    EXPECT_EQ(form.esercizio, 0);
    EXPECT_EQ(form.esatto, 0);
    EXPECT_EQ(pn(), first);
    d.click("Label12");
    EXPECT_EQ(form.Label15.caption, "");
    EXPECT_EQ(form.Label19.caption, "");
    EXPECT_TRUE(form.Text1.locked);
    EXPECT_EQ(form.Text1.text, "");
    drawUntil([] { return true; });
    keys("h");
    EXPECT_EQ(form.Label19.caption, "1");
}

TEST_F(OpenSentencesTest, TheEraserEndsTheProgram) {
    d.click("Label5");
    EXPECT_TRUE(d.ended());
}

}  // namespace
