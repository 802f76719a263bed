// The real windows of the program, driven through Qt: touch as the mouse
// (a tap is a click, a finger drags a bead, two taps are a double click, no
// hover frame stays after the finger lifts), an enlarged screen (full screen
// or maximised) that takes clicks where the child sees them and draws sharp,
// dialogs at the scale of their screen, F11, and the accessible objects a
// screen reader reaches. Runs on Qt's offscreen platform unless told
// otherwise.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <cmath>

#include "abacus/building.h"
#include "abacus/words_and_digits.h"
#include "app/information.h"
#include "app/main_menu.h"
#include "app/program.h"
#include "app/title.h"
#include "ui/driver.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/screen_window.h"

namespace {

using ui::qt::ScreenWindow;

class RealWindows : public ::testing::Test {
  protected:
    RealWindows() : registry(sound), host(registry) {
        app::startProgram(registry);
        settle();
    }

    static void settle() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class S>
    S& screen() {
        return registry.instance<S>();
    }
    ScreenWindow& windowOf(const ui::Screen& screen) {
        ScreenWindow* window = host.windowOf(screen);
        if (!window) throw std::logic_error(screen.formName() + " has no window");
        return *window;
    }
    // Where the child sees a control in its window.
    QPoint centreOf(const ui::Control& control) {
        return windowOf(control.screen()).windowRectOf(control).center();
    }

    void tap(const ui::Control& control) {
        ScreenWindow& window = windowOf(control.screen());
        QPoint at = centreOf(control);
        QTest::touchEvent(&window, device()).press(0, at, &window);
        QTest::touchEvent(&window, device()).release(0, at, &window);
        settle();
    }
    // A finger pressed at one control, moved in steps, lifted over another.
    void swipe(const ui::Control& from, const ui::Control& to) {
        ScreenWindow& window = windowOf(from.screen());
        QPoint a = centreOf(from), b = centreOf(to);
        QTest::touchEvent(&window, device()).press(0, a, &window);
        for (int step = 1; step <= 4; ++step) {
            QTest::touchEvent(&window, device()).move(0, a + (b - a) * step / 4, &window);
        }
        QTest::touchEvent(&window, device()).release(0, b, &window);
        settle();
    }
    void click(const ui::Control& control) {
        QTest::mouseClick(&windowOf(control.screen()), Qt::LeftButton, {}, centreOf(control));
        settle();
    }
    // Makes a screen's window larger than the screen, as maximising does.
    void enlarge(const ui::Screen& screen, QSize size) {
        windowOf(screen).resize(size);
        settle();
    }

    static QPointingDevice* device() {
        static QPointingDevice* touchScreen = QTest::createTouchDevice();
        return touchScreen;
    }

    std::vector<std::string> loaded() const {
        std::vector<std::string> names;
        for (const ui::Screen* s : registry.loadedScreens()) names.push_back(s->formName());
        return names;
    }

    ui::RecordingSound sound;
    ui::ScreenRegistry registry;
    ui::qt::QtHost host;
};

using Screens = std::vector<std::string>;

TEST_F(RealWindows, ATapIsAClick) {
    tap(screen<app::Form12>().Label2);  // "PROGRAMMA DI ARITMETICA"
    EXPECT_EQ(loaded(), Screens{"Form1"});
    tap(screen<app::Form1>().Label5);  // column addition
    EXPECT_EQ(loaded(), Screens{"Form4"});
}

TEST_F(RealWindows, NoHoverFrameStaysAfterTheFingerLifts) {
    auto& title = screen<app::Form12>();
    // The finger moves about on "INFO" and lifts there: a click, and no
    // frame left on it.
    ScreenWindow& window = windowOf(title);
    QPoint info = centreOf(title.Label8);
    QTest::touchEvent(&window, device()).press(0, info, &window);
    QTest::touchEvent(&window, device()).move(0, info + QPoint(6, 2), &window);
    settle();
    EXPECT_EQ(title.Label8.borderStyle, 1);  // under the finger, as under the pointer
    QTest::touchEvent(&window, device()).move(0, info - QPoint(6, 2), &window);
    QTest::touchEvent(&window, device()).release(0, info, &window);
    settle();
    EXPECT_EQ(loaded(), (Screens{"Form12", "Form18"}));
    EXPECT_EQ(title.Label8.borderStyle, 0);
    tap(screen<app::Form18>().Label1);  // OK
    EXPECT_EQ(loaded(), Screens{"Form12"});
    EXPECT_EQ(title.Label8.borderStyle, 0);
    // A plain tap frames nothing either.
    tap(title.Label3);
    EXPECT_EQ(title.Label2.borderStyle, 0);
}

TEST_F(RealWindows, AFingerDragsABeadOntoItsRod) {
    registry.show(screen<abacus::Form17>());
    settle();
    auto& building = screen<abacus::Form17>();
    tap(building.Label7);  // the range 20
    tap(building.Image1);  // the computer gives a number
    int supplyLeft = building.Image7.left;
    swipe(building.Image7, building.Label1);  // a blue bead onto the units rod
    EXPECT_EQ(building.blu, 1);
    EXPECT_NE(building.Image7.left, supplyLeft);
    EXPECT_TRUE(building.Image7.visible);
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_EQ(registry.dragging(), nullptr);
}

TEST_F(RealWindows, TwoQuickTapsAreADoubleClick) {
    registry.show(screen<abacus::Form16>());
    settle();
    auto& words = screen<abacus::Form16>();
    tap(words.Text1);
    QTest::keyClicks(&windowOf(words), "12");
    settle();
    ASSERT_EQ(words.Text1.text, "12");
    tap(words.Text1);
    tap(words.Text1);  // the double click empties the box
    EXPECT_EQ(words.Text1.text, "");
}

TEST_F(RealWindows, AnEnlargedScreenTakesClicksWhereTheChildSeesThem) {
    auto& title = screen<app::Form12>();
    ScreenWindow& window = windowOf(title);
    enlarge(title, QSize(1600, 900));  // wider than the screen's shape: a frame left and right
    EXPECT_DOUBLE_EQ(window.scale(), 900.0 / 566);
    QRectF content = window.contentRect();
    EXPECT_NEAR(content.left(), (1600 - 792 * window.scale()) / 2, 1);
    EXPECT_EQ(content.top(), 0);
    // "PROGRAMMA DI ARITMETICA" at its enlarged place: 396,216 at 100 %.
    QPointF seen = content.topLeft() + QPointF(396, 216) * window.scale();
    EXPECT_TRUE(window.windowRectOf(title.Label2).contains(seen.toPoint()));
    // A press in the frame beside the screen reaches nothing.
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(5, 450));
    settle();
    EXPECT_EQ(loaded(), Screens{"Form12"});
    QTest::mouseClick(&window, Qt::LeftButton, {}, seen.toPoint());
    settle();
    EXPECT_EQ(loaded(), Screens{"Form1"});
}

TEST_F(RealWindows, ADialogOpensCentredOverItsScreenAtTheSameScale) {
    auto& title = screen<app::Form12>();
    enlarge(title, QSize(1584, 1132));
    click(title.Label8);  // "INFO"
    ScreenWindow& info = windowOf(screen<app::Form18>());
    EXPECT_EQ(info.size(), QSize(644, 480));
    EXPECT_NEAR(info.geometry().center().x(), windowOf(title).geometry().center().x(), 1);
    EXPECT_NEAR(info.geometry().center().y(), windowOf(title).geometry().center().y(), 1);
    click(screen<app::Form18>().Label1);  // its OK, at its scale
    EXPECT_EQ(loaded(), Screens{"Form12"});
}

// Pixels of text edges: neither the board nor the white of the text.
int edgePixels(const QImage& image, QRect area) {
    int edges = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            int grey = qGray(image.pixel(x, y));
            if (grey > 150 && grey < 225) ++edges;
        }
    }
    return edges;
}

TEST_F(RealWindows, AnEnlargedScreenIsDrawnSharpNotStretched) {
    auto& title = screen<app::Form12>();
    ScreenWindow& window = windowOf(title);
    QImage small = window.grab().toImage();
    QRect label = window.windowRectOf(title.Label2);
    enlarge(title, QSize(792 * 2, 566 * 2));
    QImage large = window.grab().toImage();
    QImage stretched = small.scaled(small.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QRect enlargedLabel = window.windowRectOf(title.Label2);
    ASSERT_EQ(enlargedLabel, QRect(label.topLeft() * 2, label.size() * 2));
    // Drawn anew, the edges of the letters stay as thin as at 100 %; a
    // stretched picture of the small screen blurs them twice as wide.
    int sharp = edgePixels(large, enlargedLabel);
    int blurred = edgePixels(stretched, enlargedLabel);
    EXPECT_GT(sharp, 0);
    EXPECT_LT(sharp * 3, blurred * 2) << sharp << " edge pixels drawn, " << blurred << " stretched";
}

TEST_F(RealWindows, F11FillsTheScreenForEveryScreenUntilPressedAgain) {
    auto& title = screen<app::Form12>();
    ScreenWindow& window = windowOf(title);
    QTest::keyClick(&window, Qt::Key_F11);
    settle();
    EXPECT_TRUE(window.isFullScreen());
    QSize desktop = window.QWidget::screen()->geometry().size();
    QTest::qWait(400);  // time for a window manager, or for the window itself without one
    EXPECT_EQ(window.size(), desktop);
    // The next screen opens the same way.
    QTest::mouseClick(&window, Qt::LeftButton, {}, centreOf(title.Label2));
    settle();
    ScreenWindow& menu = windowOf(screen<app::Form1>());
    EXPECT_TRUE(menu.isFullScreen());
    // F11 again: back to the fixed size.
    QTest::keyClick(&menu, Qt::Key_F11);
    QTest::qWait(400);
    EXPECT_FALSE(menu.isFullScreen());
    EXPECT_EQ(menu.size(), QSize(792, 566));
    EXPECT_DOUBLE_EQ(menu.scale(), 1.0);
}

TEST_F(RealWindows, AScreenReaderReachesTheControlsAndPressesThem) {
    auto& title = screen<app::Form12>();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&windowOf(title));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "tevo - Aritmetica cl. II");
    QAccessibleInterface* info = nullptr;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        EXPECT_EQ(window->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), window);
        if (child->text(QAccessible::Name) == "INFO") info = child;
    }
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->role(), QAccessible::Button);
    // Where a screen reader says the button is, the window has it.
    EXPECT_EQ(window->childAt(info->rect().center().x(), info->rect().center().y()), info);
    info->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    settle();
    ASSERT_EQ(loaded(), (Screens{"Form12", "Form18"}));
    EXPECT_TRUE(window->state().disabled);
    EXPECT_TRUE(info->state().disabled);
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&windowOf(screen<app::Form18>()));
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    auto controlled = dialog->relations(QAccessible::Controlled);
    ASSERT_EQ(controlled.size(), 1);
    EXPECT_EQ(controlled.front().first, window);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
