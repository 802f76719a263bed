// On the multiplication screen without carry the credit footer leads back to
// the menu; where it overlaps the eraser, the eraser wins.
#include <gtest/gtest.h>

#include "columns/multiplication.h"
#include "ui/driver.h"

namespace {

TEST(Form9Footer, TheEraserEdgeUnderTheFooterStillEndsTheProgram) {
    ui::Driver d;
    d.show<columns::Form9>();
    d.onFront().clickAt(3965, 7700);
    EXPECT_TRUE(d.ended());
}

TEST(Form9Footer, TheFooterBesideTheEraserLeadsBackToTheMenu) {
    ui::Driver d;
    d.show<columns::Form9>();
    d.onFront().clickAt(6000, 7800);
    EXPECT_EQ(d.loadedScreens(), std::vector<std::string>{"Form1"});
}

}  // namespace
