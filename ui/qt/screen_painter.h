// Paints a screen from the model: back colour, background picture, then the
// controls in stacking order, text boxes last.
#pragma once

class QPainter;

namespace ui {
class Screen;
}

namespace ui::qt {

void paintScreen(QPainter& painter, const Screen& screen);

}  // namespace ui::qt
