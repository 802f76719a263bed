// Keeps one window for each loaded screen and follows the model.
#pragma once

#include <QObject>
#include <QRect>
#include <functional>
#include <map>
#include <vector>

#include "ui/screen_registry.h"

namespace ui::qt {

class ScreenWindow;

class QtHost : public QObject, public ScreenHost {
    Q_OBJECT
  public:
    explicit QtHost(ScreenRegistry& registry);
    ~QtHost() override;

    ScreenWindow* windowOf(const Screen& screen) const;

    void screenLoaded(Screen& screen) override;
    void screenUnloaded(Screen& screen) override;
    void screenRaised(Screen& screen) override;
    void modelChanged() override;
    void afterDeliveredInput(std::function<void()> then) override;
    void dragStarted(Control& control) override;
    void dragEnded() override;
    void programEnded() override;

  private:
    // How the screens' windows stand: the size the child or the teacher
    // chose lasts while the program runs, and later screens open the same.
    enum class WindowSize { Normal, Maximized, FullScreen };

    // Raises the dialogs standing over a window whose screen they disabled.
    void bringDialogForward(ScreenWindow& owner);
    void deliverFocusMoves();
    void toggleFullScreen();
    // Shows a screen's window in the chosen size.
    void showSized(ScreenWindow& window);
    // Without a window manager nobody makes a window fill the screen, nor
    // gives it back its size afterwards: the window does it itself.
    void settleWithoutWindowManager(ScreenWindow& window);
    void windowStateChanged(ScreenWindow& window);
    // Where a screen's window stands, or stood before it was enlarged.
    QRect normalPlace(const ScreenWindow& window) const;
    // Dialogs take the scale of their screen and stay centred over it.
    void fitDialogs(ScreenWindow& owner);
    void fitDialog(ScreenWindow& dialog, ScreenWindow& owner);

    ScreenRegistry& registry_;
    std::map<const Screen*, ScreenWindow*> windows_;
    std::vector<std::function<void()>> focusMoves_;  // asked for, waiting for delivered input
    WindowSize size_ = WindowSize::Normal;
    // Where each enlarged window goes back to: without a window manager the
    // toolkit loses it.
    std::map<const ScreenWindow*, QRect> normalPlaces_;
};

}  // namespace ui::qt
