// What a screen reader finds on the screens: every control a child can
// click is a button with a name, the title and the menu read as they show,
// the faces say what they mean, and the abacus names its beads and rods.
#include <gtest/gtest.h>

#include <utility>

#include "app/information.h"
#include "app/main_menu.h"
#include "app/program.h"
#include "app/title.h"
#include "multiplication/tables_dialog.h"
#include "ui/accessibility.h"
#include "ui/driver.h"

namespace {

using Spoken = std::vector<std::pair<ui::Role, std::string>>;

// The controls a screen reader finds, in the screen's own order.
Spoken spoken(const ui::Screen& screen) {
    Spoken found;
    for (const ui::Control* c : screen.controls()) {
        if (ui::isAccessible(*c)) found.emplace_back(ui::accessibleRole(*c), ui::accessibleName(*c));
    }
    return found;
}

std::vector<std::string> namesWithRole(const ui::Screen& screen, ui::Role role) {
    std::vector<std::string> names;
    for (const auto& [r, name] : spoken(screen)) {
        if (r == role) names.push_back(name);
    }
    return names;
}

const char* const kScreens[] = {"Form2",  "Form3",  "Form4",  "Form5",  "Form6",  "Form7",
                                "Form8",  "Form9",  "Form10", "Form11", "Form13", "Form14",
                                "Form15", "Form16", "Form17", "Form19", "Form20"};

TEST(Accessibility, CaptionsAreSpokenWithoutTheirLayoutBlanks) {
    EXPECT_EQ(ui::spokenText("PROGRAMMA DI ARITMETICA "), "PROGRAMMA DI ARITMETICA");
    EXPECT_EQ(ui::spokenText("ADDIZIONI IN COLONNA         SENZA CAMBIO ( somma entro 99 )"),
              "ADDIZIONI IN COLONNA SENZA CAMBIO ( somma entro 99 )");
    EXPECT_EQ(ui::spokenText("   "), "");
}

// Shows a screen, asks for a problem where it has a "DAMMI ..." hotspot (a
// problem changes what is clickable on some screens), and checks that every
// control a child can click or type in is found, clickable ones as named
// buttons.
void expectEveryClickableNamed(ui::Driver& driver, ui::Screen& screen) {
    driver.registry().show(screen);
    for (const ui::Control* c : screen.controls()) {
        if (c->isLive() && c->toolTip.starts_with("DAMMI")) driver.on(screen).click(c->name());
    }
    for (const ui::Control* c : screen.controls()) {
        if (!c->visible || !(c->onClick || c->kind() == ui::Kind::TextBox)) continue;
        EXPECT_TRUE(ui::isAccessible(*c)) << screen.formName() << "." << c->name();
        if (c->onClick && c->kind() != ui::Kind::TextBox) {
            EXPECT_EQ(ui::accessibleRole(*c), ui::Role::Button) << screen.formName() << "." << c->name();
            EXPECT_FALSE(ui::accessibleName(*c).empty()) << screen.formName() << "." << c->name();
        }
    }
}

TEST(Accessibility, EveryControlAChildCanClickHasANameOnEveryScreen) {
    for (const char* formName : kScreens) {
        ui::Driver driver;
        driver.start(app::startProgram);
        ui::Screen* screen = driver.registry().instance(formName);
        ASSERT_NE(screen, nullptr) << formName;
        expectEveryClickableNamed(driver, *screen);
    }
    ui::Driver driver;
    driver.start(app::startProgram);
    expectEveryClickableNamed(driver, driver.screen<app::Form1>());
    expectEveryClickableNamed(driver, driver.screen<multiplication::Form21>());
}

TEST(Accessibility, TheTitleReadsAsItShows) {
    ui::Driver driver;
    driver.start(app::startProgram);
    EXPECT_EQ(namesWithRole(driver.front(), ui::Role::Button),
              (std::vector<std::string>{"PROGRAMMA DI ARITMETICA", "INFO", "ESCI DAl PROGRAMMA"}));
    std::vector<std::string> texts = namesWithRole(driver.front(), ui::Role::Text);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "cl.II"), texts.end());
    EXPECT_EQ(ui::accessibleRole(driver.control("Label3")), ui::Role::Text);
}

TEST(Accessibility, TheMenuNamesItsEntriesTheBackHandAndTheExit) {
    ui::Driver driver;
    driver.start(app::startProgram);
    driver.click("Label2");
    std::vector<std::string> buttons = namesWithRole(driver.front(), ui::Role::Button);
    EXPECT_EQ(buttons.size(), 15u);
    for (const char* name : {"I NUMERI ENTRO 1000 CON L'AIUTO DELL'ABACO",
                             "ADDIZIONI IN COLONNA SENZA CAMBIO ( somma entro 99 )",
                             "FRASI APERTE ( moltiplicazione )", "ESCI", "TORNA ALL'INIZIO"}) {
        EXPECT_NE(std::find(buttons.begin(), buttons.end(), name), buttons.end()) << name;
    }
    // The pictures of digits and signs are only decoration.
    EXPECT_TRUE(namesWithRole(driver.front(), ui::Role::Picture).empty());
}

TEST(Accessibility, AnExerciseSpeaksItsProblemScoreAndFaces) {
    ui::Driver driver;
    driver.start(app::startProgram);
    driver.click("Label2");
    driver.click("Label5");  // column addition
    ui::Screen& screen = driver.front();
    // Before the first problem: no face, no score, an empty board.
    EXPECT_TRUE(namesWithRole(screen, ui::Role::Picture).empty());
    // In stacking order: the exit lies on top of what overlaps it.
    EXPECT_EQ(namesWithRole(screen, ui::Role::Button),
              (std::vector<std::string>{"DAMMI I NUMERI", "TORNA A MENU", "ESCI"}));
    EXPECT_EQ(namesWithRole(screen, ui::Role::EditableText), (std::vector<std::string>{"decine", "unità"}));
    std::vector<std::string> texts = namesWithRole(screen, ui::Role::Text);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "ESEGUI LA SEGUENTE ADDIZIONE IN COLONNA"), texts.end());
    EXPECT_EQ(
        std::find(texts.begin(), texts.end(), "--------------------------------------------------------"),
        texts.end());

    driver.click("Label6");
    EXPECT_EQ(namesWithRole(screen, ui::Role::Picture), std::vector<std::string>{"in attesa della risposta"});
    // The digits of the problem are text, as the board shows them.
    for (const char* cell : {"Label11", "Label13"}) {
        EXPECT_TRUE(ui::isAccessible(driver.control(cell))) << cell;
        EXPECT_EQ(ui::accessibleName(driver.control(cell)), driver.text(cell));
    }
    int units = (std::stoi(driver.text("Label11")) + std::stoi(driver.text("Label13"))) % 10;
    driver.click("Text6");
    driver.type(std::to_string((units + 1) % 10));
    EXPECT_EQ(namesWithRole(screen, ui::Role::Picture), std::vector<std::string>{"risposta sbagliata"});
    driver.type(std::to_string(units));
    EXPECT_EQ(namesWithRole(screen, ui::Role::Picture), std::vector<std::string>{"risposta giusta"});
}

TEST(Accessibility, SignsWrittenWithLettersAreReadAsTheOperation) {
    struct Case {
        const char* formName;
        const char* sign;
    } cases[] = {{"Form5", "meno"}, {"Form9", "per"}, {"Form8", "per"}, {"Form4", "+"}};
    for (const Case& c : cases) {
        ui::Driver driver;
        driver.start(app::startProgram);
        ui::Screen* screen = driver.registry().instance(c.formName);
        driver.registry().show(*screen);
        std::vector<std::string> texts = namesWithRole(*screen, ui::Role::Text);
        EXPECT_NE(std::find(texts.begin(), texts.end(), c.sign), texts.end()) << c.formName;
        for (const std::string& text : texts) {
            EXPECT_EQ(text.find("__"), std::string::npos) << c.formName << ": " << text;
            EXPECT_EQ(text.find("--"), std::string::npos) << c.formName << ": " << text;
        }
    }
}

TEST(Accessibility, TheAbacusNamesItsBeadsAndRodsByColourAndPlace) {
    ui::Driver driver;
    driver.start(app::startProgram);
    for (const char* formName : {"Form15", "Form17"}) {
        ui::Screen* screen = driver.registry().instance(formName);
        driver.registry().show(*screen);
        std::vector<std::string> pictures = namesWithRole(*screen, ui::Role::Picture);
        for (const char* name :
             {"asta delle migliaia", "asta delle centinaia", "asta delle decine", "asta delle unità"}) {
            EXPECT_EQ(std::count(pictures.begin(), pictures.end(), name), 1) << formName << " " << name;
        }
        if (std::string(formName) == "Form17") {
            // The supply: nine blue, red and green beads and one yellow.
            EXPECT_EQ(std::count(pictures.begin(), pictures.end(), "pallina blu delle unità"), 9);
            EXPECT_EQ(std::count(pictures.begin(), pictures.end(), "pallina rossa delle decine"), 9);
            EXPECT_EQ(std::count(pictures.begin(), pictures.end(), "pallina verde delle centinaia"), 9);
            EXPECT_EQ(std::count(pictures.begin(), pictures.end(), "pallina gialla delle migliaia"), 1);
        }
    }
}

TEST(Accessibility, TheInformationBoxReadsItsTextAndItsButton) {
    ui::Driver driver;
    driver.start(app::startProgram);
    driver.click("Label8");
    EXPECT_EQ(driver.front().formName(), "Form18");
    EXPECT_EQ(namesWithRole(driver.front(), ui::Role::Button), std::vector<std::string>{"OK"});
}

}  // namespace
