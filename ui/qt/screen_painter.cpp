#include "ui/qt/screen_painter.h"

#include <QFontMetricsF>
#include <QPainter>

#include "ui/qt/resources.h"
#include "ui/screen.h"
#include "ui/text.h"

namespace ui::qt {

namespace {

constexpr double kTwipsPerPixel = 15.0;
// Light enough to stay legible on the board, as the first number of a
// counting sequence stands in a box that never takes input.
const QColor kDisabledText(0xc0, 0xc0, 0xc0);

QRectF rectOf(const Control& c) {
    return QRectF(c.left / kTwipsPerPixel, c.top / kTwipsPerPixel, c.width / kTwipsPerPixel,
                  c.height / kTwipsPerPixel);
}

Qt::Alignment horizontal(Align alignment) {
    switch (alignment) {
        case Align::Centre:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

void drawFrame(QPainter& painter, const QRectF& rect, const QColor& color) {
    painter.save();
    painter.setPen(QPen(color, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

void paintLabel(QPainter& painter, const Control& label) {
    QRectF rect = rectOf(label);
    QFont font = fontFor(label.font);
    QFontMetricsF metrics(font);
    auto measure = [&](const std::string& s) { return metrics.horizontalAdvance(QString::fromStdString(s)); };
    std::vector<std::string> lines = wrapCaption(label.caption, rect.width(), measure);
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(font);
    painter.setPen(label.enabled ? colorOf(label.foreColor) : kDisabledText);
    double y = rect.top();
    for (const std::string& line : lines) {
        if (y >= rect.bottom()) break;
        QRectF lineRect(rect.left(), y, rect.width(), metrics.height());
        painter.drawText(lineRect, horizontal(label.alignment) | Qt::AlignTop, QString::fromStdString(line));
        y += metrics.height();
    }
    painter.restore();
    if (label.borderStyle == 1) drawFrame(painter, rect, colorOf(label.foreColor));
}

void paintTextBox(QPainter& painter, const Control& box, bool focused) {
    QRectF rect = rectOf(box);
    painter.fillRect(rect, colorOf(box.backColor));
    // A sunken edge, as an answer box cut into the board.
    painter.save();
    painter.setPen(QPen(colorOf(box.backColor).darker(170), 1));
    painter.drawLine(QLineF(rect.topLeft() + QPointF(0.5, 0.5), rect.topRight() + QPointF(-0.5, 0.5)));
    painter.drawLine(QLineF(rect.topLeft() + QPointF(0.5, 0.5), rect.bottomLeft() + QPointF(0.5, -0.5)));
    painter.setPen(QPen(colorOf(box.backColor).lighter(140), 1));
    painter.drawLine(
        QLineF(rect.bottomLeft() + QPointF(0.5, -0.5), rect.bottomRight() + QPointF(-0.5, -0.5)));
    painter.drawLine(QLineF(rect.topRight() + QPointF(-0.5, 0.5), rect.bottomRight() + QPointF(-0.5, -0.5)));
    painter.restore();

    QFont font = fontFor(box.font);
    QFontMetricsF metrics(font);
    QRectF inner = rect.adjusted(3, 1, -3, -1);
    QString text = QString::fromStdString(box.caption);
    double textWidth = metrics.horizontalAdvance(text);
    double x = inner.left();
    if (box.alignment == Align::Centre) x = inner.left() + (inner.width() - textWidth) / 2;
    if (box.alignment == Align::Right) x = inner.right() - textWidth;
    double top = inner.top() + std::max(0.0, (inner.height() - metrics.height()) / 2);
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(font);
    painter.setPen(box.enabled ? colorOf(box.foreColor) : kDisabledText);
    painter.drawText(QPointF(x, top + metrics.ascent()), text);
    if (focused) {
        QString before = QString::fromStdString(box.caption.substr(0, byteOffset(box.caption, box.caret())));
        double caretX = x + metrics.horizontalAdvance(before);
        painter.setPen(QPen(colorOf(box.foreColor), std::max(1.0, metrics.height() / 24)));
        painter.drawLine(QLineF(caretX, top + 1, caretX, top + metrics.height() - 1));
    }
    painter.restore();
}

void paintImage(QPainter& painter, const Control& image) {
    QRectF rect = rectOf(image);
    if (image.stretch) {
        drawPicture(painter, image.picture, rect);
    } else {
        QSize size = pictureSize(image.picture);
        painter.save();
        painter.setClipRect(rect);
        drawPicture(painter, image.picture, QRectF(rect.topLeft(), QSizeF(size)));
        painter.restore();
    }
    if (image.borderStyle == 1) drawFrame(painter, rect, Qt::black);
}

void paintShape(QPainter& painter, const Control& shape) {
    QRectF rect = rectOf(shape).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colorOf(shape.borderColor), 1));
    painter.setBrush(colorOf(shape.fillColor));
    if (shape.geometry == Geometry::Circle) {
        double side = std::min(rect.width(), rect.height());
        painter.drawEllipse(QRectF(rect.center() - QPointF(side / 2, side / 2), QSizeF(side, side)));
    } else {
        painter.drawRect(rect);
    }
    painter.restore();
}

void paintLine(QPainter& painter, const Control& line) {
    painter.save();
    painter.setPen(QPen(colorOf(line.borderColor), line.borderWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QLineF(line.x1 / kTwipsPerPixel, line.y1 / kTwipsPerPixel, line.x2 / kTwipsPerPixel,
                            line.y2 / kTwipsPerPixel));
    painter.restore();
}

}  // namespace

void paintScreen(QPainter& painter, const Screen& screen) {
    QRectF client(0, 0, screen.width / kTwipsPerPixel, screen.height / kTwipsPerPixel);
    painter.fillRect(client, colorOf(screen.backColor));
    if (!screen.picture.empty()) {
        drawPicture(painter, screen.picture, QRectF(QPointF(0, 0), QSizeF(pictureSize(screen.picture))));
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Control* c : screen.controls()) {
        if (!c->visible) continue;
        switch (c->kind()) {
            case Kind::Label:
                paintLabel(painter, *c);
                break;
            case Kind::Image:
                paintImage(painter, *c);
                break;
            case Kind::Shape:
                paintShape(painter, *c);
                break;
            case Kind::Line:
                paintLine(painter, *c);
                break;
            case Kind::TextBox:
                break;
        }
    }
    for (const Control* c : screen.controls()) {
        if (c->visible && c->kind() == Kind::TextBox) paintTextBox(painter, *c, c == screen.focused());
    }
}

}  // namespace ui::qt
