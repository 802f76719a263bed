// The blinking of the caret in the focused text box of a window: the caret
// shows steadily while the child types or clicks, and blinks at the desktop's
// pace once the keyboard rests. Only the caret's few pixels are repainted.
#pragma once

#include <QObject>
#include <QRect>
#include <QTimer>
#include <functional>

class QWidget;

namespace ui {
class Screen;
}

namespace ui::qt {

class CaretBlink : public QObject {
  public:
    // toWindow: where a rectangle of the screen (pixels at 100 %) stands in
    // the window, which may show the screen enlarged.
    CaretBlink(QWidget* window, const Screen& screen, std::function<QRectF(const QRectF&)> toWindow);

    // The caret is in its visible phase.
    bool on() const { return on_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void restart();
    void tick();
    QRect currentRect() const;

    QWidget* window_;
    const Screen& screen_;
    std::function<QRectF(const QRectF&)> toWindow_;
    QTimer timer_;
    bool on_ = true;
    QRect shown_;  // where the caret stood at the last tick
};

}  // namespace ui::qt
