// Keeps one window for each loaded screen and follows the model.
#pragma once

#include <QObject>
#include <map>

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
    void dragStarted(Control& control) override;
    void dragEnded() override;
    void programEnded() override;

  private:
    ScreenRegistry& registry_;
    std::map<const Screen*, ScreenWindow*> windows_;
};

// Plays the desktop's alert sound through the sound theme ("bell"), or the
// toolkit's beep where that is not possible; never waits.
class DesktopSound : public Sound {
  public:
    DesktopSound();
    ~DesktopSound() override;
    void beep() override;

  private:
    struct Context;
    Context* context_;
};

}  // namespace ui::qt
