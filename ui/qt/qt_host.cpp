#include "ui/qt/qt_host.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "ui/qt/resources.h"
#include "ui/qt/screen_window.h"
#include "ui/screen.h"

// The pictures are compiled into the binary; a static library has to ask
// for its resources to be registered.
static void registerPictures() {
    Q_INIT_RESOURCE(assets);
}

namespace ui::qt {

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
    // The window in front until now: a disabled one is the screen this one
    // stands over as its dialog; an enabled one is the screen this one
    // replaces, and the program should feel like one window that changes its
    // contents, wherever the child or the teacher put it.
    ScreenWindow* previous = nullptr;
    const std::vector<Screen*>& loaded = registry_.loadedScreens();
    for (auto it = loaded.rbegin(); it != loaded.rend() && !previous; ++it) {
        if (*it != &screen) previous = windowOf(**it);
    }
    QRect place(QPoint(0, 0), window->size());
    if (previous && !previous->screen().enabled) {
        window->standOver(*previous);
        place.moveCenter(previous->geometry().center());
    } else if (previous) {
        place.moveTopLeft(previous->geometry().topLeft());
    } else if (QScreen* desktop = QGuiApplication::primaryScreen()) {
        place.moveCenter(desktop->availableGeometry().center());
    }
    window->setGeometry(place);
    window->show();
    window->raise();
    window->activateWindow();
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
    QApplication::setOverrideCursor(dragCursor(control.dragIcon));
}

void QtHost::dragEnded() {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

void QtHost::programEnded() {
    dragEnded();
    QApplication::quit();
}

}  // namespace ui::qt
