#include "ui/qt/screen_accessibility.h"

#include <algorithm>

#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "ui/accessibility.h"
#include "ui/qt/screen_window.h"
#include "ui/screen.h"

namespace ui::qt {

namespace {

QAccessible::Role qtRole(Role role) {
    switch (role) {
        case Role::Button:
            return QAccessible::Button;
        case Role::Text:
            return QAccessible::StaticText;
        case Role::EditableText:
            return QAccessible::EditableText;
        case Role::Picture:
            return QAccessible::Graphic;
        case Role::None:
            break;
    }
    return QAccessible::NoRole;
}

// The text a control shows: a label's caption as it is spoken, a box's
// content.
QString shownText(const Control& control) {
    if (control.kind() == Kind::TextBox) return QString::fromStdString(control.caption);
    if (accessibleRole(control) == Role::Text) return QString::fromStdString(accessibleName(control));
    return {};
}

void report(QAccessibleEvent&& event) {
    QAccessible::updateAccessibility(&event);
}

class ControlAccessible : public QAccessibleInterface,
                          public QAccessibleTextInterface,
                          public QAccessibleActionInterface {
  public:
    ControlAccessible(ScreenWindow& window, Control& control) : window_(&window), control_(control) {}

    Control& control() const { return control_; }

    bool isValid() const override { return !window_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return window_ ? QAccessible::queryAccessibleInterface(window_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!window_) return {};
        switch (t) {
            case QAccessible::Name:
                return QString::fromStdString(accessibleName(control_));
            case QAccessible::Value:
                return control_.kind() == Kind::TextBox ? shownText(control_) : QString();
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!window_) return {};
        QRect r = window_->windowRectOf(control_);
        return QRect(window_->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::Role role() const override { return qtRole(accessibleRole(control_)); }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!window_) {
            state.invalid = true;
            return state;
        }
        const Screen& screen = control_.screen();
        state.invisible = !control_.visible;
        // Behind a dialog nothing of the screen takes input.
        state.disabled = !control_.enabled || !screen.enabled;
        switch (accessibleRole(control_)) {
            case Role::EditableText:
                state.focusable = Screen::canTakeFocus(control_);
                state.focused = screen.focused() == &control_ && window_->isActiveWindow();
                state.editable = !control_.locked;
                state.readOnly = control_.locked;
                break;
            case Role::Text:
                state.readOnly = true;
                break;
            default:
                break;
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        Role role = accessibleRole(control_);
        bool hasText = role == Role::Text || role == Role::EditableText;
        bool acts = role == Role::Button || role == Role::EditableText;
        if (type == QAccessible::TextInterface && hasText)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::ActionInterface && acts)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // The text, read only: what a box holds changes by the keyboard alone,
    // through the screen's own key handlers.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return control_.kind() == Kind::TextBox ? control_.caret() : 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        return shownText(control_).mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shownText(control_).size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // A button is pressed, a box takes the focus, as a click there would.
    QStringList actionNames() const override {
        if (accessibleRole(control_) == Role::EditableText) return {setFocusAction()};
        return {pressAction()};
    }
    void doAction(const QString& name) override {
        if (!window_ || !actionNames().contains(name)) return;
        Screen& screen = control_.screen();
        std::optional<ClickPoint> point = pointToClick(screen, control_);
        if (!point) return;
        window_->registry().mouseDown(screen, point->x, point->y, kLeftButton, 0);
        window_->registry().mouseUp(screen, point->x, point->y, kLeftButton, 0);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<ScreenWindow> window_;
    Control& control_;
};

// The window of a screen, or of a dialog over its screen.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(ScreenWindow* window) : QAccessibleWidget(window, QAccessible::Window) {}

    ScreenWindow& screenWindow() const { return *static_cast<ScreenWindow*>(widget()); }
    ScreenAccessibility& controls() const { return screenWindow().accessibility(); }

    QAccessible::Role role() const override {
        return screenWindow().owner() ? QAccessible::Dialog : QAccessible::Window;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return screenWindow().windowTitle();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (!screenWindow().screen().enabled) state.disabled = true;
        if (screenWindow().owner()) state.modal = true;
        return state;
    }
    // A dialog acts on the screen it stands over: it controls it.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        QList<QPair<QAccessibleInterface*, QAccessible::Relation>> found =
            QAccessibleWidget::relations(match);
        if (ScreenWindow* owner = screenWindow().owner(); owner && (match & QAccessible::Controlled)) {
            found.append({QAccessible::queryAccessibleInterface(owner), QAccessible::Controlled});
        }
        if (match & QAccessible::Controller) {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* other = qobject_cast<ScreenWindow*>(w);
                if (other && other->owner() == &screenWindow() && other->isVisible()) {
                    found.append({QAccessible::queryAccessibleInterface(other), QAccessible::Controller});
                }
            }
        }
        return found;
    }

    int childCount() const override { return static_cast<int>(controls().children().size()); }
    QAccessibleInterface* child(int index) const override {
        std::vector<Control*> children = controls().children();
        if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
        return controls().interfaceOf(*children[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* iface) const override {
        Control* control = controls().controlOf(iface);
        std::vector<Control*> children = controls().children();
        auto it = std::find(children.begin(), children.end(), control);
        return control && it != children.end() ? static_cast<int>(it - children.begin()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        ScreenWindow& window = screenWindow();
        QPoint local = window.mapFromGlobal(QPoint(x, y));
        if (!window.contentRect().contains(local)) return nullptr;
        QPointF at = window.twipsAt(local);
        const std::vector<Control*>& stack = window.screen().controls();
        // Text boxes lie above labels and pictures, then the stacking order.
        for (bool boxes : {true, false}) {
            for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
                Control* c = *it;
                if ((c->kind() == Kind::TextBox) != boxes || !isAccessible(*c)) continue;
                if (c->contains(static_cast<int>(at.x()), static_cast<int>(at.y())))
                    return controls().interfaceOf(*c);
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        Control* box = screenWindow().screen().focused();
        if (!box || !isAccessible(*box) || !screenWindow().isActiveWindow()) return nullptr;
        return controls().interfaceOf(*box);
    }
};

QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(ScreenWindow::staticMetaObject.className())) return nullptr;
    auto* window = qobject_cast<ScreenWindow*>(object);
    return window ? new WindowAccessible(window) : nullptr;
}

}  // namespace

void installScreenAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    (void)installed;
}

ScreenAccessibility::ScreenAccessibility(ScreenWindow& window)
    : window_(window), order_(window.screen().controls()) {
    installScreenAccessibility();
}

ScreenAccessibility::~ScreenAccessibility() {
    for (const auto& [control, id] : ids_) QAccessible::deleteAccessibleInterface(id);
}

std::vector<Control*> ScreenAccessibility::children() const {
    std::vector<Control*> found;
    for (Control* c : order_) {
        if (isAccessible(*c)) found.push_back(c);
    }
    return found;
}

QAccessibleInterface* ScreenAccessibility::interfaceOf(Control& control) {
    auto it = ids_.find(&control);
    if (it != ids_.end()) return QAccessible::accessibleInterface(it->second);
    auto* iface = new ControlAccessible(window_, control);
    ids_[&control] = QAccessible::registerAccessibleInterface(iface);
    return iface;
}

Control* ScreenAccessibility::controlOf(const QAccessibleInterface* iface) const {
    auto* control = dynamic_cast<const ControlAccessible*>(iface);
    return control && ids_.count(&control->control()) ? &control->control() : nullptr;
}

ScreenAccessibility::Seen ScreenAccessibility::look(const Control& control) const {
    return {.accessible = isAccessible(control),
            .name = accessibleName(control),
            .text = shownText(control).toStdString(),
            .enabled = control.enabled,
            .locked = control.locked,
            .caret = control.caret()};
}

void ScreenAccessibility::follow() {
    if (!QAccessible::isActive()) {
        following_ = false;
        return;
    }
    const Screen& screen = window_.screen();
    if (!following_) {
        // What assistive technology finds when it comes is where it starts.
        following_ = true;
        for (Control* c : order_) seen_[c] = look(*c);
        seenCaption_ = screen.caption;
        seenEnabled_ = screen.enabled;
        seenFocus_ = screen.focused();
        return;
    }
    QAccessibleInterface* windowIface = QAccessible::queryAccessibleInterface(&window_);
    if (screen.caption != seenCaption_) {
        seenCaption_ = screen.caption;
        report(QAccessibleEvent(windowIface, QAccessible::NameChanged));
    }
    bool screenEnabledChanged = screen.enabled != seenEnabled_;
    QAccessible::State disabled;
    disabled.disabled = true;
    if (screenEnabledChanged) {
        seenEnabled_ = screen.enabled;
        report(QAccessibleStateChangeEvent(windowIface, disabled));
    }
    for (Control* c : order_) {
        Seen now = look(*c);
        Seen& was = seen_[c];
        if (now.accessible != was.accessible) {
            QAccessibleInterface* iface = interfaceOf(*c);
            if (now.accessible) {
                report(QAccessibleEvent(iface, QAccessible::ObjectCreated));
                report(QAccessibleEvent(iface, QAccessible::ObjectShow));
            } else {
                report(QAccessibleEvent(iface, QAccessible::ObjectHide));
                report(QAccessibleEvent(iface, QAccessible::ObjectDestroyed));
            }
        } else if (now.accessible) {
            QAccessibleInterface* iface = interfaceOf(*c);
            if (now.name != was.name) report(QAccessibleEvent(iface, QAccessible::NameChanged));
            if (now.text != was.text) {
                report(QAccessibleTextUpdateEvent(iface, 0, QString::fromStdString(was.text),
                                                  QString::fromStdString(now.text)));
            } else if (now.caret != was.caret && c == screen.focused()) {
                report(QAccessibleTextCursorEvent(iface, now.caret));
            }
            if (now.enabled != was.enabled || screenEnabledChanged)
                report(QAccessibleStateChangeEvent(iface, disabled));
            if (now.locked != was.locked) {
                QAccessible::State editable;
                editable.editable = editable.readOnly = true;
                report(QAccessibleStateChangeEvent(iface, editable));
            }
        }
        was = std::move(now);
    }
    if (screen.focused() != seenFocus_) {
        seenFocus_ = screen.focused();
        reportFocus();
    }
}

void ScreenAccessibility::windowFocused() {
    // Qt tells of the window's focus once this returns; the box comes after.
    QTimer::singleShot(0, &window_, [this] { reportFocus(); });
}

void ScreenAccessibility::reportFocus() {
    if (!QAccessible::isActive() || !window_.isActiveWindow()) return;
    Control* box = window_.screen().focused();
    if (!box || !isAccessible(*box)) return;
    report(QAccessibleEvent(interfaceOf(*box), QAccessible::Focus));
}

}  // namespace ui::qt
