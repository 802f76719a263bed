// Fonts, pictures and pointers for the window binding.
#pragma once

#include <QCursor>
#include <QList>
#include <QPointF>
#include <QString>

#include "ui/values.h"

class QPainter;
class QPainterPath;
class QRawFont;
class QRectF;
class QSvgRenderer;

namespace ui::qt {

// The font that stands for a layout's face, size and style: one of the free
// fonts of close metrics compiled into the program. Sizes are points at 96
// dots per inch, set in pixels, so a desktop's DPI setting cannot overflow a
// fixed layout.
const QRawFont& rawFontFor(const Font& font);

// A line of text set in a font: its glyphs, their positions from the start
// of the baseline (kerned), and its advance.
struct SetText {
    QList<quint32> glyphs;
    QList<QPointF> positions;
    double width = 0;
};
SetText setText(const QRawFont& font, const QString& text);
double textWidth(const QRawFont& font, const QString& text);
// Where the ink of a line falls, from the start of its baseline.
QRectF inkRect(const QRawFont& font, const QString& text);
void drawSetText(QPainter& painter, const QRawFont& font, const QString& text, QPointF baseline);
// The outline of a line, for a halo drawn around it.
QPainterPath textPath(const QRawFont& font, const QString& text, QPointF baseline);

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
