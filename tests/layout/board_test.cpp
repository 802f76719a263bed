// The pictures are made for the layouts: every control of a screen stands on
// the board of its screen's picture, and what belongs on the ledge (the back
// picture, the chalk box and eraser hotspots, the credit footer) stays off the
// board; each picture fills its screen's client area whole.
#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>

#include "app/credits.h"
#include "tests/layout/screens.h"
#include "ui/qt/resources.h"
#include "ui/qt/screen_painter.h"

namespace {

struct Picture {
    QSizeF size;
    std::vector<QRectF> board;  // the rectangles marked "board", apart from each other
};

Picture readPicture(const std::string& assetId) {
    QFile file(QString(":/assets/%1.svg").arg(QString::fromStdString(assetId)));
    Picture picture;
    if (!file.open(QIODevice::ReadOnly)) return picture;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        auto number = [&](const char* name) { return xml.attributes().value(name).toDouble(); };
        if (xml.name() == u"svg") picture.size = QSizeF(number("width"), number("height"));
        if (xml.name() == u"rect" && xml.attributes().value("class") == u"board") {
            picture.board.emplace_back(number("x"), number("y"), number("width"), number("height"));
        }
    }
    return picture;
}

double areaOf(const QRectF& r) {
    return r.isValid() ? r.width() * r.height() : 0;
}

double areaOnBoard(const QRectF& extent, const Picture& picture) {
    double area = 0;
    for (const QRectF& part : picture.board) area += areaOf(extent.intersected(part));
    return area;
}

bool isLedgeItem(const ui::Control& c) {
    if (c.kind() == ui::Kind::Image) return c.design().picture == "pointing-hand";
    if (c.kind() != ui::Kind::Label) return false;
    const ui::Props& d = c.design();
    if (d.caption == app::kFooterCredit) return true;
    // The hotspots over the chalk box and the eraser.
    return d.caption.empty() && !d.toolTip.empty() && d.pointer == ui::Pointer::Hand && d.top >= 7000;
}

// What of a control the child sees: a label's letters (a label that is
// empty in the design shows digits or capital words), the whole of any other
// control.
QRectF extentOf(const ui::Control& c) {
    QRectF rect = ui::qt::pixelRect(c);
    const ui::Props& d = c.design();
    if (c.kind() != ui::Kind::Label || (d.caption.empty() && !d.toolTip.empty())) return rect;
    QRectF ink;
    for (const QRectF& line : ui::qt::textInk(c, d.caption.empty() ? "0" : d.caption, d.font)) {
        ink = ink.united(line.intersected(rect));
    }
    return ink;
}

std::string rectText(const QRectF& r) {
    return "(" + std::to_string(int(r.left())) + "," + std::to_string(int(r.top())) + ")-(" +
           std::to_string(int(r.right())) + "," + std::to_string(int(r.bottom())) + ")";
}

TEST(Board, EveryControlStandsOnItsBoardAndTheLedgeKeepsItsOwn) {
    ui::Driver driver;
    std::vector<std::string> faults;
    for (const std::string& form : layout_test::allScreens()) {
        layout_test::withScreen(driver, form, [&](ui::Screen& screen) {
            Picture picture = readPicture(screen.picture);
            ASSERT_FALSE(picture.board.empty()) << form << ": no board in " << screen.picture;
            QSizeF client(screen.width / 15.0, screen.height / 15.0);
            EXPECT_NEAR(picture.size.width(), client.width(), 1.0) << form << " " << screen.picture;
            EXPECT_NEAR(picture.size.height(), client.height(), 1.0) << form << " " << screen.picture;
            for (const ui::Control* c : screen.controls()) {
                // The pane frames of the numbers screen are drawn round the
                // whole of each pane, ledge included.
                if (c->kind() == ui::Kind::Line) continue;
                QRectF extent = extentOf(*c);
                if (extent.isEmpty()) continue;
                QRectF inner = extent.adjusted(0.5, 0.5, -0.5, -0.5);
                std::string where = form + "." + c->name() + " " + rectText(extent);
                if (isLedgeItem(*c)) {
                    if (areaOnBoard(inner, picture) > 0) faults.push_back(where + " reaches onto the board");
                } else if (areaOnBoard(inner, picture) < areaOf(inner) - 0.01) {
                    faults.push_back(where + " leaves the board");
                }
            }
        });
    }
    std::string report;
    for (const std::string& f : faults) report += f + "\n";
    EXPECT_TRUE(faults.empty()) << report;
}

}  // namespace
