#include "ui/qt/resources.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QScreen>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <vector>

// The fonts are compiled into the binary; a static library has to ask for
// its resources to be registered.
static void registerFontResources() {
    Q_INIT_RESOURCE(fonts);
}

namespace ui::qt {

namespace {

// The layouts' faces and the fonts compiled into the program that stand for
// them. Each family has a name of its own, so no font of the machine can be
// taken in its place, and a family's files are registered on first use.
struct EmbeddedFamily {
    const char* face;
    const char* family;
    std::vector<const char*> files;
};

const std::vector<EmbeddedFamily>& embeddedFamilies() {
    static const std::vector<EmbeddedFamily> families{
        {"Courier New", "Aritmetica Mono", {"AritmeticaMono-Bold"}},
        {"Lucida Sans Unicode", "Aritmetica Unicode", {"AritmeticaUnicode-Bold"}},
        {"Tahoma",
         "Aritmetica Tahoma",
         {"AritmeticaTahoma-Regular", "AritmeticaTahoma-Bold", "AritmeticaTahoma-BoldItalic"}},
        {"",  // MS Sans Serif, Arial and any other face
         "Aritmetica Sans",
         {"AritmeticaSans-Regular", "AritmeticaSans-Bold", "AritmeticaSans-Italic", "AritmeticaSans-BoldItalic"}},
    };
    return families;
}

void registerFiles(const EmbeddedFamily& family) {
    static std::set<const EmbeddedFamily*> registered;
    if (registered.empty()) registerFontResources();
    if (!registered.insert(&family).second) return;
    for (const char* file : family.files) {
        // The resources are stored uncompressed: the font is read in place.
        QResource resource(QStringLiteral(":/fonts/%1.ttf").arg(QLatin1String(file)));
        QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                                  static_cast<qsizetype>(resource.size()));
        QFontDatabase::addApplicationFontFromData(data);
    }
}

QString familyFor(const std::string& face) {
    const auto& families = embeddedFamilies();
    auto it = std::find_if(families.begin(), families.end(),
                           [&](const EmbeddedFamily& f) { return face == f.face; });
    const EmbeddedFamily& family = it != families.end() ? *it : families.back();
    registerFiles(family);
    return QString::fromLatin1(family.family);
}

}  // namespace

QFont fontFor(const Font& font) {
    QFont q(familyFor(font.face));
    q.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0))));
    q.setBold(font.bold);
    q.setItalic(font.italic);
    // The same pixels everywhere: no glyph borrowed from another font, no
    // hinting or sub-pixel order taken from the desktop's settings.
    q.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias |
                                            QFont::NoFontMerging));
    q.setHintingPreference(QFont::PreferVerticalHinting);
    return q;
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
