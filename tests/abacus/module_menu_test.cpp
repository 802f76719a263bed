// The module menu as the child meets it: reached from the main menu, its
// four entry pictures, the frames that follow the pointer, and the way back.
#include <gtest/gtest.h>

#include <string>

#include "abacus/building.h"
#include "abacus/module_menu.h"
#include "abacus/reading.h"
#include "abacus/words_and_digits.h"
#include "app/credits.h"
#include "app/program.h"
#include "ui/driver.h"

namespace {

const std::string kTitle = "IL NUMERO: I numeri entro 1000 in lettere e in cifre          a.s.  2007-08";

class ModuleMenuTest : public ::testing::Test {
  protected:
    ui::Driver driver;
    void SetUp() override {
        driver.start(app::startProgram);
        driver.click("Label2");   // title -> main menu
        driver.click("Label16");  // "I NUMERI ENTRO 1000 CON L'AIUTO DELL'ABACO"
    }
};

TEST_F(ModuleMenuTest, TheMainMenuEntryOpensTheModuleMenuAlone) {
    EXPECT_EQ(driver.loadedScreens(), std::vector<std::string>{"Form20"});
    EXPECT_EQ(driver.text("Label2"), "IL NUMERO ENTRO 1000 IN CIFRE E IN LETTERE");
}

TEST_F(ModuleMenuTest, EachEntryOpensItsScreenAndItsBackPictureReturnsHere) {
    struct Case {
        const char* entry;
        const char* screen;
        const char* back;
    };
    for (Case c : {Case{"Image12", "Form15", "Image5"}, Case{"Image13", "Form17", "Image5"},
                   Case{"Image16", "Form16", "Image4"}, Case{"Image19", "Form16", "Image4"}}) {
        SCOPED_TRACE(c.entry);
        driver.click(c.entry);
        EXPECT_EQ(driver.loadedScreens(), std::vector<std::string>{c.screen});
        driver.click(c.back);
        EXPECT_EQ(driver.loadedScreens(), std::vector<std::string>{"Form20"});
    }
}

TEST_F(ModuleMenuTest, ThePointingHandGoesBackToTheMainMenu) {
    driver.click("Image6");
    EXPECT_EQ(driver.loadedScreens(), std::vector<std::string>{"Form1"});
}

TEST_F(ModuleMenuTest, TheComputerAndTheLowerArrowOpenTheSameScreenInTheSameState) {
    auto lowerPane = [this] {
        return std::vector<bool>{driver.control("Image5").enabled, driver.control("Text3").enabled,
                                 driver.control("Text4").enabled, driver.control("Label3").caption.empty()};
    };
    driver.click("Image16");
    auto fromComputer = lowerPane();
    driver.click("Image4");
    driver.click("Image19");
    EXPECT_EQ(driver.front().formName(), "Form16");
    EXPECT_EQ(lowerPane(), fromComputer);
    EXPECT_EQ(fromComputer, (std::vector<bool>{false, false, false, true}));
}

TEST_F(ModuleMenuTest, AFrameFollowsThePointerOverTheEntriesUntilItCrossesTheBoard) {
    auto borders = [this] {
        std::string out;
        for (const char* entry : {"Image12", "Image13", "Image16", "Image19"}) {
            out += std::to_string(driver.control(entry).borderStyle);
        }
        return out;
    };
    EXPECT_EQ(borders(), "0000");
    driver.moveTo("Image12");
    EXPECT_EQ(borders(), "1000");
    // Straight onto the word next to it, then onto another entry: the
    // frames stay until the bare board is crossed.
    driver.moveTo("Label3");
    driver.moveTo("Image16");
    EXPECT_EQ(borders(), "1010");
    driver.moveTo(11000, 600 + 900);  // bare board under the title
    EXPECT_EQ(borders(), "0000");
    driver.moveTo("Image19");
    driver.moveTo("Image13");
    EXPECT_EQ(borders(), "0101");
}

TEST_F(ModuleMenuTest, TheModuleScreensShareOneCaptionOfOurCreditAndTheTitle) {
    const std::string caption = std::string(app::kCreditLine) + " " + kTitle;
    EXPECT_EQ(driver.front().caption, caption);
    EXPECT_EQ(driver.screen<abacus::Form15>().caption, caption);
    EXPECT_EQ(driver.screen<abacus::Form16>().caption, caption);
    EXPECT_EQ(driver.screen<abacus::Form17>().caption, caption);
}

}  // namespace
