#include "ui/qt/resources.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRawFont>
#include <QResource>
#include <QScreen>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <memory>
#include <utility>
#include <vector>

// The fonts are compiled into the binary; a static library has to ask for
// its resources to be registered.
static void registerFontResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(fonts);
        return true;
    }();
    (void)registered;
}

namespace ui::qt {

namespace {

// The layouts' faces and the fonts compiled into the program that stand for
// them. The program sets its text with these fonts alone, straight from the
// font files: no font of the machine, no fontconfig rule (substitution,
// hinting, synthetic bold) can change a glyph or an advance.
struct EmbeddedFamily {
    const char* face;
    const char* regular;
    const char* bold;
    const char* italic;
    const char* boldItalic;
};

const EmbeddedFamily& familyOf(const std::string& face) {
    static const EmbeddedFamily families[] = {
        {"Courier New", "AritmeticaMono-Bold", "AritmeticaMono-Bold", "AritmeticaMono-Bold",
         "AritmeticaMono-Bold"},
        {"Lucida Sans Unicode", "AritmeticaUnicode-Bold", "AritmeticaUnicode-Bold", "AritmeticaUnicode-Bold",
         "AritmeticaUnicode-Bold"},
        {"Tahoma", "AritmeticaTahoma-Regular", "AritmeticaTahoma-Bold", "AritmeticaTahoma-Regular",
         "AritmeticaTahoma-BoldItalic"},
        // MS Sans Serif, Arial and any other face.
        {"", "AritmeticaSans-Regular", "AritmeticaSans-Bold", "AritmeticaSans-Italic",
         "AritmeticaSans-BoldItalic"},
    };
    for (const EmbeddedFamily& family : families) {
        if (face == family.face) return family;
    }
    return families[std::size(families) - 1];
}

// The bytes of a compiled-in font file, read in place (it is stored
// uncompressed).
QByteArray fontData(const char* file) {
    registerFontResources();
    QResource resource(QStringLiteral(":/fonts/%1.ttf").arg(QLatin1String(file)));
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                   static_cast<qsizetype>(resource.size()));
}

}  // namespace

const QRawFont& rawFontFor(const Font& font) {
    const EmbeddedFamily& family = familyOf(font.face);
    const char* file = font.bold ? (font.italic ? family.boldItalic : family.bold)
                                 : (font.italic ? family.italic : family.regular);
    int pixels = std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0)));
    // A file is loaded once; its other sizes are copies of that font, which
    // spares the toolkit asking the font configuration again for each size.
    static std::map<std::string, QRawFont> loaded;
    static std::map<std::pair<std::string, int>, QRawFont> sized;
    auto key = std::make_pair(std::string(file), pixels);
    auto it = sized.find(key);
    if (it == sized.end()) {
        auto base = loaded.find(key.first);
        if (base == loaded.end()) {
            base = loaded.emplace(key.first, QRawFont(fontData(file), pixels, QFont::PreferNoHinting)).first;
        }
        QRawFont font = base->second;
        font.setPixelSize(pixels);
        it = sized.emplace(key, font).first;
    }
    return it->second;
}

SetText setText(const QRawFont& font, const QString& text) {
    SetText set;
    set.glyphs = font.glyphIndexesForString(text);
    QList<QPointF> advances = font.advancesForGlyphIndexes(set.glyphs, QRawFont::KernedAdvances);
    QPointF pen;
    for (const QPointF& advance : advances) {
        set.positions.push_back(pen);
        pen += advance;
    }
    set.width = pen.x();
    return set;
}

double textWidth(const QRawFont& font, const QString& text) {
    return setText(font, text).width;
}

QRectF inkRect(const QRawFont& font, const QString& text) {
    SetText set = setText(font, text);
    QRectF ink;
    for (qsizetype i = 0; i < set.glyphs.size(); ++i) {
        QRectF glyph = font.boundingRect(set.glyphs[i]);
        if (!glyph.isEmpty()) ink = ink.united(glyph.translated(set.positions[i]));
    }
    return ink;
}

void drawSetText(QPainter& painter, const QRawFont& font, const QString& text, QPointF baseline) {
    SetText set = setText(font, text);
    if (set.glyphs.isEmpty()) return;
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(set.glyphs);
    run.setPositions(set.positions);
    painter.drawGlyphRun(baseline, run);
}

QPainterPath textPath(const QRawFont& font, const QString& text, QPointF baseline) {
    SetText set = setText(font, text);
    QPainterPath path;
    for (qsizetype i = 0; i < set.glyphs.size(); ++i) {
        path.addPath(font.pathForGlyph(set.glyphs[i]).translated(baseline + set.positions[i]));
    }
    return path;
}

QSvgRenderer* picture(const std::string& assetId) {
    static std::map<std::string, std::unique_ptr<QSvgRenderer>> cache;
    if (assetId.empty()) return nullptr;
    auto it = cache.find(assetId);
    if (it == cache.end()) {
        auto renderer =
            std::make_unique<QSvgRenderer>(QString(":/assets/%1.svg").arg(QString::fromStdString(assetId)));
        if (!renderer->isValid()) renderer.reset();
        it = cache.emplace(assetId, std::move(renderer)).first;
    }
    return it->second.get();
}

QSize pictureSize(const std::string& assetId) {
    QSvgRenderer* r = picture(assetId);
    return r ? r->defaultSize() : QSize();
}

void drawPicture(QPainter& painter, const std::string& assetId, const QRectF& target) {
    if (QSvgRenderer* r = picture(assetId)) r->render(&painter, target);
}

namespace {
QPixmap renderedPixmap(const std::string& assetId, QSize size) {
    qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawPicture(painter, assetId, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}
}  // namespace

QCursor cursorFor(Pointer pointer) {
    static const QCursor hand(renderedPixmap("cursor-hand", {32, 32}), 10, 2);
    static const QCursor pen(renderedPixmap("cursor-pen", {32, 32}), 2, 30);
    switch (pointer) {
        case Pointer::Hand:
            return hand;
        case Pointer::Pen:
            return pen;
        case Pointer::Arrow:
            break;
    }
    return QCursor(Qt::ArrowCursor);
}

QCursor dragCursor(const std::string& assetId) {
    QSize size = pictureSize(assetId);
    if (size.isEmpty()) return QCursor(Qt::DragMoveCursor);
    return QCursor(renderedPixmap(assetId, size), size.width() / 2, size.height() / 2);
}

QColor colorOf(Color color) {
    return QColor::fromRgb(color);
}

}  // namespace ui::qt
