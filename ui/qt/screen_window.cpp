#include "ui/qt/screen_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QToolTip>
#include <QTouchEvent>
#include <QWindow>
#include <cmath>

#include "ui/keys.h"
#include "ui/qt/caret_blink.h"
#include "ui/qt/resources.h"
#include "ui/qt/screen_accessibility.h"
#include "ui/qt/screen_painter.h"

namespace ui::qt {

namespace {

constexpr double kTwipsPerPixel = 15.0;
// How long a key release waits for the press that would make it half of an
// auto-repeat pair, and how far apart the two may be stamped.
constexpr int kRepeatWait = 40;           // ms
constexpr quint64 kRepeatPairSpread = 8;  // ms

// Around a screen enlarged to fill a window of another shape.
const QColor kFrameColour(0x20, 0x20, 0x20);

int twips(double value) {
    return static_cast<int>(std::floor(value));
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
    : QWidget(nullptr, Qt::Window),
      registry_(registry),
      screen_(screen),
      caret_(new CaretBlink(this, screen, [this](const QRectF& pixels) { return toWindow(pixels); })),
      designSize_(static_cast<int>(std::lround(screen.width / kTwipsPerPixel)),
                  static_cast<int>(std::lround(screen.height / kTwipsPerPixel))) {
    heldReleaseTimer_.setSingleShot(true);
    heldReleaseTimer_.setInterval(kRepeatWait);
    connect(&heldReleaseTimer_, &QTimer::timeout, this, [this] {
        // On a busy machine the press that makes the release a repeat may
        // have arrived and still wait behind this timer: it comes in first.
        QCoreApplication::processEvents();
        releaseHeldKey(false);
    });
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Never smaller than the screen; larger, maximised or full screen, the
    // screen is enlarged to fill it.
    setMinimumSize(designSize_);
    resize(designSize_);
    setObjectName(QString::fromStdString(screen.formName()));
    accessibility_ = std::make_unique<ScreenAccessibility>(*this);
    refresh();
}

ScreenWindow::~ScreenWindow() = default;

double ScreenWindow::scale() const {
    return std::min(double(width()) / designSize_.width(), double(height()) / designSize_.height());
}

QRectF ScreenWindow::contentRect() const {
    double s = scale();
    QSizeF size = QSizeF(designSize_) * s;
    // Whole pixels, so that an enlarged screen is drawn as sharp as at 100 %.
    QPointF origin(std::floor((width() - size.width()) / 2), std::floor((height() - size.height()) / 2));
    return QRectF(origin, size);
}

void ScreenWindow::setDialogScale(double scale) {
    setFixedSize((QSizeF(designSize_) * scale).toSize());
}

QPointF ScreenWindow::twipsAt(QPointF position) const {
    QRectF content = contentRect();
    return (position - content.topLeft()) * (kTwipsPerPixel / scale());
}

QRectF ScreenWindow::toWindow(const QRectF& pixels) const {
    QRectF content = contentRect();
    double s = scale();
    return QRectF(content.topLeft() + pixels.topLeft() * s, pixels.size() * s);
}

QRect ScreenWindow::windowRectOf(const Control& control) const {
    return toWindow(QRectF(control.left / kTwipsPerPixel, control.top / kTwipsPerPixel,
                           control.width / kTwipsPerPixel, control.height / kTwipsPerPixel))
        .toAlignedRect();
}

void ScreenWindow::refresh() {
    QString caption = QString::fromStdString(screen_.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
    if (lastPosition_.x() >= 0) updatePointer(lastPosition_);
    update();
    accessibility_->follow();
}

void ScreenWindow::closeFromModel() {
    closingFromModel_ = true;
    close();
    deleteLater();
}

void ScreenWindow::standOver(ScreenWindow& owner) {
    owner_ = &owner;
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setMinimumSize(0, 0);
    setDialogScale(owner.scale());
    winId();
    windowHandle()->setTransientParent(owner.windowHandle());
}

void ScreenWindow::updatePointer(QPointF position) {
    if (registry_.dragging()) return;  // the drag icon stays
    // A screen behind its dialog takes nothing, and shows it.
    QPointF at = twipsAt(position);
    Control* c = screen_.enabled && contentRect().contains(position)
                     ? screen_.controlAt(twips(at.x()), twips(at.y()))
                     : nullptr;
    setCursor(c ? cursorFor(c->pointer) : QCursor(Qt::ArrowCursor));
}

bool ScreenWindow::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            // A press of the held key at the moment of its release is a repeat.
            auto* key = static_cast<QKeyEvent*>(event);
            if (heldRelease_ && key->nativeScanCode() == heldRelease_->scanCode &&
                key->timestamp() - heldRelease_->timestamp <= kRepeatPairSpread) {
                heldRelease_.reset();
                heldReleaseTimer_.stop();
            } else {
                releaseHeldKey();
            }
            break;
        }
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::TouchBegin:
        case QEvent::FocusOut:
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            // Everything that follows a release comes after its KeyUp.
            releaseHeldKey();
            break;
        default:
            break;
    }
    if (!screen_.enabled && onInputWhileDisabled) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::TouchBegin:
            case QEvent::KeyPress:
            case QEvent::WindowActivate:
                onInputWhileDisabled();
                break;
            default:
                break;
        }
    }
    switch (event->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            touch(static_cast<QTouchEvent*>(event));
            return true;
        default:
            break;
    }
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        QPointF at = twipsAt(help->pos());
        Control* c =
            contentRect().contains(help->pos()) ? screen_.controlAt(twips(at.x()), twips(at.y())) : nullptr;
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
    QRectF content = contentRect();
    if (content != QRectF(rect())) painter.fillRect(rect(), kFrameColour);
    // Enlarged, the screen is drawn again at the window's resolution, not
    // stretched: its pictures are drawings and its text is set anew.
    painter.translate(content.topLeft());
    painter.scale(scale(), scale());
    painter.setClipRect(QRectF(QPointF(0, 0), QSizeF(designSize_)));
    paintScreen(painter, screen_, caret_->on());
}

void ScreenWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (scale() != lastScale_) {
        lastScale_ = scale();
        if (onScaleChanged) onScaleChanged();
    }
}

void ScreenWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && onWindowStateChanged) onWindowStateChanged();
}

void ScreenWindow::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    accessibility_->windowFocused();
}

void ScreenWindow::mouseMoveEvent(QMouseEvent* event) {
    lastPosition_ = event->position();
    updatePointer(event->position());
    // The frame around an enlarged screen is not the screen.
    if (!contentRect().contains(event->position())) return;
    QPointF at = twipsAt(event->position());
    registry_.mouseMove(screen_, twips(at.x()), twips(at.y()), buttonsOf(event->buttons()),
                        shiftStateFor(event->modifiers()));
}

void ScreenWindow::mousePressEvent(QMouseEvent* event) {
    QPointF at = twipsAt(event->position());
    registry_.mouseDown(screen_, twips(at.x()), twips(at.y()), buttonOf(event->button()),
                        shiftStateFor(event->modifiers()));
}

void ScreenWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    QPointF at = twipsAt(event->position());
    registry_.mouseDown(screen_, twips(at.x()), twips(at.y()), buttonOf(event->button()),
                        shiftStateFor(event->modifiers()), true);
}

void ScreenWindow::mouseReleaseEvent(QMouseEvent* event) {
    // The window holds the mouse from press to release, so a release beyond
    // its edge, or in the frame around an enlarged screen, still arrives here.
    if (!contentRect().contains(event->position())) {
        registry_.mouseUpOutside(screen_, buttonOf(event->button()), shiftStateFor(event->modifiers()));
    } else {
        QPointF at = twipsAt(event->position());
        registry_.mouseUp(screen_, twips(at.x()), twips(at.y()), buttonOf(event->button()),
                          shiftStateFor(event->modifiers()));
    }
    lastPosition_ = event->position();
    updatePointer(event->position());
}

void ScreenWindow::touch(QTouchEvent* event) {
    event->accept();
    int shift = shiftStateFor(event->modifiers());
    if (event->type() == QEvent::TouchCancel) {
        // The system took the finger away: whatever it held is let go.
        if (touch_) registry_.mouseUpOutside(screen_, kLeftButton, shift);
        touch_.reset();
        return;
    }
    for (const QEventPoint& point : event->points()) {
        if (touch_ && point.id() != touch_->id) continue;
        QPointF position = point.position();
        QPointF at = twipsAt(position);
        switch (point.state()) {
            case QEventPoint::Pressed: {
                if (touch_) break;
                touch_ = Touch{point.id(), position};
                // Two taps close together in time and place are a double click.
                const QStyleHints* hints = QGuiApplication::styleHints();
                bool doubleTap =
                    lastTap_ &&
                    event->timestamp() - lastTap_->timestamp <= quint64(hints->mouseDoubleClickInterval()) &&
                    QLineF(lastTap_->position, position).length() <= hints->touchDoubleTapDistance();
                lastTap_.reset();
                registry_.mouseDown(screen_, twips(at.x()), twips(at.y()), kLeftButton, shift, doubleTap);
                break;
            }
            case QEventPoint::Updated:
                if (!touch_ || position == touch_->position) break;
                touch_->position = position;
                if (contentRect().contains(position)) {
                    registry_.mouseMove(screen_, twips(at.x()), twips(at.y()), kLeftButton, shift);
                }
                break;
            case QEventPoint::Released:
                if (!touch_) break;
                // A lifted finger leaves no pointer over the screen: what a
                // pointer over a control shows (a hover frame) goes, as when
                // the mouse moves onto bare screen.
                registry_.mouseMove(screen_, -1, -1, kLeftButton, shift);
                if (contentRect().contains(position)) {
                    registry_.mouseUp(screen_, twips(at.x()), twips(at.y()), kLeftButton, shift);
                } else {
                    registry_.mouseUpOutside(screen_, kLeftButton, shift);
                }
                lastTap_ = Tap{position, event->timestamp()};
                touch_.reset();
                break;
            default:
                break;
        }
    }
    if (event->type() == QEvent::TouchEnd && touch_) {
        // The touch ended with no word of the finger: what it held is let go.
        registry_.mouseUpOutside(screen_, kLeftButton, shift);
        touch_.reset();
    }
}

int ScreenWindow::keyCodeOf(const QKeyEvent& event) const {
    // Under X11 and Wayland scan codes are XKB key codes; the digit row is
    // 10 ("1") to 19 ("0") on every layout, also where its digits need Shift.
    static const bool xkbScanCodes =
        QGuiApplication::platformName() == "xcb" || QGuiApplication::platformName().startsWith("wayland");
    quint32 scan = event.nativeScanCode();
    if (xkbScanCodes && scan >= 10 && scan <= 19) return key::kDigit0 + int(scan - 9) % 10;
    return keyCodeFor(event.key(), event.modifiers());
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F11) {
        // The window's own key: the screens never hear it.
        if (!event->isAutoRepeat() && onToggleFullScreen) onToggleFullScreen();
        return;
    }
    if (event->key() == Qt::Key_Escape && registry_.dragging()) {
        registry_.mouseUpOutside(screen_, registry_.dragButton(), 0);  // a cancelled drag
        return;
    }
    int code = keyCodeOf(*event);
    if (event->nativeScanCode() != 0) pressedCodes_[event->nativeScanCode()] = code;
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
            if ((shift & kCtrlKey) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) {
                // Ctrl with a letter types its control character, 1 to 26.
                character = static_cast<char32_t>(event->key() - Qt::Key_A + 1);
                break;
            }
            QList<uint> codes = event->text().toUcs4();
            if (!codes.isEmpty() && codes.front() >= 32 && codes.front() != 127) character = codes.front();
        }
    }
    registry_.keyDown(screen_, code, character, shift);
}

void ScreenWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || event->key() == Qt::Key_F11) return;  // a held key is released once
    int shift = shiftStateFor(event->modifiers());
    if (event->key() == Qt::Key_Backtab) shift |= kShiftKey;
    // The code the key went down with: a modifier released first must not
    // change which key this was.
    quint32 scan = event->nativeScanCode();
    auto pressed = pressedCodes_.find(scan);
    int code = keyCodeOf(*event);
    if (scan != 0 && pressed != pressedCodes_.end()) {
        code = pressed->second;
        pressedCodes_.erase(pressed);
    }
    if (scan == 0) {
        registry_.keyUp(screen_, code, shift);
        return;
    }
    heldRelease_ = HeldRelease{code, shift, scan, event->timestamp()};
    heldReleaseTimer_.start();
}

void ScreenWindow::releaseHeldKey(bool beforeOtherInput) {
    if (!heldRelease_) return;
    HeldRelease release = *heldRelease_;
    heldRelease_.reset();
    heldReleaseTimer_.stop();
    registry_.keyUp(screen_, release.code, release.shift);
    if (beforeOtherInput && onLateKeyUp) onLateKeyUp();
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
