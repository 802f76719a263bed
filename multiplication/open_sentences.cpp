#include "multiplication/open_sentences.h"

#include <cmath>

#include "ui/screen_registry.h"
#include "ui/text.h"

namespace multiplication {

namespace {

const ui::ScreenRegistration<Form11> kRegistration{"Form11"};

namespace layout = frame::layout;

const ui::Font kTitleFont{"Lucida Sans Unicode", 20.25, true};
const ui::Font kSignFont{"Lucida Sans Unicode", 24, true};
const ui::Font kBoxFont{"Lucida Sans Unicode", 72, true};

ui::Props sign(int left, const char* caption) {
    return layout::whiteLabel(left, 2400, 495, 495, caption, kSignFont);
}

ui::Props factorBox(int left, int tabIndex) {
    ui::Props props = layout::answerBox(left, 1920, 1695, 1770, kBoxFont, tabIndex);
    props.borderStyle = 1;
    return props;
}

// The product is only shown: no frame, and the ordinary arrow.
ui::Props productBox() {
    ui::Props props = layout::answerBox(7800, 1920, 1935, 1770, kBoxFont, 3, ui::Pointer::Arrow);
    props.borderStyle = 0;
    return props;
}

}  // namespace

Form11::Form11()
    : ExerciseFrame("Form11",
                    {.caption = "tevo - Aritmetica cl. II     FRASI APERTE  ( moltiplicazione )",
                     .backColor = 0xffffc0,
                     .picture = layout::kBlackboard},
                    {Image1, Image2, Image3, Label15, Label19, Label6, Label5, Image5,
                     frame::Restart::Past99WithScore}),
      Label1(this, "Label1",
             layout::whiteLabel(240, 600, 11415, 615, "COMPLETA LE SEGUENTI FRASI APERTE", kTitleFont,
                                ui::Align::Centre)),
      Label2(this, "Label2", sign(4200, "x")),
      Label3(this, "Label3", sign(6960, "=")),
      Image1(this, "Image1", layout::neutralFace(5160, 4200)),
      Image2(this, "Image2", layout::happyFace(5160, 4200)),
      Image3(this, "Image3", layout::sadFace(5160, 4200)),
      Label14(this, "Label14", layout::scoreCaption("ESATTI", 6600, 6360, 1455, 495)),
      Label15(this, "Label15", layout::scoreValue(8280, 6240, 615, 495)),
      Label18(this, "Label18", layout::scoreCaption("SU", 9120, 6360, 615, 615)),
      Label19(this, "Label19", layout::scoreValue(9840, 6240, 735, 615)),
      Label6(this, "Label6", layout::newProblemHotspot(1800, 7320, 975, 735, "SCRIVI UNA FRASE")),
      Label5(this, "Label5", layout::exitHotspot()),
      Image5(this, "Image5", layout::backPicture()),
      Label7(this, "Label7", layout::creditFooter()),
      Text1(this, "Text1", factorBox(2280, 1)),
      Text2(this, "Text2", factorBox(4800, 2)),
      Text3(this, "Text3", productBox()) {
    Label6.onClick = [this] { Label6_Click(); };
    Text1.onKeyPress = [this](int& keyAscii) { Text1_KeyPress(keyAscii); };
    Text1.onKeyUp = [this](int keyCode, int shift) { Text1_KeyUp(keyCode, shift); };
    Text2.onKeyPress = [this](int& keyAscii) { Text2_KeyPress(keyAscii); };
    Text2.onKeyUp = [this](int keyCode, int shift) { Text2_KeyUp(keyCode, shift); };
}

void Form11::Form_Load() {
    ExerciseFrame::Form_Load();
    Text1.locked = true;
    Text2.locked = true;
    Text3.locked = true;
}

void Form11::Label6_Click() {
    Text1.enabled = true;
    Text2.enabled = true;
    Text1.tabStop = true;
    Text2.tabStop = true;
    Label6.enabled = false;
    conteggio1 = 0;
    conteggio2 = 0;
    countProblem();
    setFeedback(frame::Feedback::Neutral);
    Text1.text.clear();
    Text2.text.clear();
    Text3.text.clear();
    Text1.locked = false;
    Text2.locked = false;
    markRight(Text1);
    markRight(Text2);
    random().reseedFromClock();

    pn = std::floor(random().next() * 9);
    sn = std::floor(random().next() * 9);
    p = pn.number() * sn.number();
    c = std::floor(2 * random().next() + 1);

    if (opens(kSecondFactor)) {
        Text1.text = pn.text();
        Text1.enabled = false;
        Text1.tabStop = false;
        Text1.locked = true;
        Text2.tabStop = true;
        Text2.locked = false;
    }
    if (opens(kFirstFactor)) {
        Text2.text = sn.text();
        Text2.tabStop = false;
        Text2.locked = true;
        Text2.enabled = false;
        Text1.tabStop = true;
        Text1.locked = false;
    }
    Text3.text = p.text();
    advanceFocus();
    conteggio1 = 0;
    conteggio2 = 0;
    contata = false;
}

void Form11::openBoxKeyPress(ui::TextBox& box, bool open, ui::Counter16& presses, int& keyAscii) {
    digitFilter(keyAscii);
    bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (open && !box.text.empty() && digit) box.text.clear();
    presses += 1;
}

void Form11::Text1_KeyPress(int& keyAscii) {
    openBoxKeyPress(Text1, opens(kFirstFactor), conteggio1, keyAscii);
}

void Form11::Text2_KeyPress(int& keyAscii) {
    openBoxKeyPress(Text2, opens(kSecondFactor), conteggio2, keyAscii);
}

void Form11::judgeRight(ui::TextBox& box, ui::Counter16 presses) {
    markRight(box);
    if (presses == 2 && !contata) {
        esatto += 1;
        contata = true;
    }
    showEsatti();
    setFeedback(frame::Feedback::Right);
}

void Form11::judgeWrong(ui::TextBox& box, ui::Counter16 presses) {
    markWrong(box);
    if (presses == 2 && !contata) {
        errato += 1;
        contata = true;
    }
    setFeedback(frame::Feedback::Wrong);
}

// With a product of 0 the missing factor is not always determined: when the
// shown factor is 0 any digit completes the sentence.
void Form11::Text1_KeyUp(int /*keyCode*/, int /*shift*/) {
    if (!sentenceShown()) return;
    Label6.enabled = true;
    bool open = opens(kFirstFactor);
    const std::string& answer = Text1.text;
    double written = ui::readNumber(answer);
    bool fullLength = ui::textLength(answer) == pn.length();
    bool productZero = p.number() == 0;

    if (open && !productZero && answer == pn.text()) judgeRight(Text1, conteggio1);
    showSu();
    if (open && !productZero && fullLength && written != pn.number()) judgeWrong(Text1, conteggio1);
    if (open && productZero && sn.number() == 0 && fullLength && written >= 0 && written <= 9) {
        judgeRight(Text1, conteggio1);
    }
    if (open && productZero && sn.number() != 0) {
        // The shown factor is not 0, so only 0 completes it; an empty box
        // reads as 0 here.
        if (written == 0) {
            judgeRight(Text1, conteggio1);
        } else {
            judgeWrong(Text1, conteggio1);
        }
    }
    showSu();
}

void Form11::Text2_KeyUp(int /*keyCode*/, int /*shift*/) {
    if (!sentenceShown()) return;
    Label6.enabled = true;
    bool open = opens(kSecondFactor);
    const std::string& answer = Text2.text;
    bool oneCharacter = ui::textLength(answer) == sn.length();
    bool productZero = p.number() == 0;

    if (open && !productZero) {
        if (answer == sn.text()) {
            judgeRight(Text2, conteggio2);
            showSu();
        } else if (oneCharacter) {
            judgeWrong(Text2, conteggio2);
        }
    }
    if (open && productZero && pn.number() == 0) {
        double written = ui::readNumber(answer);
        if (ui::textLength(answer) == 1 && written >= 0 && written <= 9) {
            judgeRight(Text2, conteggio2);
            showSu();
        }
    }
    if (open && productZero && pn.number() != 0) {
        // Compared as text: here an empty box is wrong.
        if (answer == "0") {
            judgeRight(Text2, conteggio2);
            showSu();
        } else {
            judgeWrong(Text2, conteggio2);
        }
    }
}

}  // namespace multiplication
