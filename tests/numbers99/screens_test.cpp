// What the four screens of numbers to 99 share: their menu entries, their
// captions at load, the way back to the menu and the exit.
#include <gtest/gtest.h>

#include <vector>

#include "tests/numbers99/child.h"

namespace {

using namespace numbers99::testing;

struct Screen {
    const char* entry;
    const char* form;
    const char* caption;
    const char* back;
    const char* exit;
    const char* credit;
};

const Screen kScreens[] = {
    {"Label1", "Form2", "tevo - Aritmetica cl. II     NUMERAZIONI ( entro 99 )", "Image5", "Label9",
     "Label20"},
    {"Label4", "Form3", "tevo - Aritmetica cl. II     CONFRONTO  <  =  >  ( entro 99 )", "Image5", "Label8",
     "Label12"},
    {"Label13", "Form13", "tevo - Aritmetica cl II        Numeri in cifre entro 99", "Image5", "Label2",
     "Label17"},
    {"Label14", "Form14", "tevo - Aritmetica cl II        Numeri in lettere entro 99", "Image5", "Label2",
     "Label8"},
};

TEST(NumbersTo99, EachMenuEntryOpensItsScreenWithNoFaceAndNoScore) {
    for (const Screen& s : kScreens) {
        ui::Driver d;
        openFromMenu(d, s.entry);
        ASSERT_EQ(d.loadedScreens(), std::vector<std::string>{s.form}) << s.entry;
        EXPECT_EQ(d.front().caption, s.caption);
        EXPECT_EQ(face(d), "") << s.form;
        EXPECT_EQ(d.control(s.back).toolTip, "TORNA A MENU");
        EXPECT_EQ(d.control(s.exit).toolTip, "ESCI");
        EXPECT_FALSE(d.text(s.credit).empty());
    }
}

TEST(NumbersTo99, TheBackPictureLeadsToTheMenuAndTheEraserEndsTheProgram) {
    for (const Screen& s : kScreens) {
        ui::Driver d;
        openFromMenu(d, s.entry);
        d.click(s.back);
        EXPECT_EQ(d.loadedScreens(), std::vector<std::string>{"Form1"}) << s.form;
        d.click(s.entry);
        d.click(s.exit);
        EXPECT_TRUE(d.ended()) << s.form;
    }
}

}  // namespace
