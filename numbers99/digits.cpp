#include "numbers99/digits.h"

#include <cmath>

#include "ui/keys.h"
#include "ui/text.h"

namespace numbers99 {

namespace {

const ui::ScreenRegistration<Form13> kRegistration{"Form13"};

using frame::layout::whiteLabel;

const ui::Font kTitleFont{"Courier New", 21.75, true};
const ui::Font kCaptionFont{"MS Sans Serif", 12, true};
const ui::Font kLimitFont{"MS Sans Serif", 18, false};
const ui::Font kWordFont{"Courier New", 27.75, true};
const ui::Font kAnswerFont{"Courier New", 72, true};

}  // namespace

Form13::Form13()
    : ExerciseFrame(
          "Form13",
          {.caption = "tevo - Aritmetica cl II        Numeri in cifre entro 99",
           .picture = frame::layout::kBlackboard},
          {Image1, Image2, Image3, Label6, Label10, Label1, Label2, Image5, frame::Restart::Past99WithScore}),
      Label3(
          this, "Label3",
          whiteLabel(120, 480, 11535, 495, "SCRIVI IN CIFRE IL NUMERO DATO", kTitleFont, ui::Align::Centre)),
      Label12(this, "Label12", whiteLabel(4440, 1440, 2175, 375, "NUMERI ENTRO", kCaptionFont)),
      Text2(this, "Text2", frame::layout::answerBox(6600, 1320, 855, 495, kLimitFont, 1, ui::Pointer::Arrow)),
      Label4(this, "Label4", whiteLabel(240, 3240, 5775, 615, "", kWordFont, ui::Align::Right)),
      Text1(this, "Text1", frame::layout::answerBox(6360, 2640, 2415, 1695, kAnswerFont, 0)),
      Image1(this, "Image1", frame::layout::neutralFace(7080, 4680)),
      Image2(this, "Image2", frame::layout::happyFace(7080, 4680)),
      Image3(this, "Image3", frame::layout::sadFace(7080, 4680)),
      Label5(this, "Label5", frame::layout::scoreCaption("ESATTI", 5520, 6480, 1695, 495, ui::Align::Left)),
      Label6(this, "Label6", frame::layout::scoreValue(6960, 6360, 615, 495, ui::Align::Left)),
      Label9(this, "Label9", frame::layout::scoreCaption("SU", 8400, 6480, 615, 495, ui::Align::Left)),
      Label10(this, "Label10", frame::layout::scoreValue(9120, 6360, 735, 735, ui::Align::Left)),
      Label1(this, "Label1",
             frame::layout::newProblemHotspot(1800, 7200, 975, 855, "DAMMI IL NUMERO IN LETTERE")),
      Label2(this, "Label2", frame::layout::exitHotspot(3240, 7320, 735, 735)),
      Image5(this, "Image5", frame::layout::backPicture()),
      Label17(this, "Label17", frame::layout::creditFooter()) {
    Text2.onKeyPress = [this](int& keyAscii) { Text2_KeyPress(keyAscii); };
    Label1.onClick = [this] { Label1_Click(); };
    Text1.onKeyPress = [this](int& keyAscii) { Text1_KeyPress(keyAscii); };
    Text1.onKeyUp = [this](int keyCode, int shift) { Text1_KeyUp(keyCode, shift); };
}

void Form13::Form_Load() {
    ExerciseFrame::Form_Load();
    Text1.enabled = false;
    Label1.enabled = false;
    parole = words::NumberWords(99);
}

void Form13::Text2_KeyPress(int& keyAscii) {
    digitFilter(keyAscii);
    // A key typed into a full box starts a new limit.
    if (ui::textLength(Text2.text) >= 2) Text2.text.clear();
    Label1.enabled = true;
}

void Form13::Label1_Click() {
    Text1.enabled = true;
    Text2.enabled = false;
    Label1.enabled = false;
    caption = "tevo - Aritmetica cl. II     Numeri in cifre entro    " + Text2.text;
    setFeedback(frame::Feedback::Neutral);
    Label4.caption.clear();
    Text1.text.clear();
    ripet = 0;
    countProblem();
    random().reseedFromClock();
    double limit = ui::readNumber(Text2.text);
    n = std::floor(random().next() * limit);
    Label4.caption = parole.word(static_cast<int>(n.number()));
}

void Form13::Text1_KeyPress(int& keyAscii) {
    digitFilter(keyAscii);
    if (ui::textLength(Text1.text) != n.length()) return;
    // A complete right answer stays; a complete wrong one makes room for a
    // new answer.
    if (Text1.text == n.text()) {
        keyAscii = 0;
    } else {
        Text1.text.clear();
    }
}

void Form13::Text1_KeyUp(int keyCode, int) {
    if (!ui::key::isDigitKey(keyCode)) return;
    Label1.enabled = true;
    Text2.enabled = true;
    bool complete = ui::textLength(Text1.text) == n.length();
    if (!complete) return;
    ripet += 1;
    if (Text1.text == n.text()) {
        if (ripet == 1) esatto += 1;
        // "SU" is brought up to date only by a right answer.
        showScore();
        setFeedback(frame::Feedback::Right);
    } else {
        setFeedback(frame::Feedback::Wrong);
        beep();
        if (ripet == 1) errato += 1;
    }
}

}  // namespace numbers99
