#include "abacus/words_and_digits.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "abacus/module_menu.h"
#include "frame/exercise_frame.h"
#include "ui/text.h"

namespace abacus {

namespace {

const ui::ScreenRegistration<Form16> kRegistration{"Form16"};

constexpr ui::Color kFrameBlue = 0x0000ff;
constexpr ui::Font kCaptionFont{"Tahoma", 12, true};
constexpr ui::Font kTitleFont{"Tahoma", 15.75, true};
constexpr ui::Font kWordsFont{"Tahoma", 20.25, true};
constexpr ui::Font kDigitsFont{"Tahoma", 24, true};

constexpr const char* kTypeANumber = "SCRIVI UN NUMERO!";
constexpr const char* kWrongText = "TESTO ERRATO! CORREGGI!";

constexpr int kRangeTop = 4680;
constexpr std::array<RangeChoice, 11> kRange = {{
    {"Label21", "10", 10, 3360, 375},
    {"Label20", "20", 20, 3840, 375},
    {"Label19", "30", 30, 4320, 375},
    {"Label18", "40", 40, 4800, 375},
    {"Label12", "50", 50, 5280, 375},
    {"Label13", "60", 60, 5760, 375},
    {"Label14", "70", 70, 6240, 375},
    {"Label15", "80", 80, 6720, 375},
    {"Label17", "90", 90, 7200, 375},
    {"Label16", "100", 100, 7680, 495},
    {"Label46", "1000", 1000, 8280, 735},
}};

ui::Props rangeAt(std::size_t i) {
    return rangeLabel(kRange[i], kRangeTop);
}

// One side of a pane's blue frame.
ui::Props frameSide(int x1, int y1, int x2, int y2) {
    return {.left = std::min(x1, x2),
            .top = std::min(y1, y2),
            .width = std::abs(x2 - x1),
            .height = std::abs(y2 - y1),
            .borderColor = kFrameBlue,
            .x1 = x1,
            .y1 = y1,
            .x2 = x2,
            .y2 = y2,
            .borderWidth = 3};
}
// Top, right, bottom and left side of the frame with these corners.
std::array<ui::Props, 4> paneFrame(int left, int top, int right, int bottom) {
    return {frameSide(left, top, right, top), frameSide(right, top, right, bottom),
            frameSide(left, bottom, right, bottom), frameSide(left, top, left, bottom)};
}
const std::array<ui::Props, 4> kUpperFrame = paneFrame(120, 120, 11760, 3720);
const std::array<ui::Props, 4> kLowerFrame = paneFrame(120, 3960, 11760, 8280);

ui::Props box(int left, int top, int width, int height, ui::Font font, int tabIndex, const char* toolTip) {
    ui::Props props = frame::layout::answerBox(left, top, width, height, font, tabIndex);
    props.toolTip = toolTip;
    return props;
}

ui::Props penPicture(int left, int top, const char* toolTip) {
    return {.left = left,
            .top = top,
            .width = 705,
            .height = 705,
            .pointer = ui::Pointer::Hand,
            .toolTip = toolTip,
            .picture = "pen-hand",
            .stretch = true};
}

void toCapital(int& keyAscii) {
    if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 'a' - 'A';
}

}  // namespace

Form16::Form16()
    : Screen("Form16", {.caption = moduleCaption(), .backColor = 0xe0e0e0, .picture = "blackboard"}),
      Line1(this, "Line1", kUpperFrame[0]),
      Line2(this, "Line2", kUpperFrame[1]),
      Line3(this, "Line3", kUpperFrame[2]),
      Line4(this, "Line4", kUpperFrame[3]),
      Label5(this, "Label5", boardLabel(0, 240, 11895, 495, "SCRIVI UN NUMERO ENTRO MILLE", kTitleFont)),
      // Centred where the pane wants it, over a width that holds the hint
      // on one line in a bold face.
      Label10(this, "Label10",
              boardLabel(1020, 720, 9855, 375, "(doppio click nella casella per cancellare il numero)",
                         kCaptionFont)),
      Label6(this, "Label6", boardLabel(480, 960, 1815, 255, "IN CIFRE", kCaptionFont)),
      Text1(this, "Text1", box(480, 1320, 1815, 735, kDigitsFont, 0, "SCRIVI IN CIFRE")),
      Image1(this, "Image1", penPicture(2400, 1440, "SCRIVO IN LETTERE")),
      Label1(this, "Label1", boardLabel(3480, 1440, 8175, 615, "", kWordsFont, ui::Align::Left)),
      Label7(this, "Label7", boardLabel(480, 2400, 8055, 375, "IN LETTERE ", kCaptionFont)),
      Text2(this, "Text2", box(480, 2760, 8055, 735, kWordsFont, 1, "SCRIVI IN LETTERE")),
      Image2(this, "Image2", penPicture(8760, 2880, "SCRIVO IN CIFRE")),
      Label2(this, "Label2",
             {.left = 9600,
              .top = 2760,
              .width = 2055,
              .height = 735,
              .foreColor = ui::kBlack,
              .font = kDigitsFont}),
      Line5(this, "Line5", kLowerFrame[0]),
      Line6(this, "Line6", kLowerFrame[1]),
      Line7(this, "Line7", kLowerFrame[2]),
      Line8(this, "Line8", kLowerFrame[3]),
      Label8(this, "Label8", boardLabel(0, 4080, 11895, 375, "SCRIVI  IL NUMERO DATO", kTitleFont)),
      Label22(this, "Label22", boardLabel(1200, kRangeTop, 2175, 375, "NUMERI ENTRO:", kCaptionFont)),
      Label21(this, kRange[0].name, rangeAt(0)),
      Label20(this, kRange[1].name, rangeAt(1)),
      Label19(this, kRange[2].name, rangeAt(2)),
      Label18(this, kRange[3].name, rangeAt(3)),
      Label12(this, kRange[4].name, rangeAt(4)),
      Label13(this, kRange[5].name, rangeAt(5)),
      Label14(this, kRange[6].name, rangeAt(6)),
      Label15(this, kRange[7].name, rangeAt(7)),
      Label17(this, kRange[8].name, rangeAt(8)),
      Label16(this, kRange[9].name, rangeAt(9)),
      Label46(this, kRange[10].name, rangeAt(10)),
      Label11(this, "Label11", boardLabel(3600, 5040, 8055, 375, "IN LETTERE", kCaptionFont)),
      Label3(this, "Label3", boardLabel(1200, 5520, 1095, 615, "", kWordsFont)),
      Text3(this, "Text3", box(2640, 5400, 8055, 735, kWordsFont, 2, "SCRIVI IN LETTERE")),
      Image5(this, "Image5",
             {.left = 5400,
              .top = 6120,
              .width = 960,
              .height = 960,
              .pointer = ui::Pointer::Hand,
              .toolTip = "TI DÒ I NUMERI",
              .picture = "computer"}),
      Label9(this, "Label9", boardLabel(8640, 6480, 2055, 375, "IN CIFRE", kCaptionFont)),
      Text4(this, "Text4", box(8640, 6840, 2055, 735, kDigitsFont, 3, "SCRIVI IN CIFRE")),
      Label4(this, "Label4", boardLabel(480, 7080, 8055, 495, "", kWordsFont)),
      Image6(this, "Image6", face("face-sad", 10680, 6000)),
      Image7(this, "Image7", face("face-happy", 10680, 6000)),
      Image8(this, "Image8", face("face-neutral", 10680, 6000)),
      Image4(this, "Image4", backPicture("TORNA A MENU ABACO")),
      Label23(this, "Label23", frame::layout::creditFooter()) {
    Text1.onKeyPress = [this](int& keyAscii) { Text1_KeyPress(keyAscii); };
    Text1.onKeyUp = [this](int keyCode, int shift) { Text1_KeyUp(keyCode, shift); };
    Text1.onDblClick = [this] { Text1_DblClick(); };
    Image1.onClick = [this] { Image1_Click(); };
    Text2.onKeyPress = [this](int& keyAscii) { Text2_KeyPress(keyAscii); };
    Text2.onDblClick = [this] { Text2_DblClick(); };
    Image2.onClick = [this] { Image2_Click(); };
    for (std::size_t i = 0; i < kRange.size(); ++i) {
        ui::Label* label = rangeLabels()[i];
        int value = kRange[i].limite;
        label->onClick = [this, label, value] { rangeClick(*label, value); };
    }
    Image5.onClick = [this] { Image5_Click(); };
    Text3.onKeyPress = [this](int& keyAscii) { Text3_KeyPress(keyAscii); };
    Text3.onKeyUp = [this](int keyCode, int shift) { Text3_KeyUp(keyCode, shift); };
    Text3.onDblClick = [this] { Text3_DblClick(); };
    Text4.onKeyPress = [this](int& keyAscii) { Text4_KeyPress(keyAscii); };
    Text4.onKeyUp = [this](int keyCode, int shift) { Text4_KeyUp(keyCode, shift); };
    Text4.onDblClick = [this] { Text4_DblClick(); };
    // Any button pressed on a lower answer box puts the verdict away.
    Text3.onMouseDown = [this](const ui::MouseEvent&) { showFace(Face::Neutral); };
    Text4.onMouseDown = [this](const ui::MouseEvent&) { showFace(Face::Neutral); };
    Image4.onClick = [this] { Image4_Click(); };
}

std::array<ui::Label*, 11> Form16::rangeLabels() {
    return {&Label21, &Label20, &Label19, &Label18, &Label12, &Label13,
            &Label14, &Label15, &Label17, &Label16, &Label46};
}

void Form16::Form_Load() {
    Image5.enabled = false;
    Text3.enabled = false;
    Text4.enabled = false;
}

void Form16::showResult(ui::Label& label, const std::string& text, double size) {
    label.font.size = size;
    label.foreColor = ui::kBlack;
    label.caption = text;
}

void Form16::showMessage(ui::Label& label, const char* message) {
    label.font.size = kMessageSize;
    label.foreColor = ui::kRed;
    label.caption = message;
}

// Typing in the upper pane leaves the lower pane's answers alone: the two
// exercises are independent.
void Form16::Text1_KeyPress(int& keyAscii) {
    frame::ExerciseFrame::digitFilter(keyAscii);
    Label1.caption.clear();
}

void Form16::Text1_KeyUp(int, int) {
    if (ui::textLength(Text1.text) > 4) Text1.text.clear();
}

void Form16::Text1_DblClick() {
    Text1.text.clear();
    Label1.caption.clear();
}

void Form16::Image1_Click() {
    c = static_cast<float>(ui::readNumber(Text1.text));
    if (Text1.text.empty()) {
        showMessage(Label1, kTypeANumber);
    } else if (c < 0 || c > words::NumberWords::kLast) {
        // Four digits reach 9999, past the last word of the table.
        showMessage(Label1, kWrongText);
    } else {
        showResult(Label1, parole.word(static_cast<int>(c)), kWordsResultSize);
    }
}

void Form16::Text2_KeyPress(int& keyAscii) {
    toCapital(keyAscii);
    Label2.caption.clear();
}

void Form16::Text2_DblClick() {
    Text2.text.clear();
    Label2.caption.clear();
}

void Form16::Image2_Click() {
    controllotesto = 0;
    showResult(Label2, "", kDigitsResultSize);
    for (int i = 0; i <= parole.last(); ++i) {
        if (parole.word(i) == Text2.text) {
            controllotesto += 1;
            Label2.caption = ui::numberText(static_cast<long long>(i));
        }
    }
    if (controllotesto != 1) showMessage(Label2, kWrongText);
    // An empty text matches no word: asking for a number says more.
    if (Text2.text.empty()) showMessage(Label2, kTypeANumber);
}

void Form16::rangeClick(ui::Label& label, int value) {
    for (ui::TextBox* answer : {&Text3, &Text4}) {
        answer->text.clear();
        answer->locked = false;
    }
    Label3.caption.clear();
    Label4.caption.clear();
    limite = static_cast<float>(value);
    Image5.enabled = true;
    frameChosenRange(rangeLabels(), label);
}

void Form16::Image5_Click() {
    for (ui::TextBox* answer : {&Text3, &Text4}) {
        answer->text.clear();
        answer->enabled = true;
        answer->locked = false;
    }
    random().reseedFromClock();
    int count = static_cast<int>(limite) + 1;
    n1 = static_cast<int>(std::floor(random().next() * count));
    n2 = static_cast<int>(std::floor(random().next() * count));
    Label3.caption = n1.text();
    Label4.caption = parole.word(static_cast<int>(n2.number()));
}

void Form16::Text3_KeyPress(int& keyAscii) {
    toCapital(keyAscii);
}

void Form16::Text3_KeyUp(int, int) {
    judge(Text3, parole.word(static_cast<int>(n1.number())));
}

void Form16::Text3_DblClick() {
    Text3.text.clear();
    Label3.caption.clear();
    showFace(Face::Neutral);
}

void Form16::Text4_KeyPress(int& keyAscii) {
    frame::ExerciseFrame::digitFilter(keyAscii);
}

void Form16::Text4_KeyUp(int, int) {
    judge(Text4, n2.text());
}

void Form16::Text4_DblClick() {
    Text4.text.clear();
    Label4.caption.clear();
    showFace(Face::Neutral);
}

// Too short is not yet wrong; an exact answer locks its box until the next
// pair of numbers or range.
void Form16::judge(ui::TextBox& box, const std::string& expected) {
    int typed = ui::textLength(box.text);
    int length = ui::textLength(expected);
    if (typed < length) {
        showFace(Face::Neutral);
    } else if (typed == length && box.text == expected) {
        showFace(Face::Right);
        box.locked = true;
    } else {
        showFace(Face::Wrong);
    }
}

void Form16::Image4_Click() {
    show<Form20>();
    unload();
}

}  // namespace abacus
