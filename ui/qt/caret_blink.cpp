#include "ui/qt/caret_blink.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>
#include <QWidget>

#include "ui/qt/screen_painter.h"
#include "ui/screen.h"

namespace ui::qt {

CaretBlink::CaretBlink(QWidget* window, const Screen& screen, std::function<QRectF(const QRectF&)> toWindow)
    : QObject(window), window_(window), screen_(screen), toWindow_(std::move(toWindow)) {
    int flash = QGuiApplication::styleHints()->cursorFlashTime();
    timer_.setInterval(flash > 0 ? flash / 2 : 0);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    if (flash > 0) timer_.start();
    window->installEventFilter(this);
}

bool CaretBlink::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::WindowActivate:
            restart();
            break;
        default:
            break;
    }
    return false;
}

void CaretBlink::restart() {
    if (!on_) window_->update(shown_);
    on_ = true;
    if (timer_.interval() > 0) timer_.start();
}

QRect CaretBlink::currentRect() const {
    Control* box = screen_.focused();
    if (!box || !screen_.isLoaded()) return {};
    return toWindow_(caretRect(*box).adjusted(-1, -1, 1, 1)).toAlignedRect();
}

void CaretBlink::tick() {
    QRect now = currentRect();
    if (now.isEmpty()) {
        on_ = true;
        return;
    }
    on_ = !on_;
    window_->update(now.united(shown_));
    shown_ = now;
}

}  // namespace ui::qt
