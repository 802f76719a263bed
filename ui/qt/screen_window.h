// One top-level window per loaded screen. It paints the screen from the
// model and turns Qt's mouse, touch and key events into model events; it
// holds no rules of its own. A window larger than its screen (full screen,
// maximised) shows the screen scaled uniformly to fill it, centred, in a
// dark frame, and maps every point back to the screen's own twips.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "ui/screen.h"

class QTouchEvent;

namespace ui::qt {

class CaretBlink;
class ScreenAccessibility;

class ScreenWindow : public QWidget {
    Q_OBJECT
  public:
    ScreenWindow(ScreenRegistry& registry, Screen& screen);
    ~ScreenWindow() override;

    Screen& screen() const { return screen_; }
    ScreenRegistry& registry() const { return registry_; }
    // Follows the model: caption, enabled look, pointer, and what assistive
    // technology is told.
    void refresh();
    // The model unloaded the screen: the window goes without asking it.
    void closeFromModel();
    // Makes this window a dialog of the window it stands over: the window
    // manager keeps it above that one, with no minimise or maximise button.
    void standOver(ScreenWindow& owner);
    ScreenWindow* owner() const { return owner_; }

    // The screen's client area in pixels at 100 %.
    QSize designSize() const { return designSize_; }
    // How much the screen is enlarged in the window, and where it stands.
    double scale() const;
    QRectF contentRect() const;
    // A dialog takes the scale of the screen it stands over.
    void setDialogScale(double scale);
    // A point of the window in the screen's twips, a rectangle of the
    // screen (pixels at 100 %) in the window, and a control's place there.
    QPointF twipsAt(QPointF position) const;
    QRectF toWindow(const QRectF& pixels) const;
    QRect windowRectOf(const Control& control) const;
    ScreenAccessibility& accessibility() const { return *accessibility_; }

    // Input reached the window while its screen is disabled behind a dialog.
    std::function<void()> onInputWhileDisabled;
    // A held key release was sent because other input came: what its KeyUp
    // asked for happened at the release, before that input.
    std::function<void()> onLateKeyUp;
    // F11: full screen on or off, for every screen.
    std::function<void()> onToggleFullScreen;
    // The window manager or F11 changed the window's state (maximised, full
    // screen, normal), or its size changed the scale.
    std::function<void()> onWindowStateChanged;
    std::function<void()> onScaleChanged;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void updatePointer(QPointF position);
    // One finger works as the mouse's left button.
    void touch(QTouchEvent* event);
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

    // The finger that stands for the mouse, and where its last tap ended,
    // to tell a double tap.
    struct Touch {
        int id = 0;
        QPointF position;
    };
    struct Tap {
        QPointF position;
        quint64 timestamp = 0;
    };

    ScreenRegistry& registry_;
    Screen& screen_;
    CaretBlink* caret_;
    ScreenWindow* owner_ = nullptr;
    QSize designSize_;
    bool closingFromModel_ = false;
    QPointF lastPosition_{-1, -1};
    std::map<quint32, int> pressedCodes_;  // by scan code: the code each held key went down with
    std::optional<HeldRelease> heldRelease_;
    QTimer heldReleaseTimer_;
    std::optional<Touch> touch_;
    std::optional<Tap> lastTap_;
    double lastScale_ = 1.0;
    std::unique_ptr<ScreenAccessibility> accessibility_;
};

// Key code of the main keyboard or of the numeric keypad for a Qt key.
int keyCodeFor(int qtKey, Qt::KeyboardModifiers modifiers);
// Shift state bits for Qt modifiers.
int shiftStateFor(Qt::KeyboardModifiers modifiers);

}  // namespace ui::qt
