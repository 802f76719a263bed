#include "ui/qt/screen_window.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "ui/keys.h"
#include "ui/qt/caret_blink.h"
#include "ui/qt/resources.h"
#include "ui/qt/screen_painter.h"

namespace ui::qt {

namespace {

constexpr double kTwipsPerPixel = 15.0;

int twips(double pixels) {
    return static_cast<int>(std::floor(pixels * kTwipsPerPixel));
}

int buttonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return kLeftButton;
        case Qt::RightButton:
            return kRightButton;
        case Qt::MiddleButton:
            return kMiddleButton;
        default:
            return 0;
    }
}

int buttonsOf(Qt::MouseButtons buttons) {
    int state = 0;
    if (buttons & Qt::LeftButton) state |= kLeftButton;
    if (buttons & Qt::RightButton) state |= kRightButton;
    if (buttons & Qt::MiddleButton) state |= kMiddleButton;
    return state;
}

}  // namespace

int shiftStateFor(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (modifiers & Qt::ShiftModifier) state |= kShiftKey;
    if (modifiers & Qt::ControlModifier) state |= kCtrlKey;
    if (modifiers & Qt::AltModifier) state |= kAltKey;
    return state;
}

int keyCodeFor(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        int digit = qtKey - Qt::Key_0;
        return (modifiers & Qt::KeypadModifier) ? key::kNumpad0 + digit : key::kDigit0 + digit;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return key::kA + (qtKey - Qt::Key_A);
    switch (qtKey) {
        case Qt::Key_Backspace:
            return key::kBackspace;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return key::kTab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return key::kEnter;
        case Qt::Key_Shift:
            return key::kShift;
        case Qt::Key_Control:
            return key::kControl;
        case Qt::Key_Alt:
            return key::kAlt;
        case Qt::Key_Escape:
            return key::kEscape;
        case Qt::Key_Space:
            return key::kSpace;
        case Qt::Key_PageUp:
            return key::kPageUp;
        case Qt::Key_PageDown:
            return key::kPageDown;
        case Qt::Key_End:
            return key::kEnd;
        case Qt::Key_Home:
            return key::kHome;
        case Qt::Key_Left:
            return key::kLeft;
        case Qt::Key_Up:
            return key::kUp;
        case Qt::Key_Right:
            return key::kRight;
        case Qt::Key_Down:
            return key::kDown;
        case Qt::Key_Delete:
            return key::kDelete;
        default:
            return 0;
    }
}

ScreenWindow::ScreenWindow(ScreenRegistry& registry, Screen& screen)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      registry_(registry),
      screen_(screen),
      caret_(new CaretBlink(this, screen)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(static_cast<int>(std::lround(screen.width / kTwipsPerPixel)),
                 static_cast<int>(std::lround(screen.height / kTwipsPerPixel)));
    setObjectName(QString::fromStdString(screen.formName()));
    refresh();
}

void ScreenWindow::refresh() {
    QString caption = QString::fromStdString(screen_.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
    if (lastPosition_.x() >= 0) updatePointer(lastPosition_);
    update();
}

void ScreenWindow::closeFromModel() {
    closingFromModel_ = true;
    close();
    deleteLater();
}

void ScreenWindow::updatePointer(QPointF position) {
    if (registry_.dragging()) return;  // the drag icon stays
    Control* c = screen_.controlAt(twips(position.x()), twips(position.y()));
    setCursor(c ? cursorFor(c->pointer) : QCursor(Qt::ArrowCursor));
}

bool ScreenWindow::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        Control* c = screen_.controlAt(twips(help->pos().x()), twips(help->pos().y()));
        if (c && !c->toolTip.empty() && screen_.enabled) {
            QToolTip::showText(help->globalPos(), QString::fromStdString(c->toolTip), this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        // Tab belongs to the screen's own focus order, not to Qt's.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void ScreenWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintScreen(painter, screen_, caret_->on());
}

void ScreenWindow::mouseMoveEvent(QMouseEvent* event) {
    lastPosition_ = event->position();
    updatePointer(event->position());
    registry_.mouseMove(screen_, twips(event->position().x()), twips(event->position().y()),
                        buttonsOf(event->buttons()), shiftStateFor(event->modifiers()));
}

void ScreenWindow::mousePressEvent(QMouseEvent* event) {
    registry_.mouseDown(screen_, twips(event->position().x()), twips(event->position().y()),
                        buttonOf(event->button()), shiftStateFor(event->modifiers()));
}

void ScreenWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    registry_.mouseDown(screen_, twips(event->position().x()), twips(event->position().y()),
                        buttonOf(event->button()), shiftStateFor(event->modifiers()), true);
}

void ScreenWindow::mouseReleaseEvent(QMouseEvent* event) {
    // The window holds the mouse from press to release, so a release beyond
    // its edge still arrives here.
    if (!rect().contains(event->position().toPoint())) {
        registry_.mouseUpOutside(screen_, buttonOf(event->button()), shiftStateFor(event->modifiers()));
    } else {
        registry_.mouseUp(screen_, twips(event->position().x()), twips(event->position().y()),
                          buttonOf(event->button()), shiftStateFor(event->modifiers()));
    }
    lastPosition_ = event->position();
    updatePointer(event->position());
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && registry_.dragging()) {
        registry_.mouseUpOutside(screen_, kLeftButton, 0);  // a cancelled drag
        return;
    }
    int code = keyCodeFor(event->key(), event->modifiers());
    int shift = shiftStateFor(event->modifiers());
    if (event->key() == Qt::Key_Backtab) shift |= kShiftKey;
    char32_t character = 0;
    switch (code) {
        case key::kBackspace:
        case key::kEnter:
        case key::kEscape:
            character = static_cast<char32_t>(code);
            break;
        case key::kTab:
            break;
        default: {
            QList<uint> codes = event->text().toUcs4();
            if (!codes.isEmpty() && codes.front() >= 32 && codes.front() != 127) character = codes.front();
        }
    }
    registry_.keyDown(screen_, code, character, shift);
}

void ScreenWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;  // a held key is released once
    int shift = shiftStateFor(event->modifiers());
    if (event->key() == Qt::Key_Backtab) shift |= kShiftKey;
    registry_.keyUp(screen_, keyCodeFor(event->key(), event->modifiers()), shift);
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    if (closingFromModel_) {
        event->accept();
        return;
    }
    // The model decides: the screen unloads, a dialog answers as its own
    // button would, a disabled screen stays.
    event->ignore();
    registry_.closeRequested(screen_);
}

}  // namespace ui::qt
