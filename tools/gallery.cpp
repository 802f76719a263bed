// Renders every screen in its main states to PNG files, as a child would see
// them: before a problem, a problem asked, a right and a wrong answer, each
// dialog, a bead dragged onto the abacus. The clock is fixed, so the same
// problems come every time and the files keep their names and contents.
//   QT_QPA_PLATFORM=offscreen build/tools/gallery OUT_DIR [--selected]
// --selected writes only the pictures shown in the README (docs/gallery).
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <functional>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"
#include "multiplication/tables.h"
#include "multiplication/tables_dialog.h"
#include "numbers99/counting.h"
#include "numbers99/counting_dialog.h"
#include "ui/driver.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/resources.h"
#include "ui/qt/screen_painter.h"
#include "ui/qt/screen_window.h"
#include "ui/text.h"
#include "words/number_words.h"

namespace {

using Steps = std::function<void(ui::Driver&)>;

struct Shot {
    std::string name;
    Steps steps;
    bool selected = false;
};

int number(ui::Driver& d, const char* name) {
    return static_cast<int>(ui::readNumber(d.text(name)));
}

std::string digit(int n) {
    return std::to_string(((n % 10) + 10) % 10);
}

// A digit that is not the right one.
std::string otherDigit(int n) {
    return digit(n + 3);
}

const words::NumberWords& table() {
    static const words::NumberWords words;
    return words;
}

void toMenuEntry(ui::Driver& d, const char* entry) {
    d.start(app::startProgram);
    d.click("Label2");
    d.click(entry);
}

void answer(ui::Driver& d, std::string_view box, const std::string& text) {
    d.click(box);
    d.type(text);
}

// A screen of the abacus module, opened from its picture on the module's
// menu, with numbers to 100 and a first number given.
Steps abacusScreen(const char* picture, bool asked) {
    return [picture, asked](ui::Driver& d) {
        toMenuEntry(d, "Label16");
        d.click(picture);
        if (!asked) return;
        d.click("Label16");
        d.click("Image1");
    };
}

// A dialog over the disabled screen that opens it.
template <class Behind, class Dialog>
Steps dialogOver(const char* entry) {
    return [entry](ui::Driver& d) {
        toMenuEntry(d, entry);
        d.screen<Behind>().enabled = false;
        d.show<Dialog>();
    };
}

// The column screens: a sum, difference or product of the two-digit number
// in `tens`/`units` and the other operand, answered units first.
struct Column {
    const char* entry;
    const char* tensOfFirst;
    const char* unitsOfFirst;
    const char* second[2];  // tens and units of the second number, or one digit
    char operation;
    const char* newProblem;
    const char* unitsBox;
};

int columnResult(ui::Driver& d, const Column& c) {
    int first = 10 * number(d, c.tensOfFirst) + number(d, c.unitsOfFirst);
    int second = c.second[1] ? 10 * number(d, c.second[0]) + number(d, c.second[1]) : number(d, c.second[0]);
    switch (c.operation) {
        case '+':
            return first + second;
        case '-':
            return first - second;
        default:
            return first * second;
    }
}

void addColumnShots(std::vector<Shot>& shots, const std::string& name, const Column& c, bool selected) {
    shots.push_back({name + "-start", [c](ui::Driver& d) { toMenuEntry(d, c.entry); }});
    shots.push_back({name + "-asked", [c](ui::Driver& d) {
                         toMenuEntry(d, c.entry);
                         d.click(c.newProblem);
                     }});
    shots.push_back({name + "-right",
                     [c](ui::Driver& d) {
                         toMenuEntry(d, c.entry);
                         d.click(c.newProblem);
                         int result = columnResult(d, c);
                         answer(d, c.unitsBox, digit(result));
                         d.type(digit(result / 10));
                     },
                     selected});
    shots.push_back({name + "-wrong", [c](ui::Driver& d) {
                         toMenuEntry(d, c.entry);
                         d.click(c.newProblem);
                         answer(d, c.unitsBox, otherDigit(columnResult(d, c)));
                     }});
}

std::vector<Shot> shots() {
    std::vector<Shot> all;
    all.push_back({"title", [](ui::Driver& d) { d.start(app::startProgram); }, true});
    all.push_back({"title-hover", [](ui::Driver& d) {
                       d.start(app::startProgram);
                       d.moveTo("Label2");
                   }});
    all.push_back({"information", [](ui::Driver& d) {
                       d.start(app::startProgram);
                       d.click("Label8");
                   }});
    all.push_back({"menu",
                   [](ui::Driver& d) {
                       d.start(app::startProgram);
                       d.click("Label2");
                       d.moveTo("Label9");
                   },
                   true});

    // Counting sequences.
    all.push_back({"form02-counting-start", [](ui::Driver& d) { toMenuEntry(d, "Label1"); }});
    auto counting = [](ui::Driver& d) {
        toMenuEntry(d, "Label1");
        d.click("Label16");
        d.click("Label6");
    };
    all.push_back({"form02-counting-asked", counting});
    all.push_back({"form02-counting-right",
                   [counting](ui::Driver& d) {
                       counting(d);
                       int step = number(d, "Label11"), at = number(d, "Text1");
                       d.click("Text2");
                       for (int k = 1; k <= 9; ++k) d.type(std::to_string(at + k * step));
                   },
                   true});
    all.push_back({"form02-counting-wrong", [counting](ui::Driver& d) {
                       counting(d);
                       int step = number(d, "Label11"), at = number(d, "Text1");
                       answer(d, "Text2", std::to_string(at + step + 1));
                   }});
    all.push_back({"form19-series-dialog", dialogOver<numbers99::Form2, numbers99::Form19>("Label1")});

    // Comparison.
    auto comparison = [](ui::Driver& d) {
        toMenuEntry(d, "Label4");
        answer(d, "Text1", "99");
        d.click("Label9");
    };
    auto rightSign = [](ui::Driver& d) {
        int a = number(d, "Label3"), b = number(d, "Label4");
        return a < b ? "Label5" : a == b ? "Label6" : "Label7";
    };
    all.push_back({"form03-comparison-start", [](ui::Driver& d) { toMenuEntry(d, "Label4"); }});
    all.push_back({"form03-comparison-asked", comparison});
    all.push_back({"form03-comparison-right", [=](ui::Driver& d) {
                       comparison(d);
                       d.click(rightSign(d));
                   }});
    all.push_back({"form03-comparison-wrong", [=](ui::Driver& d) {
                       comparison(d);
                       d.click(std::string(rightSign(d)) == "Label6" ? "Label5" : "Label6");
                   }});

    addColumnShots(all, "form04-addition",
                   {"Label5", "Label3", "Label11", {"Label12", "Label13"}, '+', "Label6", "Text6"}, true);
    addColumnShots(all, "form06-addition-carry",
                   {"Label7", "Label10", "Label11", {"Label12", "Label13"}, '+', "Label6", "Text6"}, false);
    addColumnShots(all, "form05-subtraction",
                   {"Label6", "Label16", "Label10", {"Label12", "Label13"}, '-', "Label8", "Text6"}, false);
    addColumnShots(all, "form07-subtraction-borrow",
                   {"Label8", "Label3", "Label11", {"Label12", "Label13"}, '-', "Label8", "Text6"}, false);
    addColumnShots(all, "form09-multiplication",
                   {"Label10", "Label8", "Label9", {"Label10", nullptr}, 'x', "Label11", "Text4"}, false);
    addColumnShots(all, "form10-multiplication-carry",
                   {"Label11", "Label8", "Label9", {"Label10", nullptr}, 'x', "Label11", "Text4"}, true);

    // Multiplication tables.
    auto tables = [](ui::Driver& d) {
        toMenuEntry(d, "Label9");
        d.click("Label9");
        d.click("Label5");
    };
    all.push_back({"form08-tables-start", [](ui::Driver& d) { toMenuEntry(d, "Label9"); }});
    all.push_back({"form08-tables-asked", tables});
    all.push_back({"form08-tables-right", [tables](ui::Driver& d) {
                       tables(d);
                       answer(d, "Text3", std::to_string(number(d, "Label4") * number(d, "Label8")));
                   }});
    all.push_back({"form08-tables-wrong",
                   [tables](ui::Driver& d) {
                       tables(d);
                       answer(d, "Text3", std::to_string(number(d, "Label4") * number(d, "Label8") + 1));
                   },
                   true});
    all.push_back(
        {"form21-table-dialog", dialogOver<multiplication::Form8, multiplication::Form21>("Label9")});

    // Open sentences.
    auto sentences = [](ui::Driver& d) {
        toMenuEntry(d, "Label12");
        d.click("Label6");
    };
    auto openBox = [](ui::Driver& d) { return d.control("Text1").caption.empty() ? "Text1" : "Text2"; };
    auto missing = [openBox](ui::Driver& d) {
        const char* shown = std::string(openBox(d)) == "Text1" ? "Text2" : "Text1";
        int factor = number(d, shown);
        return factor ? number(d, "Text3") / factor : 0;
    };
    all.push_back({"form11-open-sentences-start", [](ui::Driver& d) { toMenuEntry(d, "Label12"); }});
    all.push_back({"form11-open-sentences-asked", sentences});
    all.push_back({"form11-open-sentences-right",
                   [=](ui::Driver& d) {
                       sentences(d);
                       int factor = missing(d);
                       answer(d, openBox(d), std::to_string(factor));
                   },
                   true});
    all.push_back({"form11-open-sentences-wrong", [=](ui::Driver& d) {
                       sentences(d);
                       int factor = missing(d);
                       answer(d, openBox(d), otherDigit(factor));
                   }});

    // Numbers in digits and in words.
    auto digits = [](ui::Driver& d) {
        toMenuEntry(d, "Label13");
        answer(d, "Text2", "99");
        d.click("Label1");
    };
    auto given = [](ui::Driver& d) { return table().number(d.text("Label4")).value_or(0); };
    all.push_back({"form13-digits-start", [](ui::Driver& d) { toMenuEntry(d, "Label13"); }});
    all.push_back({"form13-digits-asked", digits});
    all.push_back({"form13-digits-right", [=](ui::Driver& d) {
                       digits(d);
                       answer(d, "Text1", std::to_string(given(d)));
                   }});
    all.push_back({"form13-digits-wrong", [=](ui::Driver& d) {
                       digits(d);
                       answer(d, "Text1", std::to_string((given(d) + 11) % 100));
                   }});
    auto inWords = [](ui::Driver& d) {
        toMenuEntry(d, "Label14");
        answer(d, "Text2", "99");
        d.click("Label1");
    };
    all.push_back({"form14-words-start", [](ui::Driver& d) { toMenuEntry(d, "Label14"); }});
    all.push_back({"form14-words-asked", inWords});
    all.push_back({"form14-words-right", [=](ui::Driver& d) {
                       inWords(d);
                       answer(d, "Text1", table().word(number(d, "Label4")));
                       d.click("Label13");
                   }});
    all.push_back({"form14-words-wrong", [=](ui::Driver& d) {
                       inWords(d);
                       d.click("Text1");
                       // A word of the right length with its last letter wrong, so
                       // that it is judged.
                       std::string word = table().word(number(d, "Label4"));
                       word.back() = word.back() == 'E' ? 'A' : 'E';
                       d.type(word);
                       d.click("Label13");
                   }});

    // The abacus module.
    all.push_back({"form20-abacus-menu",
                   [](ui::Driver& d) {
                       toMenuEntry(d, "Label16");
                       d.moveTo("Image12");
                   },
                   true});
    Steps reading = abacusScreen("Image12", true);
    all.push_back({"form15-reading-start", abacusScreen("Image12", false)});
    all.push_back({"form15-reading-asked", reading, true});
    all.push_back({"form15-reading-typed", [reading](ui::Driver& d) {
                       reading(d);
                       answer(d, "Text3", "4");
                   }});
    auto wordsAndDigits = [](ui::Driver& d) {
        toMenuEntry(d, "Label16");
        d.click("Image16");
    };
    all.push_back({"form16-words-and-digits-start", wordsAndDigits});
    auto wordsAsked = [wordsAndDigits](ui::Driver& d) {
        wordsAndDigits(d);
        answer(d, "Text1", "454");
        d.click("Image1");
        d.click("Label46");
        d.click("Image5");
    };
    all.push_back({"form16-words-and-digits-asked", wordsAsked});
    all.push_back({"form16-words-and-digits-right",
                   [wordsAsked](ui::Driver& d) {
                       wordsAsked(d);
                       answer(d, "Text3", table().word(number(d, "Label3")));
                       answer(d, "Text4", std::to_string(table().number(d.text("Label4")).value_or(0)));
                   },
                   true});
    all.push_back({"form16-words-and-digits-wrong", [wordsAndDigits](ui::Driver& d) {
                       wordsAndDigits(d);
                       answer(d, "Text2", "CENTODUE");
                       d.click("Image2");
                       d.click("Label46");
                       d.click("Image5");
                       answer(d, "Text4", std::to_string(table().number(d.text("Label4")).value_or(0) + 1));
                   }});
    Steps building = abacusScreen("Image13", true);
    all.push_back({"form17-building-start", abacusScreen("Image13", false)});
    all.push_back({"form17-building-asked", building});
    all.push_back({"form17-building-checked", [building](ui::Driver& d) {
                       building(d);
                       d.click("Label55");
                   }});
    return all;
}

// A bead on its way to the abacus: pressed on the red supply and moved over
// the tens rod, the button still held. The pointer shows the bead.
Shot dragShot() {
    return {"form17-building-drag", abacusScreen("Image13", true), true};
}

// Renders a shot and saves it to the file, unless the file name is empty.
bool render(const Shot& shot, const QString& file, bool dragging) {
    ui::Driver driver;
    ui::qt::QtHost host(driver.registry());
    shot.steps(driver);
    QPoint dropAt;
    ui::Control* bead = nullptr;
    if (dragging) {
        ui::Screen& screen = driver.front();
        bead = screen.control("Image16");
        int x = bead->left + bead->width / 2, y = bead->top + bead->height / 2;
        driver.registry().mouseDown(screen, x, y, ui::kLeftButton, 0);
        dropAt = QPoint(424, 240);
        driver.registry().mouseMove(screen, dropAt.x() * 15, dropAt.y() * 15, ui::kLeftButton, 0);
    }
    QApplication::processEvents();
    ui::qt::ScreenWindow* window = host.windowOf(driver.front());
    if (!window) return false;
    QPixmap picture = window->grab();
    if (dragging && bead) {
        QCursor icon = ui::qt::dragCursor(bead->dragIcon);
        QPainter painter(&picture);
        painter.drawPixmap(dropAt - icon.hotSpot(), icon.pixmap());
    }
    return file.isEmpty() || picture.save(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) == "--help") {
        std::cout << "usage: gallery OUT_DIR [--selected]\n";
        return argc < 2 ? 2 : 0;
    }
    QApplication application(argc, argv);
    QDir out(QString::fromLocal8Bit(argv[1]));
    bool selectedOnly = argc > 2 && std::string(argv[2]) == "--selected";
    if (!out.mkpath(".")) {
        std::cerr << "gallery: cannot make " << argv[1] << "\n";
        return 1;
    }
    std::vector<Shot> all = shots();
    int written = 0;
    auto take = [&](const Shot& shot, bool dragging) {
        // Every shot is rendered, so that the glyphs the toolkit keeps from one
        // picture to the next are the same whichever pictures are written.
        bool save = !selectedOnly || shot.selected;
        QString file = save ? out.filePath(QString::fromStdString(shot.name) + ".png") : QString();
        try {
            if (!render(shot, file, dragging)) throw std::runtime_error("no window to grab");
        } catch (const std::exception& e) {
            std::cerr << "gallery: " << shot.name << ": " << e.what() << "\n";
            return false;
        }
        written += save;
        return true;
    };
    bool ok = true;
    for (const Shot& shot : all) ok = take(shot, false) && ok;
    ok = take(dragShot(), true) && ok;
    std::cout << written << " pictures in " << argv[1] << "\n";
    return ok ? 0 : 1;
}
