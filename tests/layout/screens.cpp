#include "tests/layout/screens.h"

#include "app/information.h"
#include "app/main_menu.h"
#include "app/title.h"
#include "multiplication/tables_dialog.h"

namespace layout_test {

std::vector<std::string> allScreens() {
    std::vector<std::string> names;
    for (int i = 1; i <= 21; ++i) names.push_back("Form" + std::to_string(i));
    return names;
}

namespace {
ui::Screen& instance(ui::Driver& driver, const std::string& formName) {
    if (formName == "Form1") return driver.screen<app::Form1>();
    if (formName == "Form12") return driver.screen<app::Form12>();
    if (formName == "Form18") return driver.screen<app::Form18>();
    if (formName == "Form21") return driver.screen<multiplication::Form21>();
    ui::Screen* screen = driver.registry().instance(formName);
    if (!screen) throw std::invalid_argument("no screen " + formName);
    return *screen;
}
}  // namespace

void withScreen(ui::Driver& driver, const std::string& formName,
                const std::function<void(ui::Screen&)>& check) {
    ui::Screen& screen = instance(driver, formName);
    driver.registry().show(screen);
    check(screen);
    driver.registry().unload(screen);
}

}  // namespace layout_test
