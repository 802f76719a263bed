#include "ui/qt/resources.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
#include <cmath>
#include <map>
#include <memory>

namespace ui::qt {

namespace {

QString tahomaFamily() {
    // Wine's Tahoma is not indexed by fontconfig: load it from its folder.
    static const QString family = [] {
        QString found;
        for (const char* file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
            if (!QFile::exists(file)) continue;
            int id = QFontDatabase::addApplicationFont(file);
            if (id >= 0 && found.isEmpty()) {
                QStringList families = QFontDatabase::applicationFontFamilies(id);
                if (!families.isEmpty()) found = families.front();
            }
        }
        return found.isEmpty() ? QStringLiteral("DejaVu Sans") : found;
    }();
    return family;
}

QString familyFor(const std::string& face, bool bold) {
    if (face == "Courier New") return QStringLiteral("Liberation Mono");
    // Wine's bold Tahoma draws hardly heavier than its regular one, and the
    // bold captions must read bold: DejaVu Sans, of which it is a cousin, in
    // its condensed cut, whose widths come close to Tahoma's bold.
    if (face == "Tahoma") return bold ? QStringLiteral("DejaVu Sans Condensed") : tahomaFamily();
    if (face == "Lucida Sans Unicode") return QStringLiteral("DejaVu Sans");
    return QStringLiteral("Liberation Sans");  // MS Sans Serif, Arial
}

}  // namespace

QFont fontFor(const Font& font) {
    QFont q(familyFor(font.face, font.bold));
    q.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0))));
    q.setBold(font.bold);
    q.setItalic(font.italic);
    q.setStyleStrategy(QFont::PreferAntialias);
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
