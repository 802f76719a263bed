// One top-level window per loaded screen. It paints the screen from the
// model and turns Qt's mouse and key events into model events; it holds no
// rules of its own.
#pragma once

#include <QWidget>

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

    ScreenRegistry& registry_;
    Screen& screen_;
    CaretBlink* caret_;
    bool closingFromModel_ = false;
    QPointF lastPosition_{-1, -1};
};

// Key code of the main keyboard or of the numeric keypad for a Qt key.
int keyCodeFor(int qtKey, Qt::KeyboardModifiers modifiers);
// Shift state bits for Qt modifiers.
int shiftStateFor(Qt::KeyboardModifiers modifiers);

}  // namespace ui::qt
