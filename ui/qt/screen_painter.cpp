#include "ui/qt/screen_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <algorithm>
#include <cmath>

#include "ui/qt/resources.h"
#include "ui/screen.h"
#include "ui/text.h"

namespace ui::qt {

namespace {

constexpr double kTwipsPerPixel = 15.0;
// The grey of a disabled text (the first number of a counting sequence stands
// in a box that never takes input); its halo keeps it legible on the board.
const QColor kDisabledText(0xc0, 0xc0, 0xc0);
// What lies behind the labels: every screen is a blackboard.
const QColor kBoard = QColor::fromRgb(kBoardGreen);
// The least contrast a text keeps with what is around it.
constexpr double kLeastContrast = 3.0;

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

double alignedLeft(Align alignment, double left, double width, double textWidth) {
    switch (horizontal(alignment)) {
        case Qt::AlignHCenter:
            return left + (width - textWidth) / 2;
        case Qt::AlignRight:
            return left + width - textWidth;
        default:
            return left;
    }
}

double relativeLuminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// A line of text, with a halo under it where its colour alone would not
// stand out from the background. The halo keeps the text's own hue.
void drawText(QPainter& painter, QPointF baseline, const QRawFont& font, const QString& text,
              const QColor& color, const QColor& background) {
    QColor halo = haloFor(color, background);
    if (halo.isValid()) {
        double width = std::max(2.0, font.pixelSize() / 10.0);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.strokePath(textPath(font, text, baseline),
                           QPen(halo, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.restore();
    }
    painter.setPen(color);
    drawSetText(painter, font, text, baseline);
}

double lineHeight(const QRawFont& font) {
    return font.ascent() + font.descent();
}

void drawFrame(QPainter& painter, const QRectF& rect, const QColor& color) {
    painter.save();
    painter.setPen(QPen(color, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

// The lines of a label's caption and where their baselines stand.
struct PlacedLine {
    QString text;
    QPointF baseline;
    double width;
};

// A glyph may reach a little past its advance (the foot of an "A", the
// accent of an "Ì"): such a line moves inside the label where there is room,
// so that the label's edge does not cut it.
std::vector<PlacedLine> labelLines(const Control& label, const std::string& caption, const QRawFont& font) {
    QRectF rect = pixelRect(label);
    auto measure = [&](const std::string& s) { return textWidth(font, QString::fromStdString(s)); };
    std::vector<PlacedLine> placed;
    QRectF block;
    double y = rect.top();
    for (const std::string& line : wrapCaption(caption, rect.width(), measure)) {
        QString text = QString::fromStdString(line);
        double width = textWidth(font, text);
        double x = alignedLeft(label.alignment, rect.left(), rect.width(), width);
        QPointF baseline(x, y + font.ascent());
        if (!text.trimmed().isEmpty()) {
            QRectF ink = inkRect(font, text).translated(baseline);
            if (ink.right() > rect.right())
                baseline.rx() -= std::min(ink.right() - rect.right(), ink.left() - rect.left());
            if (ink.left() < rect.left())
                baseline.rx() += std::min(rect.left() - ink.left(), rect.right() - ink.right());
            block = block.isNull() ? ink : block.united(ink);
        }
        placed.push_back({text, baseline, width});
        y += lineHeight(font);
    }
    if (!block.isNull() && block.top() < rect.top()) {
        double down = std::min(rect.top() - block.top(), std::max(0.0, rect.bottom() - block.bottom()));
        for (PlacedLine& line : placed) line.baseline.ry() += down;
    }
    return placed;
}

void paintLabel(QPainter& painter, const Control& label) {
    QRectF rect = pixelRect(label);
    const QRawFont& font = rawFontFor(label.font);
    QColor color = label.enabled ? colorOf(label.foreColor) : kDisabledText;
    QRectF inked;
    painter.save();
    painter.setClipRect(rect);
    for (const PlacedLine& line : labelLines(label, label.caption, font)) {
        if (line.baseline.y() - font.ascent() >= rect.bottom()) break;
        drawText(painter, line.baseline, font, line.text, color, kBoard);
        if (!line.text.isEmpty()) {
            inked = inked.united(
                QRectF(line.baseline.x(), line.baseline.y() - font.ascent(), line.width, lineHeight(font)));
        }
    }
    painter.restore();
    // The hover frame leaves a little air around the letters, wherever they
    // come close to the label's edge.
    if (label.borderStyle == 1) {
        QRectF frame = rect.united(inked.intersected(rect).adjusted(-4, -2, 4, 2)).adjusted(-2, -2, 2, 2);
        drawFrame(painter, frame, colorOf(label.foreColor));
    }
}

// Where a text box's text stands: its font, left edge and top of the line.
struct BoxText {
    QRawFont font;
    double left;
    double top;
    double height;
    QString text;
};

BoxText boxText(const Control& box, const std::string& caption, const QRawFont& font) {
    QRectF rect = pixelRect(box);
    QRectF inner = rect.adjusted(3, 1, -3, -1);
    QString text = QString::fromStdString(caption);
    double left = alignedLeft(box.alignment, inner.left(), inner.width(), textWidth(font, text));
    double height = lineHeight(font);
    double top = inner.top() + (inner.height() - height) / 2;
    return {font, left, top, height, text};
}

// An answer box stands out from the board: a lighter fill and a chalk-white
// outline, fainter while it takes no input.
void paintTextBox(QPainter& painter, const Control& box, bool caretOn) {
    QRectF rect = pixelRect(box);
    QColor fill = colorOf(box.backColor);
    bool open = box.enabled && !box.locked;
    if (box.borderStyle == 1) {
        if (open)
            fill = QColor::fromRgbF(fill.redF() * 0.88 + 0.12, fill.greenF() * 0.88 + 0.12,
                                    fill.blueF() * 0.88 + 0.12);
        painter.fillRect(rect, fill);
        drawFrame(painter, rect, QColor(255, 255, 255, open ? 215 : 120));
    } else {
        painter.fillRect(rect, fill);
    }

    BoxText layout = boxText(box, box.caption, rawFontFor(box.font));
    QColor color = box.enabled ? colorOf(box.foreColor) : kDisabledText;
    painter.save();
    painter.setClipRect(rect);
    drawText(painter, QPointF(layout.left, layout.top + layout.font.ascent()), layout.font, layout.text,
             color, fill);
    if (caretOn && box.screen().focused() == &box) {
        QRectF caret = caretRect(box);
        if (!caret.isEmpty()) {
            // Chalk, a shade softer than the typed text, so it never reads as
            // part of a digit.
            QColor caretColor = contrastRatio(color, fill) >= kLeastContrast ? color : QColor(Qt::white);
            caretColor.setAlpha(220);
            painter.fillRect(caret, caretColor);
        }
    }
    painter.restore();
}

void paintImage(QPainter& painter, const Control& image) {
    QRectF rect = pixelRect(image);
    if (image.stretch) {
        drawPicture(painter, image.picture, rect);
    } else {
        QSize size = pictureSize(image.picture);
        painter.save();
        painter.setClipRect(rect);
        drawPicture(painter, image.picture, QRectF(rect.topLeft(), QSizeF(size)));
        painter.restore();
    }
    if (image.borderStyle == 1) drawFrame(painter, rect.adjusted(-3, -3, 3, 3), Qt::white);
}

void paintShape(QPainter& painter, const Control& shape) {
    QRectF rect = pixelRect(shape).adjusted(0.5, 0.5, -0.5, -0.5);
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

QRectF pixelRect(const Control& c) {
    return QRectF(c.left / kTwipsPerPixel, c.top / kTwipsPerPixel, c.width / kTwipsPerPixel,
                  c.height / kTwipsPerPixel);
}

QRectF caretRect(const Control& box) {
    if (box.kind() != Kind::TextBox || !box.isLive() || box.locked || box.screen().focused() != &box) {
        return {};
    }
    BoxText layout = boxText(box, box.caption, rawFontFor(box.font));
    QString before = QString::fromStdString(box.caption.substr(0, byteOffset(box.caption, box.caret())));
    double x = layout.left + textWidth(layout.font, before);
    // About two pixels at 100 %, of the height of the text.
    return QRectF(std::round(x) - 1, layout.top, 2, layout.height);
}

std::vector<QRectF> textInk(const Control& control, const std::string& text, const Font& font) {
    const QRawFont& raw = rawFontFor(font);
    std::vector<QRectF> ink;
    if (control.kind() == Kind::TextBox) {
        BoxText layout = boxText(control, text, raw);
        ink.push_back(inkRect(raw, layout.text).translated(layout.left, layout.top + raw.ascent()));
    } else {
        for (const PlacedLine& line : labelLines(control, text, raw)) {
            if (!line.text.trimmed().isEmpty())
                ink.push_back(inkRect(raw, line.text).translated(line.baseline));
        }
    }
    return ink;
}

double textAdvance(const std::string& text, const Font& font) {
    return textWidth(rawFontFor(font), QString::fromStdString(text));
}

double contrastRatio(const QColor& a, const QColor& b) {
    double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor haloFor(const QColor& text, const QColor& background) {
    if (contrastRatio(text, background) >= kLeastContrast) return {};
    QColor dark(0x10, 0x18, 0x18), light(Qt::white);
    return contrastRatio(text, dark) >= contrastRatio(text, light) ? dark : light;
}

void paintScreen(QPainter& painter, const Screen& screen, bool caretOn) {
    QRectF client(0, 0, screen.width / kTwipsPerPixel, screen.height / kTwipsPerPixel);
    // The pictures are opaque and made for the client area: where there is
    // one, the back colour does not show.
    if (screen.picture.empty() || !picture(screen.picture)) {
        painter.fillRect(client, colorOf(screen.backColor));
    } else {
        drawPicture(painter, screen.picture, client);
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
        if (c->visible && c->kind() == Kind::TextBox) paintTextBox(painter, *c, caretOn);
    }
}

}  // namespace ui::qt
