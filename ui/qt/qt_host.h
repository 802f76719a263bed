// Keeps one window for each loaded screen and follows the model.
#pragma once

#include <QObject>
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
    // Raises the dialogs standing over a window whose screen they disabled.
    void bringDialogForward(ScreenWindow& owner);
    void deliverFocusMoves();

    ScreenRegistry& registry_;
    std::map<const Screen*, ScreenWindow*> windows_;
    std::vector<std::function<void()>> focusMoves_;  // asked for, waiting for delivered input
};

}  // namespace ui::qt
