// How the binding paints what the model says: the frame of a text box follows
// its BorderStyle, the caret is thin, of the text's height and only in a box
// that takes input, and coloured text stands out from the board.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRawFont>

#include "tests/layout/screens.h"
#include "ui/qt/resources.h"
#include "ui/qt/screen_painter.h"

namespace {

QImage paint(const ui::Screen& screen) {
    QImage image(screen.width / 15, screen.height / 15, QImage::Format_RGB32);
    QPainter painter(&image);
    ui::qt::paintScreen(painter, screen);
    return image;
}

const QColor kBoard(0x20, 0x7a, 0x70);

TEST(Painting, ATextBoxHasAFrameOnlyWithBorderStyleOne) {
    ui::Driver d;
    layout_test::withScreen(d, "Form11", [&](ui::Screen& screen) {
        d.on(screen).click("Label6");
        ui::Control& factor = *screen.control("Text1");
        ui::Control& product = *screen.control("Text3");
        ASSERT_EQ(factor.borderStyle, 1);
        ASSERT_EQ(product.borderStyle, 0);
        QImage image = paint(screen);
        auto edge = [&](const ui::Control& c) {
            QRectF r = ui::qt::pixelRect(c);
            return QColor(image.pixel(int(r.left()), int(r.center().y())));
        };
        EXPECT_EQ(edge(product), kBoard);
        EXPECT_GT(edge(factor).lightness(), kBoard.lightness() + 60);
    });
}

TEST(Painting, AnOpenAnswerBoxStandsOutFromTheBoardEvenWhenEmpty) {
    ui::Driver d;
    layout_test::withScreen(d, "Form4", [&](ui::Screen& screen) {
        d.on(screen).click("Label6");
        ui::Control& units = *screen.control("Text6");
        ASSERT_TRUE(units.caption.empty());
        QImage image = paint(screen);
        QColor inside(image.pixel(ui::qt::pixelRect(units).center().toPoint()));
        EXPECT_GT(inside.lightness(), kBoard.lightness() + 10);
    });
}

TEST(Painting, TheCaretIsThinOfTheTextsHeightAndOnlyInABoxThatTakesInput) {
    ui::Driver d;
    layout_test::withScreen(d, "Form4", [&](ui::Screen& screen) {
        auto child = d.on(screen);
        child.click("Label6");
        child.click("Text6");
        ui::Control& units = *screen.control("Text6");
        ASSERT_EQ(screen.focused(), &units);
        QRectF caret = ui::qt::caretRect(units);
        const QRawFont& font = ui::qt::rawFontFor(units.font);
        EXPECT_DOUBLE_EQ(caret.width(), 2);
        EXPECT_NEAR(caret.height(), font.ascent() + font.descent(), 0.5);
        EXPECT_TRUE(ui::qt::pixelRect(units).contains(caret));

        units.locked = true;
        EXPECT_TRUE(ui::qt::caretRect(units).isEmpty());
        units.locked = false;
        units.enabled = false;
        EXPECT_TRUE(ui::qt::caretRect(units).isEmpty());
        units.enabled = true;
        EXPECT_TRUE(ui::qt::caretRect(*screen.control("Text5")).isEmpty());  // no focus
    });
}

TEST(Painting, EveryTextColourReadsAtThreeToOneOnTheBoard) {
    // The colours the screens give their texts, and the grey of a disabled one.
    for (ui::Color rgb : {0xff0000u, 0x0000ffu, 0x0000c0u, 0x00c000u, 0x008000u, 0xffff00u, 0xffffffu,
                          0x000000u, 0xc0c0c0u}) {
        QColor text = QColor::fromRgb(rgb);
        QColor halo = ui::qt::haloFor(text, kBoard);
        double contrast =
            halo.isValid() ? ui::qt::contrastRatio(text, halo) : ui::qt::contrastRatio(text, kBoard);
        EXPECT_GE(contrast, 3.0) << text.name().toStdString();
    }
    EXPECT_FALSE(ui::qt::haloFor(Qt::white, kBoard).isValid());  // white chalk needs none
    EXPECT_TRUE(ui::qt::haloFor(QColor(0xff0000), kBoard).isValid());
    EXPECT_NEAR(ui::qt::contrastRatio(Qt::white, Qt::black), 21.0, 0.01);
}

}  // namespace
