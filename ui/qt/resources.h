// Fonts, pictures and pointers for the window binding.
#pragma once

#include <QCursor>
#include <QFont>
#include <QString>

#include "ui/values.h"

class QPainter;
class QRectF;
class QSvgRenderer;

namespace ui::qt {

// The layouts' font families, mapped to the free fonts of close metrics that
// are compiled into the program. Sizes are points at 96 dots per inch, set in
// pixels, so a desktop's DPI setting cannot overflow a fixed layout.
QFont fontFor(const Font& font);

// The picture of an asset id, or nullptr when there is none.
QSvgRenderer* picture(const std::string& assetId);
// Nominal size of a picture, in pixels.
QSize pictureSize(const std::string& assetId);
void drawPicture(QPainter& painter, const std::string& assetId, const QRectF& target);

QCursor cursorFor(Pointer pointer);
// The small picture that follows the pointer while a control is dragged.
QCursor dragCursor(const std::string& assetId);

QColor colorOf(Color color);

}  // namespace ui::qt
