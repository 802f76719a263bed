// The title screen, the information box and the main menu as a child meets
// them: the way in, the hover frames, the box over the disabled title, the
// exits, and every menu entry opening its screen.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/information.h"
#include "app/main_menu.h"
#include "app/program.h"
#include "app/title.h"
#include "ui/driver.h"

namespace {

using Screens = std::vector<std::string>;

class TitleAndMenu : public ::testing::Test {
  protected:
    void SetUp() override { driver.start(app::startProgram); }
    ui::Driver driver;
};

TEST_F(TitleAndMenu, TheProgramOpensOnTheTitleAlone) {
    EXPECT_EQ(driver.loadedScreens(), Screens{"Form12"});
    EXPECT_EQ(driver.front().caption, "tevo - Aritmetica cl. II");
    EXPECT_EQ(driver.text("Label2"), "PROGRAMMA DI ARITMETICA ");
    EXPECT_EQ(driver.control("Label4").toolTip, "ESCI DAl  PROGRAMMA");
}

TEST_F(TitleAndMenu, InfoStandsOverTheDisabledTitleUntilOk) {
    driver.click("Label8");
    EXPECT_EQ(driver.loadedScreens(), (Screens{"Form12", "Form18"}));
    EXPECT_FALSE(driver.screen<app::Form12>().enabled);
    driver.on("Form12").click("Label2");  // the title takes no click
    driver.on("Form12").click("Label4");
    EXPECT_EQ(driver.loadedScreens(), (Screens{"Form12", "Form18"}));
    EXPECT_FALSE(driver.ended());
    driver.click("Label1");  // OK
    EXPECT_EQ(driver.loadedScreens(), Screens{"Form12"});
    EXPECT_TRUE(driver.screen<app::Form12>().enabled);
}

TEST_F(TitleAndMenu, ClosingTheInformationBoxThroughItsFrameActsAsOk) {
    driver.click("Label8");
    driver.onFront().close();
    EXPECT_EQ(driver.loadedScreens(), Screens{"Form12"});
    EXPECT_TRUE(driver.screen<app::Form12>().enabled);
    driver.on("Form12").close();  // the title is the last screen: the program ends
    EXPECT_TRUE(driver.ended());
}

TEST_F(TitleAndMenu, ADisabledTitleDoesNotCloseThroughItsFrame) {
    driver.click("Label8");
    driver.on("Form12").close();
    EXPECT_EQ(driver.loadedScreens(), (Screens{"Form12", "Form18"}));
}

TEST_F(TitleAndMenu, TitleHoverFrames) {
    auto& title = driver.screen<app::Form12>();
    driver.moveTo("Label2");
    EXPECT_EQ(title.Label2.borderStyle, 1);
    driver.moveTo("Label3");  // down onto "cl.II" clears it
    EXPECT_EQ(title.Label2.borderStyle, 0);
    driver.moveTo("Label8");
    driver.moveTo("Label6");  // "INFO" keeps its frame over another label
    EXPECT_EQ(title.Label8.borderStyle, 1);
    driver.moveTo(200, 8200);  // bare screen clears both
    EXPECT_EQ(title.Label8.borderStyle, 0);
}

TEST_F(TitleAndMenu, MenuEntriesStayFramedUntilThePointerCrossesBareScreen) {
    driver.click("Label2");
    auto& menu = driver.screen<app::Form1>();
    driver.moveTo("Label5");
    driver.moveTo("Label7");  // straight onto the next entry
    EXPECT_EQ(menu.Label5.borderStyle, 1);
    EXPECT_EQ(menu.Label7.borderStyle, 1);
    driver.moveTo(6000, 150);
    EXPECT_EQ(menu.Label5.borderStyle, 0);
    EXPECT_EQ(menu.Label7.borderStyle, 0);
}

TEST_F(TitleAndMenu, GoingBackAndForthLoadsBothScreensAfresh) {
    driver.click("Label2");
    EXPECT_EQ(driver.loadedScreens(), Screens{"Form1"});
    driver.moveTo("Label5");
    driver.click("Image5");
    EXPECT_EQ(driver.loadedScreens(), Screens{"Form12"});
    driver.moveTo("Label2");
    driver.click("Label2");
    EXPECT_EQ(driver.loadedScreens(), Screens{"Form1"});
    EXPECT_EQ(driver.screen<app::Form1>().Label5.borderStyle, 0);
    driver.click("Image5");
    EXPECT_EQ(driver.screen<app::Form12>().Label2.borderStyle, 0);
}

TEST_F(TitleAndMenu, EachExitHotspotEndsTheProgram) {
    driver.click("Label4");
    EXPECT_TRUE(driver.ended());
    ui::Driver again;
    again.start(app::startProgram);
    again.click("Label2");
    again.click("Label15");
    EXPECT_TRUE(again.ended());
}

// Wherever a picture or a footer overlaps an exit hotspot, the hotspot lies
// on top: every point of it is the hotspot, and a click at each of its
// corners ends the program, on every screen that has one.
ui::Screen* screenNamed(ui::Driver& driver, const std::string& name) {
    if (name == "Form1") return &driver.screen<app::Form1>();
    if (name == "Form12") return &driver.screen<app::Form12>();
    if (name == "Form18") return &driver.screen<app::Form18>();
    return driver.registry().instance(name);  // the screens the menus open by name
}

TEST(ExitHotspots, EveryPointOfEveryExitHotspotIsTheExit) {
    std::set<std::string> withExit;
    for (int number = 1; number <= 21; ++number) {
        std::string name = "Form" + std::to_string(number);
        SCOPED_TRACE(name);
        ui::Driver look;
        ui::Screen* screen = screenNamed(look, name);
        if (!screen) continue;
        look.registry().show(*screen);
        for (const ui::Control* exit : screen->controls()) {
            if (exit->kind() != ui::Kind::Label || exit->toolTip.rfind("ESCI", 0) != 0) continue;
            withExit.insert(name);
            // One point per pixel, at its centre.
            std::vector<int> xs, ys;
            for (int x = exit->left + 7; x < exit->left + exit->width; x += 15) xs.push_back(x);
            for (int y = exit->top + 7; y < exit->top + exit->height; y += 15) ys.push_back(y);
            int covered = 0;
            for (int x : xs) {
                for (int y : ys) covered += screen->controlAt(x, y) != exit;
            }
            EXPECT_EQ(covered, 0) << exit->name();
            for (int x : {xs.front(), xs.back()}) {
                for (int y : {ys.front(), ys.back()}) {
                    ui::Driver child;
                    ui::Screen& fresh = *screenNamed(child, name);
                    child.registry().show(fresh);
                    child.on(fresh).clickAt(x, y);
                    EXPECT_TRUE(child.ended()) << exit->name() << " at " << x << "," << y;
                }
            }
        }
    }
    EXPECT_EQ(withExit,
              (std::set<std::string>{"Form1", "Form10", "Form11", "Form12", "Form13", "Form14", "Form2",
                                     "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9"}));
}

TEST_F(TitleAndMenu, EveryEntryOpensItsScreenAndLeavesTheMenu) {
    struct Entry {
        const char* label;
        const char* screen;
    } entries[] = {{"Label16", "Form20"}, {"Label13", "Form13"}, {"Label14", "Form14"}, {"Label4", "Form3"},
                   {"Label5", "Form4"},   {"Label7", "Form6"},   {"Label6", "Form5"},   {"Label8", "Form7"},
                   {"Label1", "Form2"},   {"Label9", "Form8"},   {"Label10", "Form9"},  {"Label11", "Form10"},
                   {"Label12", "Form11"}};
    for (const Entry& e : entries) {
        ui::Driver d;
        d.start(app::startProgram);
        d.click("Label2");
        d.click(e.label);
        EXPECT_EQ(d.loadedScreens(), Screens{e.screen}) << e.label;
    }
}

}  // namespace
