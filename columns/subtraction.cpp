#include "columns/subtraction.h"

#include <cmath>

#include "ui/text.h"

namespace columns {

namespace {

using frame::layout::whiteLabel;
using namespace layout;
namespace fl = frame::layout;

const ui::Font kHeaderFont{"MS Sans Serif", 12, true, true};
constexpr const char* kTitle = "ESEGUI LA SEGUENTE SOTTRAZIONE IN COLONNA";
constexpr const char* kLine = "--------------------------------------";

const ui::ScreenRegistration<Form5> kForm5{"Form5"};
const ui::ScreenRegistration<Form7> kForm7{"Form7"};

}  // namespace

Subtraction::Subtraction(std::string formName, const ui::ScreenProps& design, const Roles& roles,
                         const Boxes& boxes, const Cells& cells, Carry borrow)
    : ColumnExercise(
          std::move(formName), design, roles, boxes,
          borrow == Carry::With ? kSubtractionWithBorrowProtocol : kSubtractionWithoutBorrowProtocol),
      cells_(cells),
      borrow_(borrow) {}

void Subtraction::askProblem() {
    startAnswer();
    for (ui::Label* cell : {&cells_.tensOfMinuend, &cells_.unitsOfMinuend, &cells_.tensOfSubtrahend,
                            &cells_.unitsOfSubtrahend}) {
        cell->caption.clear();
    }
    countProblem();
    random().reseedFromClock();
    drawProblem();
    cells_.tensOfMinuend.caption = dam.text();
    cells_.unitsOfMinuend.caption = um.text();
    if (ls.number() > 1) cells_.tensOfSubtrahend.caption = das.text();
    cells_.unitsOfSubtrahend.caption = us.text();
}

void Subtraction::drawProblem() {
    for (;;) {
        do {
            m = std::floor(random().next() * 99 + 10);
        } while (m.number() > 99);
        s = std::floor(random().next() * 99 + 1);
        if (s.number() > 99 || m.number() < s.number()) continue;
        r = m.number() - s.number();
        lm = m.length();
        ls = s.length();
        lr = r.length();
        um = ui::lastCharacter(m.text());
        dam = ui::characterBeforeLast(m.text());
        us = ui::lastCharacter(s.text());
        if (ls.number() > 1) das = ui::characterBeforeLast(s.text());
        ur = ui::lastCharacter(r.text());
        dar = lr.number() > 1 ? ui::Variant(ui::characterBeforeLast(r.text())) : ui::Variant(0);
        bool borrows = us.number() > um.number();
        if (borrows == (borrow_ == Carry::With)) return;
    }
}

// "ESEGUI LA SEGUENTE SOTTRAZIONE IN COLONNA", minuend over subtrahend in
// the "da" and " u" columns, the minus sign at the right of the upper row,
// the line, the answer boxes under it and the faces at their right.
Form5::Form5()
    : Subtraction(
          "Form5",
          {.caption = "tevo - Aritmetica cl. II     SOTTRAZIONI IN COLONNA SENZA CAMBIO  ( entro 99 )",
           .backColor = 0x00c0c0,
           .picture = fl::kBlackboard},
          {Image1, Image2, Image3, Label15, Label19, Label8, Label9, Image4, frame::Restart::Past99WithScore},
          {Text6, Text5, Label8}, {Label16, Label10, Label12, Label13}, Carry::Without),
      Label1(this, "Label1", whiteLabel(120, 360, 11655, 495, kTitle, kTitleFont, ui::Align::Centre)),
      Label6(this, "Label6", columnHeader(5880, 840, 495, 495, "da", ui::kRed, kHeaderFont)),
      Label7(this, "Label7", columnHeader(7080, 840, 495, 495, " u", kBlue, kHeaderFont)),
      Label4(this, "Label4", whiteLabel(8040, 1320, 615, 615, " _", kSignFont)),
      Label16(this, "Label16", digitCell(5640, 1320)),
      Label10(this, "Label10", digitCell(6840, 1320)),
      Label12(this, "Label12", digitCell(5640, 2640)),
      Label13(this, "Label13", digitCell(6840, 2640)),
      Label5(this, "Label5", whiteLabel(8040, 2640, 615, 615, " =", kSignFont)),
      Label2(this, "Label2", whiteLabel(4800, 3720, 3975, 255, kLine, kTitleFont)),
      Text5(this, "Text5", digitBox(5640, 4080, 3, ui::Pointer::Arrow)),
      Text6(this, "Text6", digitBox(6840, 4080, 2, ui::Pointer::Arrow)),
      Image1(this, "Image1", fl::neutralFace(9120, 4080)),
      Image2(this, "Image2", fl::happyFace(9120, 4080)),
      Image3(this, "Image3", fl::sadFace(9120, 4080)),
      Label14(this, "Label14", fl::scoreCaption("ESATTI", 6240, 6360, 1455, 495)),
      Label15(this, "Label15", fl::scoreValue(7920, 6240, 615, 495)),
      Label18(this, "Label18", fl::scoreCaption("SU", 8760, 6360, 615, 615)),
      Label19(this, "Label19", fl::scoreValue(9480, 6240, 735, 615)),
      Label8(this, "Label8", fl::newProblemHotspot()),
      Label9(this, "Label9", fl::exitHotspot()),
      Image4(this, "Image4", fl::backPicture()),
      Label3(this, "Label3", fl::creditFooter()) {
    Label8.onClick = [this] { Label8_Click(); };
    Text6.onKeyPress = [this](int& keyAscii) { Text6_KeyPress(keyAscii); };
    Text6.onKeyUp = [this](int keyCode, int shift) { Text6_KeyUp(keyCode, shift); };
    Text5.onKeyPress = [this](int& keyAscii) { Text5_KeyPress(keyAscii); };
    Text5.onKeyUp = [this](int keyCode, int shift) { Text5_KeyUp(keyCode, shift); };
}

// Form5's board with the borrow: square digit cells a little lower, renamed,
// centred headers lower too, the writing hand on the boxes, the faces a
// little left.
Form7::Form7()
    : Subtraction(
          "Form7",
          {.caption = "tevo - Aritmetica cl. II     SOTTRAZIONI IN COLONNA CON CAMBIO  ( entro 99 )",
           .backColor = 0x00c0c0,
           .picture = fl::kBlackboard},
          {Image1, Image2, Image3, Label15, Label19, Label8, Label9, Image4, frame::Restart::Past99WithScore},
          {Text6, Text5, Label8}, {Label3, Label11, Label12, Label13}, Carry::With),
      Label1(this, "Label1", whiteLabel(120, 360, 11655, 495, kTitle, kTitleFont, ui::Align::Centre)),
      Label6(this, "Label6",
             columnHeader(5880, 960, 495, 495, "da", ui::kRed, kHeaderFont, ui::Align::Centre)),
      Label7(this, "Label7", columnHeader(7080, 960, 495, 495, " u", kBlue, kHeaderFont, ui::Align::Centre)),
      Label4(this, "Label4", whiteLabel(8040, 1320, 615, 615, " _", kSignFont)),
      Label3(this, "Label3", digitCell(5640, 1440, 1095, 1095)),
      Label11(this, "Label11", digitCell(6840, 1440, 1095, 1095)),
      Label12(this, "Label12", digitCell(5640, 2640, 1095, 1095)),
      Label13(this, "Label13", digitCell(6840, 2640, 1095, 1095)),
      Label5(this, "Label5", whiteLabel(8040, 2640, 615, 615, " =", kSignFont)),
      Label2(this, "Label2", whiteLabel(4800, 3720, 3975, 255, kLine, kTitleFont)),
      Text5(this, "Text5", digitBox(5640, 4080, 3)),
      Text6(this, "Text6", digitBox(6840, 4080, 2)),
      Image1(this, "Image1", fl::neutralFace(9000, 4080)),
      Image2(this, "Image2", fl::happyFace(9000, 4080)),
      Image3(this, "Image3", fl::sadFace(9000, 4080)),
      Label14(this, "Label14", fl::scoreCaption("ESATTI", 6240, 6360, 1455, 495)),
      Label15(this, "Label15", fl::scoreValue(7920, 6240, 615, 495)),
      Label18(this, "Label18", fl::scoreCaption("SU", 8760, 6360, 615, 615)),
      Label19(this, "Label19", fl::scoreValue(9480, 6240, 735, 615)),
      Label8(this, "Label8", fl::newProblemHotspot()),
      Label9(this, "Label9", fl::exitHotspot(3240, 7440, 735, 615)),
      Image4(this, "Image4", fl::backPicture()),
      Label10(this, "Label10", fl::creditFooter()) {
    Label8.onClick = [this] { Label8_Click(); };
    Text6.onKeyPress = [this](int& keyAscii) { Text6_KeyPress(keyAscii); };
    Text6.onKeyUp = [this](int keyCode, int shift) { Text6_KeyUp(keyCode, shift); };
    Text5.onKeyPress = [this](int& keyAscii) { Text5_KeyPress(keyAscii); };
    Text5.onKeyUp = [this](int keyCode, int shift) { Text5_KeyUp(keyCode, shift); };
}

}  // namespace columns
