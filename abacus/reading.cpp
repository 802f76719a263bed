#include "abacus/reading.h"

#include "abacus/module_menu.h"
#include "frame/exercise_frame.h"
#include "ui/text.h"

namespace abacus {

namespace {

const ui::ScreenRegistration<Form15> kRegistration{"Form15"};

constexpr AbacusLayout kAbacus{5640};
constexpr int kRangeTop = 720;
const std::array<RangeChoice, 11> kRange = abacusRangeRow("Label18");

ui::Props rangeAt(std::size_t i) {
    return rangeLabel(kRange[i], kRangeTop);
}

ui::Props digitBox(Place place, int tabIndex) {
    ui::Props props = kAbacus.digit(place);
    props.backColor = ui::kBoardGreen;
    props.borderStyle = 1;
    props.pointer = ui::Pointer::Pen;
    props.tabIndex = tabIndex;
    return props;
}

// Units first, then tens, the words, hundreds and thousands.
enum TabIndex { kUnitsTab, kTensTab, kWordsTab, kHundredsTab, kThousandsTab };

}  // namespace

Form15::Form15()
    : Screen("Form15", {.caption = moduleCaption(), .backColor = 0xe0e0e0, .picture = "blackboard"}),
      Label8(this, "Label8",
             boardLabel(0, 240, 11895, 495, "SCRIVI IN CIFRE E IN LETTERE LE QUANTITÀ PRESENTATE SULL'ABACO",
                        kInstructionFont)),
      Label9(this, "Label9", boardLabel(2400, kRangeTop, 2175, 375, "NUMERI ENTRO:", kRangeFont)),
      Label6(this, kRange[0].name, rangeAt(0)),
      Label7(this, kRange[1].name, rangeAt(1)),
      Label10(this, kRange[2].name, rangeAt(2)),
      Label11(this, kRange[3].name, rangeAt(3)),
      Label12(this, kRange[4].name, rangeAt(4)),
      Label13(this, kRange[5].name, rangeAt(5)),
      Label14(this, kRange[6].name, rangeAt(6)),
      Label15(this, kRange[7].name, rangeAt(7)),
      Label17(this, kRange[8].name, rangeAt(8)),
      Label16(this, kRange[9].name, rangeAt(9)),
      Label18(this, kRange[10].name, rangeAt(10)),
      Line1(this, "Line1", kAbacus.baseLine()),
      Line5(this, "Line5", kAbacus.rod(Place::Thousands)),
      Line4(this, "Line4", kAbacus.rod(Place::Hundreds)),
      Line3(this, "Line3", kAbacus.rod(Place::Tens)),
      Line2(this, "Line2", kAbacus.rod(Place::Units)),
      Shape1(this, "Shape1", kAbacus.bead(Place::Tens, 1)),
      Shape2(this, "Shape2", kAbacus.bead(Place::Tens, 2)),
      Shape3(this, "Shape3", kAbacus.bead(Place::Tens, 3)),
      Shape4(this, "Shape4", kAbacus.bead(Place::Tens, 4)),
      Shape5(this, "Shape5", kAbacus.bead(Place::Tens, 5)),
      Shape6(this, "Shape6", kAbacus.bead(Place::Tens, 6)),
      Shape7(this, "Shape7", kAbacus.bead(Place::Tens, 7)),
      Shape8(this, "Shape8", kAbacus.bead(Place::Tens, 8)),
      Shape9(this, "Shape9", kAbacus.bead(Place::Tens, 9)),
      Shape10(this, "Shape10", kAbacus.bead(Place::Units, 1)),
      Shape11(this, "Shape11", kAbacus.bead(Place::Units, 2)),
      Shape12(this, "Shape12", kAbacus.bead(Place::Units, 3)),
      Shape13(this, "Shape13", kAbacus.bead(Place::Units, 4)),
      Shape14(this, "Shape14", kAbacus.bead(Place::Units, 5)),
      Shape15(this, "Shape15", kAbacus.bead(Place::Units, 6)),
      Shape16(this, "Shape16", kAbacus.bead(Place::Units, 7)),
      Shape17(this, "Shape17", kAbacus.bead(Place::Units, 8)),
      Shape18(this, "Shape18", kAbacus.bead(Place::Units, 9)),
      Shape19(this, "Shape19", kAbacus.bead(Place::Hundreds, 1)),
      Shape20(this, "Shape20", kAbacus.bead(Place::Hundreds, 2)),
      Shape21(this, "Shape21", kAbacus.bead(Place::Hundreds, 3)),
      Shape22(this, "Shape22", kAbacus.bead(Place::Hundreds, 4)),
      Shape23(this, "Shape23", kAbacus.bead(Place::Hundreds, 5)),
      Shape24(this, "Shape24", kAbacus.bead(Place::Hundreds, 6)),
      Shape25(this, "Shape25", kAbacus.bead(Place::Hundreds, 7)),
      Shape26(this, "Shape26", kAbacus.bead(Place::Hundreds, 8)),
      Shape27(this, "Shape27", kAbacus.bead(Place::Hundreds, 9)),
      Shape28(this, "Shape28", kAbacus.bead(Place::Thousands, 1)),
      Label19(this, "Label19", kAbacus.heading(Place::Thousands, "k")),
      Label5(this, "Label5", kAbacus.heading(Place::Hundreds, "h")),
      Label4(this, "Label4", kAbacus.heading(Place::Tens, "da")),
      Label3(this, "Label3", kAbacus.heading(Place::Units, "u")),
      Text4(this, "Text4", digitBox(Place::Thousands, kThousandsTab)),
      Text5(this, "Text5", digitBox(Place::Hundreds, kHundredsTab)),
      Text2(this, "Text2", digitBox(Place::Tens, kTensTab)),
      Text3(this, "Text3", digitBox(Place::Units, kUnitsTab)),
      Text1(this, "Text1",
            {.left = 1080,
             .top = 6960,
             .width = 9615,
             .height = 615,
             .foreColor = ui::kWhite,
             .backColor = ui::kBoardGreen,
             .font = kBigFont,
             .alignment = ui::Align::Centre,
             .pointer = ui::Pointer::Pen,
             .tabIndex = kWordsTab}),
      Image1(this, "Image1", computerPicture(9120, 4680, "SCRIVI LA QUANTITÀ CHE TI DÒ")),
      Image2(this, "Image2", face("face-sad", 9240, 5760)),
      Image3(this, "Image3", face("face-happy", 9240, 5760)),
      Image4(this, "Image4", face("face-neutral", 9240, 5760)),
      Image5(this, "Image5", backPicture()),
      Label21(this, "Label21", frame::layout::creditFooter()) {
    perleda = {&Shape1, &Shape2, &Shape3, &Shape4, &Shape5, &Shape6, &Shape7, &Shape8, &Shape9};
    perleu = {&Shape10, &Shape11, &Shape12, &Shape13, &Shape14, &Shape15, &Shape16, &Shape17, &Shape18};
    perleh = {&Shape19, &Shape20, &Shape21, &Shape22, &Shape23, &Shape24, &Shape25, &Shape26, &Shape27};
    perlek = {&Shape28};

    for (std::size_t i = 0; i < kRange.size(); ++i) {
        ui::Label* label = rangeLabels()[i];
        int value = kRange[i].limite;
        label->onClick = [this, label, value] { rangeClick(*label, value); };
    }
    Image1.onClick = [this] { newNumber(); };
    Image5.onClick = [this] { Image5_Click(); };
    for (ui::TextBox* box : {&Text3, &Text2, &Text5, &Text4}) {
        box->onKeyPress = [this, box](int& keyAscii) { digitKeyPress(*box, keyAscii); };
    }
    Text3.onKeyUp = [this](int keyCode, int shift) { Text3_KeyUp(keyCode, shift); };
    Text2.onKeyUp = [this](int keyCode, int shift) { Text2_KeyUp(keyCode, shift); };
    Text5.onKeyUp = [this](int keyCode, int shift) { Text5_KeyUp(keyCode, shift); };
    Text4.onKeyUp = [this](int keyCode, int shift) { Text4_KeyUp(keyCode, shift); };
    Text1.onKeyPress = [this](int& keyAscii) { Text1_KeyPress(keyAscii); };
    Text1.onKeyUp = [this](int keyCode, int shift) { Text1_KeyUp(keyCode, shift); };
    for (ui::TextBox* box : {&Text3, &Text2, &Text5, &Text4, &Text1}) {
        box->onClick = [this] { showFace(Face::Neutral); };
    }
}

std::array<ui::Label*, 11> Form15::rangeLabels() {
    return {&Label6,  &Label7,  &Label10, &Label11, &Label12, &Label13,
            &Label14, &Label15, &Label17, &Label16, &Label18};
}

std::array<ui::Shape*, 28> Form15::allBeads() {
    std::array<ui::Shape*, 28> beads{};
    auto out = beads.begin();
    for (const auto* rod : {&perleu, &perleda, &perleh}) out = std::copy(rod->begin(), rod->end(), out);
    *out = perlek[0];
    return beads;
}

void Form15::Form_Load() {
    for (ui::Shape* bead : allBeads()) bead->visible = false;
    showFace(Face::Neutral);
    Image1.enabled = false;
    for (ui::TextBox* box : {&Text1, &Text2, &Text3, &Text4, &Text5}) box->enabled = false;
}

void Form15::rangeClick(ui::Label& label, int value) {
    limite = static_cast<float>(value);
    Image1.enabled = true;
    frameChosenRange(rangeLabels(), label);
}

void Form15::newNumber() {
    Image1.enabled = false;
    Text1.text.clear();
    Text1.enabled = false;
    for (ui::TextBox* box : {&Text2, &Text3, &Text4, &Text5}) {
        box->text.clear();
        box->enabled = false;
    }
    showFace(Face::Neutral);
    u = da = h = k = 0;
    for (ui::Shape* bead : allBeads()) bead->visible = false;

    Digits d = drawDigits(random(), static_cast<int>(limite));
    u = static_cast<float>(d.u);
    da = static_cast<float>(d.da);
    h = static_cast<float>(d.h);
    k = static_cast<float>(d.k);
    if (limite == 1000) migliaia = static_cast<float>(d.migliaia);

    for (int i = 0; i < d.u; ++i) perleu[static_cast<std::size_t>(i)]->visible = true;
    for (int i = 0; i < d.da; ++i) perleda[static_cast<std::size_t>(i)]->visible = true;
    for (int i = 0; i < d.h; ++i) perleh[static_cast<std::size_t>(i)]->visible = true;
    if (d.k == 1) perlek[0]->visible = true;
    n = static_cast<float>(d.number());

    // One box per place of the number: 7 opens the units only, 1000 all four.
    Text3.enabled = true;
    Text2.enabled = n >= 10;
    Text5.enabled = n >= 100;
    Text4.enabled = n >= 1000;
}

void Form15::digitKeyPress(ui::TextBox& box, int& keyAscii) {
    frame::ExerciseFrame::digitFilter(keyAscii);
    // Whatever the key, a box that holds a digit is emptied, so a new digit
    // replaces it.
    if (!box.text.empty()) {
        box.text.clear();
        showFace(Face::Neutral);
    }
}

// The words box opens at the release of a key in the box of the number's
// highest place, whether the digit was right or not.
void Form15::digitKeyUp(ui::TextBox& box, float digit, bool opensWords) {
    if (opensWords) Text1.enabled = true;
    showFace(ui::readNumber(box.text) == digit ? Face::Right : Face::Wrong);
}

void Form15::Text3_KeyUp(int, int) {
    digitKeyUp(Text3, u, n < 10);
}

void Form15::Text2_KeyUp(int, int) {
    digitKeyUp(Text2, da, n >= 10 && n <= 99);
}

void Form15::Text5_KeyUp(int, int) {
    digitKeyUp(Text5, h, n >= 100);
}

void Form15::Text4_KeyUp(int, int) {
    digitKeyUp(Text4, k, n == 1000);
}

void Form15::Text1_KeyPress(int& keyAscii) {
    if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 'a' - 'A';
}

// Judged at every key: too short is not yet wrong, too long already is.
void Form15::Text1_KeyUp(int, int) {
    const std::string& w = parole.word(static_cast<int>(n));
    const std::string& s = Text1.text;
    int typed = ui::textLength(s);
    int expected = ui::textLength(w);
    if (typed < expected) {
        showFace(Face::Neutral);
    } else if (typed > expected) {
        showFace(Face::Wrong);
    } else if (s == w) {
        showFace(Face::Right);
        Image1.enabled = true;
    } else {
        showFace(Face::Wrong);
    }
}

void Form15::Image5_Click() {
    show<Form20>();
    unload();
}

}  // namespace abacus
