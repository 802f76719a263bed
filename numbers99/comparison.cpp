#include "numbers99/comparison.h"

#include <cmath>

#include "ui/text.h"

namespace numbers99 {

namespace {

const ui::ScreenRegistration<Form3> kRegistration{"Form3"};

using frame::layout::whiteLabel;

const ui::Font kTitleFont{"MS Sans Serif", 13.5, true};
const ui::Font kNumberFont{"Courier New", 72, true};
const ui::Font kSignFont{"Courier New", 24, true};
const ui::Font kCaptionFont{"Courier New", 12, true};
const ui::Font kLimitFont{"Courier New", 27.75, true};

ui::Props sign(int top, const char* caption) {
    ui::Props props = whiteLabel(6120, top, 615, 495, caption, kSignFont, ui::Align::Centre);
    props.pointer = ui::Pointer::Hand;
    return props;
}

}  // namespace

Form3::Form3()
    : ExerciseFrame(
          "Form3",
          {.caption = "tevo - Aritmetica cl. II     CONFRONTO  <  =  >  ( entro 99 )",
           .backColor = 0xffc0c0,
           .picture = frame::layout::kBlackboard},
          {Image1, Image2, Image3, Label15, Label19, Label9, Label8, Image5, frame::Restart::Past99}),
      Label1(this, "Label1",
             whiteLabel(120, 480, 11655, 495, "CONFRONTA USANDO I SEGNI  <  =  >", kTitleFont,
                        ui::Align::Centre)),
      Label3(this, "Label3", whiteLabel(3720, 1560, 1935, 1815, "", kNumberFont, ui::Align::Centre)),
      Label5(this, "Label5", sign(1560, "<")),
      Label6(this, "Label6", sign(2160, "=")),
      Label7(this, "Label7", sign(2880, ">")),
      Label4(this, "Label4", whiteLabel(7080, 1560, 1815, 1815, "", kNumberFont, ui::Align::Centre)),
      Label2(this, "Label2", whiteLabel(7800, 4080, 2415, 495, "CONFRONTO ENTRO", kCaptionFont)),
      Text1(this, "Text1", frame::layout::answerBox(10440, 3840, 975, 735, kLimitFont, 0)),
      Image1(this, "Image1", frame::layout::neutralFace(5880, 4080)),
      Image2(this, "Image2", frame::layout::happyFace(5880, 4080)),
      Image3(this, "Image3", frame::layout::sadFace(5880, 4080)),
      Label14(this, "Label14", frame::layout::scoreCaption("ESATTI", 6240, 6360, 1455, 495)),
      Label15(this, "Label15", frame::layout::scoreValue(7920, 6240, 615, 495)),
      Label18(this, "Label18", frame::layout::scoreCaption("SU", 8760, 6360, 615, 615)),
      Label19(this, "Label19", frame::layout::scoreValue(9480, 6240, 735, 615)),
      Label9(this, "Label9", frame::layout::newProblemHotspot(1800, 7320, 855, 735)),
      Label8(this, "Label8", frame::layout::exitHotspot(3240, 7320, 735, 735)),
      Image5(this, "Image5", frame::layout::backPicture()),
      Label12(this, "Label12", frame::layout::creditFooter()) {
    Text1.onKeyUp = [this](int keyCode, int shift) { Text1_KeyUp(keyCode, shift); };
    Label9.onClick = [this] { Label9_Click(); };
    Label5.onClick = [this] { Label5_Click(); };
    Label6.onClick = [this] { Label6_Click(); };
    Label7.onClick = [this] { Label7_Click(); };
}

void Form3::Form_Load() {
    ExerciseFrame::Form_Load();
    Label5.enabled = false;
    Label6.enabled = false;
    Label7.enabled = false;
    Label9.enabled = false;
}

bool Form3::holdsLimit() const {
    const std::string& text = Text1.text;
    if (text.empty() || text.size() > 2) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

void Form3::Text1_KeyUp(int, int) {
    if (ui::textLength(Text1.text) > 2) Text1.text.clear();
    // The box takes any key, but only a whole number 0 to 99 is a limit: a
    // sign, a point or a letter in it leaves "DAMMI I NUMERI" closed.
    Label9.enabled = holdsLimit();
}

void Form3::Label9_Click() {
    if (!holdsLimit()) return;
    for (ui::Label* s : {&Label5, &Label6, &Label7}) {
        s->foreColor = ui::kWhite;
        s->enabled = true;
    }
    Text1.enabled = false;
    caption = "tevo - Aritmetica cl. II     CONFRONTO  <  =  >  ( entro   " + Text1.text + " )";
    Label9.enabled = false;
    setFeedback(frame::Feedback::Neutral);
    countProblem();
    conteggio = 0;
    random().reseedFromClock();
    double limit = ui::readNumber(Text1.text);
    pn = std::floor(random().next() * limit);
    sn = std::floor(random().next() * limit);
    Label3.caption = ui::numberText(std::fabs(pn.number()));
    Label4.caption = ui::numberText(std::fabs(sn.number()));
}

void Form3::judge(ui::Label& sign, Relation relation) {
    Text1.enabled = true;
    // Only a limit of one or two digits can draw the next problem.
    Label9.enabled = holdsLimit();
    conteggio += 1;
    if (conteggio != 1) return;
    showSu();
    double first = pn.number(), second = sn.number();
    bool right = relation == Relation::Less    ? first < second
                 : relation == Relation::Equal ? first == second
                                               : first > second;
    if (right) {
        esatto += 1;
        sign.foreColor = ui::kWhite;
        showEsatti();
        setFeedback(frame::Feedback::Right);
    } else {
        errato += 1;
        sign.foreColor = ui::kRed;
        setFeedback(frame::Feedback::Wrong);
    }
}

}  // namespace numbers99
