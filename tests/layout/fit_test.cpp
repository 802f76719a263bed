// Every text the program can put in a label or a text box fits it, with the
// fonts the program draws with: a label shows all its lines, no word broken
// inside itself; a text box shows its one line whole.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "abacus/words_and_digits.h"
#include "tests/layout/screens.h"
#include "ui/qt/resources.h"
#include "ui/qt/screen_painter.h"
#include "ui/text.h"
#include "words/number_words.h"

namespace {

using Texts = std::vector<std::string>;

Texts numbers(int from, int to) {
    Texts texts;
    for (int n = from; n <= to; ++n) texts.push_back(std::to_string(n));
    return texts;
}

Texts numberWords(int from, int to) {
    Texts texts;
    for (int n = from; n <= to; ++n) texts.push_back(words::NumberWords::wordOf(n));
    return texts;
}

// What the screens' handlers put in their labels and boxes, and the font
// sizes they set; the design captions at the design sizes are checked too.
struct Shown {
    std::string form;
    std::vector<std::string> controls;
    Texts texts;
    std::vector<double> sizes{};  // none: the design size
};

const Texts kScores = numbers(0, 99);
const Texts kDigits = numbers(0, 9);
const Texts kTo99 = numbers(0, 99);
const Texts kTo1000 = numbers(0, 1000);
const Texts kWordsTo99 = numberWords(0, 99);
const Texts kWordsTo1000 = numberWords(0, 1000);
const Texts kMessages{"SCRIVI UN NUMERO!", "TESTO ERRATO! CORREGGI!"};

const std::vector<Shown>& shownTexts() {
    static const std::vector<Shown> shown{
        {"Form2", {"Label15", "Label19", "Label11", "Label12", "Label13"}, kTo99},
        {"Form2",
         {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10"},
         kTo99},
        {"Form2", {"Text15", "Text16"}, kTo99},
        {"Form3", {"Label15", "Label19"}, kScores},
        {"Form3", {"Label3", "Label4", "Text1"}, kTo99},
        {"Form4", {"Label15", "Label19"}, kScores},
        {"Form4", {"Label3", "Label11", "Label12", "Label13", "Text5", "Text6"}, kDigits},
        {"Form5", {"Label15", "Label19"}, kScores},
        {"Form5", {"Label16", "Label10", "Label12", "Label13", "Text5", "Text6"}, kDigits},
        {"Form6", {"Label15", "Label19"}, kScores},
        {"Form6", {"Label10", "Label11", "Label12", "Label13", "Text5", "Text6"}, kDigits},
        {"Form7", {"Label15", "Label19"}, kScores},
        {"Form7", {"Label3", "Label11", "Label12", "Label13", "Text5", "Text6"}, kDigits},
        {"Form8", {"Label15", "Label19"}, kScores},
        {"Form8", {"Label4", "Label8"}, numbers(0, 10)},
        {"Form8", {"Text3"}, numbers(0, 81)},
        {"Form8", {"Text5"}, kDigits},
        {"Form9", {"Label15", "Label19"}, kScores},
        {"Form9", {"Label8", "Label9", "Label10", "Text4", "Text5"}, kDigits},
        {"Form10", {"Label15", "Label19"}, kScores},
        {"Form10", {"Label8", "Label9", "Label10", "Text4", "Text5"}, kDigits},
        {"Form11", {"Label15", "Label19"}, kScores},
        {"Form11", {"Text1", "Text2"}, kDigits},
        {"Form11", {"Text3"}, numbers(0, 81)},
        {"Form13", {"Label6", "Label10"}, kScores},
        {"Form13", {"Label4"}, kWordsTo99},
        {"Form13", {"Text1", "Text2"}, kTo99},
        {"Form14", {"Label6", "Label10"}, kScores},
        {"Form14", {"Label4", "Text2"}, kTo99},
        {"Form14", {"Text1"}, kWordsTo99},
        {"Form15", {"Text1"}, kWordsTo1000},
        {"Form15", {"Text2", "Text3", "Text4", "Text5"}, kDigits},
        {"Form16", {"Label1"}, kWordsTo1000, {abacus::Form16::kWordsResultSize}},
        {"Form16", {"Label2"}, kTo1000, {abacus::Form16::kDigitsResultSize}},
        {"Form16", {"Label1", "Label2"}, kMessages, {abacus::Form16::kMessageSize}},
        {"Form16", {"Text1"}, numbers(0, 9999)},
        {"Form16", {"Text2", "Text3", "Label4"}, kWordsTo1000},
        {"Form16", {"Label3", "Text4"}, kTo1000},
        {"Form17", {"Label52"}, kWordsTo1000},
        {"Form17", {"Label47", "Label48", "Label49", "Label50"}, kDigits},
    };
    return shown;
}

// Why a text does not fit a control, or "" when it does: a label breaks no
// word inside itself, and no ink of a label or a box crosses its edge (the
// frame of a box included).
std::string misfit(const ui::Control& control, const std::string& text, double size) {
    ui::Font font = control.font;
    font.size = size;
    QRectF rect = ui::qt::pixelRect(control);
    constexpr double kSlack = 0.5;
    if (control.kind() == ui::Kind::Label) {
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t blank = text.find(' ', start);
            std::string word =
                text.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
            if (ui::qt::textAdvance(word, font) > rect.width() + kSlack) {
                return "the word \"" + word + "\" is broken";
            }
            if (blank == std::string::npos) break;
            start = blank + 1;
        }
    } else {
        rect.adjust(1, 1, -1, -1);
    }
    QRectF room = rect.adjusted(-kSlack, -kSlack, kSlack, kSlack);
    std::vector<QRectF> ink = ui::qt::textInk(control, text, font);
    for (std::size_t i = 0; i < ink.size(); ++i) {
        if (!room.contains(ink[i])) {
            return "line " + std::to_string(i + 1) + " of " + std::to_string(ink.size()) + " is cut " +
                   (ink[i].left() < room.left() || ink[i].right() > room.right() ? "at the side"
                    : ink[i].top() < room.top()                                  ? "at the top"
                                                                                 : "at the bottom");
        }
    }
    return "";
}

// A caption of one repeated "-" or "_" is a rule drawn across its label,
// which cuts it to its width.
bool isRule(const std::string& caption) {
    return caption.size() > 3 && caption.find_first_not_of(caption[0]) == std::string::npos &&
           (caption[0] == '-' || caption[0] == '_');
}

std::string describe(const std::string& form, const ui::Control& c, const std::string& text, double size,
                     const std::string& why) {
    return form + "." + c.name() + " at " + ui::numberText(size) + " pt: \"" + text + "\": " + why;
}

TEST(Fit, EveryTextFitsItsControlAtEveryFontSize) {
    std::map<std::string, std::vector<const Shown*>> byForm;
    for (const Shown& s : shownTexts()) byForm[s.form].push_back(&s);
    ui::Driver driver;
    std::vector<std::string> faults;
    int checked = 0;
    for (const std::string& form : layout_test::allScreens()) {
        layout_test::withScreen(driver, form, [&](ui::Screen& screen) {
            std::set<std::string> named;
            for (const Shown* s : byForm[form]) {
                for (const std::string& name : s->controls) {
                    ui::Control* c = screen.control(name);
                    ASSERT_NE(c, nullptr) << form << "." << name;
                    named.insert(name);
                    std::vector<double> sizes = s->sizes;
                    if (sizes.empty()) sizes.push_back(c->design().font.size);
                    for (double size : sizes) {
                        for (const std::string& text : s->texts) {
                            ++checked;
                            std::string why = misfit(*c, text, size);
                            if (!why.empty()) faults.push_back(describe(form, *c, text, size, why));
                        }
                    }
                }
            }
            for (ui::Control* c : screen.controls()) {
                if (c->kind() != ui::Kind::Label && c->kind() != ui::Kind::TextBox) continue;
                const std::string& caption = c->design().caption;
                if (caption.empty() || isRule(caption)) continue;
                ++checked;
                std::string why = misfit(*c, caption, c->design().font.size);
                if (!why.empty()) faults.push_back(describe(form, *c, caption, c->design().font.size, why));
            }
        });
    }
    EXPECT_GT(checked, 10000);
    std::string report;
    std::map<std::string, int> perControl;
    for (const std::string& f : faults) {
        std::string key = f.substr(0, f.find(':'));
        if (++perControl[key] <= 3) report += f + "\n";
    }
    EXPECT_TRUE(faults.empty()) << faults.size() << " texts do not fit, among them:\n" << report;
}

}  // namespace
