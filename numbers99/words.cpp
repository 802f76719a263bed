#include "numbers99/words.h"

#include <cmath>
#include <string_view>

#include "ui/keys.h"
#include "ui/text.h"

namespace numbers99 {

namespace {

const ui::ScreenRegistration<Form14> kRegistration{"Form14"};

using frame::layout::whiteLabel;

const ui::Font kTitleFont{"Courier New", 21.75, true};
const ui::Font kCaptionFont{"MS Sans Serif", 12, true};
const ui::Font kLimitFont{"MS Sans Serif", 18, false};
const ui::Font kNumberFont{"Courier New", 72, true};
const ui::Font kAnswerFont{"Courier New", 36, true};
const ui::Font kConfirmFont{"MS Sans Serif", 9.75, true};

// The letters of the words of 0 to 99.
constexpr std::string_view kLetters = "ACDEINOQRSTUVZ";

}  // namespace

Form14::Form14()
    : ExerciseFrame(
          "Form14",
          {.caption = "tevo - Aritmetica cl II        Numeri in lettere entro 99",
           .picture = frame::layout::kBlackboard},
          {Image1, Image2, Image3, Label6, Label10, Label1, Label2, Image5, frame::Restart::Past99}),
      Label3(this, "Label3",
             whiteLabel(120, 480, 11535, 495, "SCRIVI IN LETTERE IL NUMERO DATO", kTitleFont,
                        ui::Align::Centre)),
      Label12(this, "Label12", whiteLabel(3840, 1440, 2175, 375, "NUMERI ENTRO", kCaptionFont)),
      Text2(this, "Text2", frame::layout::answerBox(6000, 1320, 855, 495, kLimitFont, 1)),
      Label4(this, "Label4", whiteLabel(1080, 2280, 1815, 1455, "", kNumberFont)),
      Text1(this, "Text1", frame::layout::answerBox(3120, 2640, 7695, 930, kAnswerFont, 0)),
      Label13(this, "Label13",
              [] {
                  ui::Props props = whiteLabel(5040, 3720, 3855, 375, "CONFERMA NUMERO IN LETTERE",
                                               kConfirmFont, ui::Align::Centre);
                  props.pointer = ui::Pointer::Hand;
                  return props;
              }()),
      Image1(this, "Image1", frame::layout::neutralFace(8760, 4440)),
      Image2(this, "Image2", frame::layout::happyFace(8760, 4440)),
      Image3(this, "Image3", frame::layout::sadFace(8760, 4440)),
      Label5(this, "Label5", frame::layout::scoreCaption("ESATTI", 5520, 6480, 1695, 495, ui::Align::Left)),
      Label6(this, "Label6", frame::layout::scoreValue(6960, 6360, 615, 495, ui::Align::Left)),
      Label9(this, "Label9", frame::layout::scoreCaption("SU", 8400, 6480, 615, 495, ui::Align::Left)),
      Label10(this, "Label10", frame::layout::scoreValue(9120, 6360, 735, 735, ui::Align::Left)),
      Label1(this, "Label1",
             frame::layout::newProblemHotspot(1800, 7320, 855, 735, "DAMMI IL NUMERO IN LETTERE")),
      Label2(this, "Label2", frame::layout::exitHotspot(3240, 7320, 735, 735)),
      Image5(this, "Image5", frame::layout::backPicture()),
      Label8(this, "Label8", frame::layout::creditFooter()) {
    Text2.onKeyPress = [this](int& keyAscii) { Text2_KeyPress(keyAscii); };
    Label1.onClick = [this] { Label1_Click(); };
    Text1.onKeyPress = [this](int& keyAscii) { Text1_KeyPress(keyAscii); };
    Label13.onClick = [this] { Label13_Click(); };
}

void Form14::letterFilter(int& keyAscii) {
    if (keyAscii == ui::key::kBackspace) return;
    int upper = keyAscii >= 'a' && keyAscii <= 'z' ? keyAscii - 'a' + 'A' : keyAscii;
    bool letter =
        upper >= 'A' && upper <= 'Z' && kLetters.find(static_cast<char>(upper)) != std::string_view::npos;
    keyAscii = letter ? upper : 0;
}

void Form14::Form_Load() {
    ExerciseFrame::Form_Load();
    Text1.visible = false;
    Text1.enabled = false;
    Label13.visible = false;
    Label13.enabled = false;
    Label1.enabled = false;
    parole = words::NumberWords(99);
}

void Form14::Text2_KeyPress(int& keyAscii) {
    digitFilter(keyAscii);
    // A key typed into a full box starts a new limit.
    if (ui::textLength(Text2.text) >= 2) Text2.text.clear();
    Label1.enabled = true;
}

void Form14::Label1_Click() {
    caption = "tevo - Aritmetica cl II        Numeri in lettere entro " + Text2.text;
    Text1.visible = true;
    Label13.visible = true;
    Text1.enabled = true;
    Text2.enabled = false;
    Label1.enabled = false;
    // Closed until a key is pressed for the new number: a confirmation left
    // open by a key typed after the last one would judge the empty box.
    Label13.enabled = false;
    setFeedback(frame::Feedback::Neutral);
    Label4.caption.clear();
    Text1.text.clear();
    conteggio = 0;
    countProblem();
    random().reseedFromClock();
    double limit = ui::readNumber(Text2.text);
    n = std::floor(random().next() * limit);
    Label4.caption = n.text();
}

void Form14::Text1_KeyPress(int& keyAscii) {
    Label13.enabled = true;
    letterFilter(keyAscii);
    if (ui::textLength(Text1.text) != ui::textLength(word())) return;
    // A complete right word stays; a complete wrong one makes room for a new
    // word.
    if (Text1.text == word()) {
        keyAscii = 0;
    } else {
        Text1.text.clear();
    }
}

void Form14::Label13_Click() {
    Text2.enabled = true;
    conteggio += 1;
    Label13.enabled = false;
    Label1.enabled = true;
    if (Text1.text == word()) {
        if (conteggio == 1) esatto += 1;
        setFeedback(frame::Feedback::Right);
        // "SU" is brought up to date only by a right answer.
        showScore();
    } else {
        if (conteggio == 1) errato += 1;
        setFeedback(frame::Feedback::Wrong);
    }
}

}  // namespace numbers99
