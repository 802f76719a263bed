#include "ui/qt/qt_host.h"

#include <canberra.h>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

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
    // A dialog stands centred over the window it belongs to; a screen centred
    // on the desktop.
    QRect area =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry() : QRect();
    QRect frame(QPoint(0, 0), window->size());
    ScreenWindow* behind = nullptr;
    for (auto& [other, w] : windows_) {
        if (w != window && w->isVisible()) behind = w;
    }
    frame.moveCenter(behind && window->width() < behind->width() ? behind->geometry().center()
                                                                 : area.center());
    window->move(frame.topLeft());
    window->show();
    window->raise();
    window->activateWindow();
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

struct DesktopSound::Context {
    ca_context* canberra = nullptr;
};

DesktopSound::DesktopSound() : context_(new Context) {
    if (ca_context_create(&context_->canberra) != CA_SUCCESS) context_->canberra = nullptr;
}

DesktopSound::~DesktopSound() {
    if (context_->canberra) ca_context_destroy(context_->canberra);
    delete context_;
}

void DesktopSound::beep() {
    if (context_->canberra &&
        ca_context_play(context_->canberra, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                        "Aritmetica", nullptr) == CA_SUCCESS) {
        return;
    }
    QApplication::beep();
}

}  // namespace ui::qt
