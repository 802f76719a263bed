// Every screen of the program, loaded one after the other in a driver.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/driver.h"

namespace layout_test {

// The names of all the screens, Form1 to Form21.
std::vector<std::string> allScreens();
// Loads a screen on its own, hands it to the check and unloads it.
void withScreen(ui::Driver& driver, const std::string& formName,
                const std::function<void(ui::Screen&)>& check);

}  // namespace layout_test
