// Paints a screen from the model: back colour, background picture, then the
// controls in stacking order, text boxes last.
#pragma once

#include <QColor>
#include <QRectF>
#include <string>
#include <vector>

class QPainter;

namespace ui {
class Screen;
class Control;
struct Font;
}  // namespace ui

namespace ui::qt {

// caretOn: the blinking caret of the focused box is in its visible phase.
void paintScreen(QPainter& painter, const Screen& screen, bool caretOn = true);

// The rectangle of a control in pixels.
QRectF pixelRect(const Control& control);
// Where the caret of a text box stands, or an empty rectangle when the box
// shows none (locked, disabled or without the focus).
QRectF caretRect(const Control& box);

// Where the ink of a text would stand if the control showed it in this font:
// one rectangle a line, in pixels, before any clipping to the control.
std::vector<QRectF> textInk(const Control& control, const std::string& text, const Font& font);

// The advance of a line of text in a font, as the painter sets it.
double textAdvance(const std::string& text, const Font& font);

// WCAG contrast ratio of two colours, from 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);
// The colour of the halo drawn around text of one colour on another so that
// it reads at 3:1 or better, or an invalid colour where no halo is needed.
QColor haloFor(const QColor& text, const QColor& background);

}  // namespace ui::qt
