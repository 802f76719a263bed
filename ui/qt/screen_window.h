// One top-level window per loaded screen. It paints the screen from the
// model and turns Qt's mouse and key events into model events; it holds no
// rules of its own.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>

#include "ui/screen.h"

namespace ui::qt {

class CaretBlink;

class ScreenWindow : public QWidget {
    Q_OBJECT
  public:
    ScreenWindow(ScreenRegistry& registry, Screen& screen);

    Screen& screen() const { return screen_; }
    // Follows the model: caption, enabled look, pointer.
    void refresh();
    // The model unloaded the screen: the window goes without asking it.
    void closeFromModel();
    // Makes this window a dialog of the window it stands over: the window
    // manager keeps it above that one, with no minimise or maximise button.
    void standOver(ScreenWindow& owner);
    ScreenWindow* owner() const { return owner_; }

    // Input reached the window while its screen is disabled behind a dialog.
    std::function<void()> onInputWhileDisabled;
    // A held key release was sent because other input came: what its KeyUp
    // asked for happened at the release, before that input.
    std::function<void()> onLateKeyUp;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void updatePointer(QPointF position);
    // The key code a key event stands for: the physical key's, whatever the
    // layout and the modifiers.
    int keyCodeOf(const QKeyEvent& event) const;
    // Sends the key release held back to see whether a repeat follows;
    // beforeOtherInput when other input is about to be handled.
    void releaseHeldKey(bool beforeOtherInput = true);

    // A key release that may be half of an X server's auto-repeat pair: the
    // server sends a held key's repeats as a release and a press at the same
    // moment, and the toolkit does not always mark them. The release waits
    // a moment; a press of the same key at once makes it a repeat.
    struct HeldRelease {
        int code = 0;
        int shift = 0;
        quint32 scanCode = 0;
        quint64 timestamp = 0;
    };

    ScreenRegistry& registry_;
    Screen& screen_;
    CaretBlink* caret_;
    ScreenWindow* owner_ = nullptr;
    bool closingFromModel_ = false;
    QPointF lastPosition_{-1, -1};
    std::map<quint32, int> pressedCodes_;  // by scan code: the code each held key went down with
    std::optional<HeldRelease> heldRelease_;
    QTimer heldReleaseTimer_;
};

// Key code of the main keyboard or of the numeric keypad for a Qt key.
int keyCodeFor(int qtKey, Qt::KeyboardModifiers modifiers);
// Shift state bits for Qt modifiers.
int shiftStateFor(Qt::KeyboardModifiers modifiers);

}  // namespace ui::qt
