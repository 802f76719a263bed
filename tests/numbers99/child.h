// What the tests of the numbers-to-99 screens share: a program started as
// main() starts it, the way into each screen from the menu, and a few
// readings of the board.
#pragma once

#include <string>
#include <string_view>

#include "app/program.h"
#include "ui/driver.h"
#include "ui/text.h"

namespace numbers99::testing {

// Title, then menu, then the entry's screen.
inline void openFromMenu(ui::Driver& driver, std::string_view entry) {
    driver.start(app::startProgram);
    driver.click("Label2");
    driver.click(entry);
}

inline int numberIn(ui::Driver& driver, std::string_view name) {
    return static_cast<int>(ui::readNumber(driver.text(name)));
}

inline bool visible(ui::Driver& driver, std::string_view name) {
    return driver.control(name).visible;
}
inline bool enabled(ui::Driver& driver, std::string_view name) {
    return driver.control(name).enabled;
}

// Which face shows: "" for none, or the name of the one visible face.
inline std::string face(ui::Driver& driver) {
    std::string shown;
    for (const char* name : {"Image1", "Image2", "Image3"}) {
        if (driver.control(name).visible) shown += name;
    }
    return shown;
}

inline constexpr const char* kNeutral = "Image1";
inline constexpr const char* kHappy = "Image2";
inline constexpr const char* kSad = "Image3";

}  // namespace numbers99::testing
