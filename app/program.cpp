#include "app/program.h"

#include "app/title.h"

namespace app {

void startProgram(ui::ScreenRegistry& registry) {
    registry.show(registry.instance<Form12>());
}

}  // namespace app
