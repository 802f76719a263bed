#include "ui/qt/qt_host.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cmath>

#include "ui/qt/resources.h"
#include "ui/qt/screen_window.h"
#include "ui/screen.h"

// The pictures are compiled into the binary; a static library has to ask
// for its resources to be registered.
static void registerPictures() {
    Q_INIT_RESOURCE(assets);
}

namespace ui::qt {

namespace {

// How long a window manager may take to act on a window's new state.
constexpr int kWindowManagerWait = 300;  // ms

// The drag icon at the scale of the screen it is dragged on.
QCursor dragCursorAt(const std::string& assetId, double scale) {
    QSize size = pictureSize(assetId);
    if (size.isEmpty() || scale == 1.0) return dragCursor(assetId);
    QSize scaled = (QSizeF(size) * scale).toSize();
    qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap(scaled * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawPicture(painter, assetId, QRectF(QPointF(0, 0), QSizeF(scaled)));
    painter.end();
    return QCursor(pixmap, scaled.width() / 2, scaled.height() / 2);
}

}  // namespace

QtHost::QtHost(ScreenRegistry& registry) : registry_(registry) {
    registerPictures();
    registry_.setHost(this);
}

QtHost::~QtHost() {
    registry_.setHost(nullptr);
    for (auto& [screen, window] : windows_) delete window;
}

ScreenWindow* QtHost::windowOf(const Screen& screen) const {
    auto it = windows_.find(&screen);
    return it == windows_.end() ? nullptr : it->second;
}

void QtHost::screenLoaded(Screen& screen) {
    auto* window = new ScreenWindow(registry_, screen);
    windows_[&screen] = window;
    window->onInputWhileDisabled = [this, window] { bringDialogForward(*window); };
    window->onLateKeyUp = [this] { deliverFocusMoves(); };
    window->onToggleFullScreen = [this] { toggleFullScreen(); };
    window->onWindowStateChanged = [this, window] { windowStateChanged(*window); };
    window->onScaleChanged = [this, window] { fitDialogs(*window); };
    // The window in front until now: a disabled one is the screen this one
    // stands over as its dialog; an enabled one is the screen this one
    // replaces, and the program should feel like one window that changes its
    // contents, wherever the child or the teacher put it.
    ScreenWindow* previous = nullptr;
    const std::vector<Screen*>& loaded = registry_.loadedScreens();
    for (auto it = loaded.rbegin(); it != loaded.rend() && !previous; ++it) {
        if (*it != &screen) previous = windowOf(**it);
    }
    if (previous && !previous->screen().enabled) {
        window->standOver(*previous);
        fitDialog(*window, *previous);
        window->show();
    } else {
        QRect place(QPoint(0, 0), window->size());
        if (previous) {
            place.moveTopLeft(normalPlace(*previous).topLeft());
        } else if (QScreen* desktop = QGuiApplication::primaryScreen()) {
            place.moveCenter(desktop->availableGeometry().center());
        }
        window->setGeometry(place);
        normalPlaces_[window] = place;
        showSized(*window);
    }
    window->raise();
    window->activateWindow();
}

void QtHost::showSized(ScreenWindow& window) {
    switch (size_) {
        case WindowSize::FullScreen:
            window.showFullScreen();
            settleWithoutWindowManager(window);
            break;
        case WindowSize::Maximized:
            window.showMaximized();
            break;
        case WindowSize::Normal:
            window.show();
            break;
    }
}

void QtHost::toggleFullScreen() {
    bool entering = size_ != WindowSize::FullScreen;
    size_ = entering ? WindowSize::FullScreen : WindowSize::Normal;
    for (auto& [screen, window] : windows_) {
        if (window->owner() || !window->isVisible()) continue;
        if (entering) {
            normalPlaces_[window] = window->isMaximized() ? window->normalGeometry() : window->geometry();
            window->showFullScreen();
        } else {
            window->showNormal();
        }
        settleWithoutWindowManager(*window);
    }
}

void QtHost::settleWithoutWindowManager(ScreenWindow& window) {
    QTimer::singleShot(kWindowManagerWait, &window, [this, &window] {
        QScreen* desktop = window.QWidget::screen();
        if (!desktop || window.isMinimized() || window.isMaximized()) return;
        if (size_ == WindowSize::FullScreen) {
            // Through its window: a widget moved or resized leaves full screen.
            if (window.geometry() != desktop->geometry())
                window.windowHandle()->setGeometry(desktop->geometry());
        } else if (size_ == WindowSize::Normal) {
            QRect normal = normalPlace(window);
            if (window.size() != normal.size()) window.setGeometry(normal);
        }
    });
}

QRect QtHost::normalPlace(const ScreenWindow& window) const {
    if (window.isMaximized()) return window.normalGeometry();  // a window manager keeps it
    auto it = normalPlaces_.find(&window);
    bool enlarged = window.isFullScreen() || window.size() != window.designSize();
    return enlarged && it != normalPlaces_.end() ? it->second : window.geometry();
}

void QtHost::windowStateChanged(ScreenWindow& window) {
    if (window.owner() || window.isMinimized() || !window.isVisible()) return;
    size_ = window.isFullScreen()  ? WindowSize::FullScreen
            : window.isMaximized() ? WindowSize::Maximized
                                   : WindowSize::Normal;
}

void QtHost::fitDialogs(ScreenWindow& owner) {
    for (auto& [screen, window] : windows_) {
        if (window->owner() == &owner) fitDialog(*window, owner);
    }
}

void QtHost::fitDialog(ScreenWindow& dialog, ScreenWindow& owner) {
    dialog.setDialogScale(owner.scale());
    QRect place(QPoint(0, 0), dialog.size());
    place.moveCenter(owner.geometry().center());
    dialog.setGeometry(place);
}

void QtHost::bringDialogForward(ScreenWindow& owner) {
    for (auto& [screen, window] : windows_) {
        if (window->owner() == &owner && window->isVisible()) {
            if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->raise();
            window->activateWindow();
        }
    }
}

void QtHost::afterDeliveredInput(std::function<void()> then) {
    focusMoves_.push_back(std::move(then));
    if (focusMoves_.size() > 1) return;
    // Input the window system has already handed to the toolkit goes to the
    // model first, as it would have been queued before the move.
    QTimer::singleShot(0, this, [this] {
        QCoreApplication::processEvents();
        deliverFocusMoves();
    });
}

void QtHost::deliverFocusMoves() {
    std::vector<std::function<void()>> moves;
    moves.swap(focusMoves_);
    for (auto& move : moves) move();
}

void QtHost::screenUnloaded(Screen& screen) {
    auto it = windows_.find(&screen);
    if (it == windows_.end()) return;
    it->second->closeFromModel();
    normalPlaces_.erase(it->second);
    windows_.erase(it);
}

void QtHost::screenRaised(Screen& screen) {
    if (ScreenWindow* w = windowOf(screen)) {
        w->raise();
        w->activateWindow();
    }
}

void QtHost::modelChanged() {
    for (auto& [screen, window] : windows_) window->refresh();
}

void QtHost::dragStarted(Control& control) {
    ScreenWindow* window = windowOf(control.screen());
    QApplication::setOverrideCursor(dragCursorAt(control.dragIcon, window ? window->scale() : 1.0));
}

void QtHost::dragEnded() {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

void QtHost::programEnded() {
    dragEnded();
    QApplication::quit();
}

}  // namespace ui::qt
