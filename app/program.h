// Start-up of the program.
#pragma once

#include "ui/screen_registry.h"

namespace app {

// Shows the title screen, as the program does when it starts.
void startProgram(ui::ScreenRegistry& registry);

}  // namespace app
