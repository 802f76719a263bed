#include "columns/multiplication.h"

#include <cmath>

#include "ui/text.h"

namespace columns {

namespace {

using frame::layout::whiteLabel;
using namespace layout;
namespace fl = frame::layout;

const ui::Font kHeaderFont{"MS Sans Serif", 13.5, true, true};
const ui::Font kLineFont{"MS Sans Serif", 24, false};
constexpr const char* kTitle = "ESEGUI IN COLONNA LA SEGUENTE MOLTIPLICAZIONE";
constexpr const char* kLine = "_____________";

const ui::ScreenRegistration<Form9> kForm9{"Form9"};
const ui::ScreenRegistration<Form10> kForm10{"Form10"};

}  // namespace

Multiplication::Multiplication(std::string formName, const ui::ScreenProps& design, const Roles& roles,
                               const Boxes& boxes, const Cells& cells, Carry carry)
    : ColumnExercise(std::move(formName), design, roles, boxes, kMultiplicationProtocol),
      cells_(cells),
      carry_(carry) {}

void Multiplication::askProblem() {
    startAnswer();
    countProblem();
    for (ui::Label* cell : {&cells_.tensOfMultiplicand, &cells_.unitsOfMultiplicand, &cells_.multiplier}) {
        cell->caption.clear();
    }
    random().reseedFromClock();
    drawProblem();
    cells_.tensOfMultiplicand.caption = damd.text();
    cells_.unitsOfMultiplicand.caption = umd.text();
    cells_.multiplier.caption = mt.text();
}

void Multiplication::drawProblem() {
    for (;;) {
        md = std::floor(random().next() * 49 + 10);
        mt = std::floor(random().next() * 8 + 2);
        pt = md.number() * mt.number();
        if (pt.number() > 99) continue;
        lmd = md.length();
        lpt = pt.length();
        damd = ui::characterBeforeLast(md.text());
        umd = ui::lastCharacter(md.text());
        dapt = ui::characterBeforeLast(pt.text());
        upt = ui::lastCharacter(pt.text());
        bool carries = umd.number() * mt.number() > 9;
        if (carries == (carry_ == Carry::With)) return;
    }
}

// "ESEGUI IN COLONNA LA SEGUENTE MOLTIPLICAZIONE", the multiplicand in the
// "da" and "u" columns, the multiplier under its units with the times sign
// at its right, the line, the answer boxes and the faces at their right.
Form9::Form9()
    : Multiplication(
          "Form9",
          {.caption = "tevo - Aritmetica cl. II     MOLTIPLICAZIONE IN COLONNA SENZA CAMBIO  ( entro 99 )",
           .backColor = 0x39b573,
           .picture = fl::kBlackboard},
          {Image1, Image2, Image3, Label15, Label19, Label11, Label12, Image4, frame::Restart::Past99},
          {Text4, Text5, Label11}, {Label8, Label9, Label10}, Carry::Without),
      Label1(this, "Label1", whiteLabel(0, 480, 11895, 495, kTitle, kTitleFont, ui::Align::Centre)),
      Label2(this, "Label2", columnHeader(5040, 1560, 495, 495, "da", ui::kRed, kHeaderFont)),
      Label3(this, "Label3", columnHeader(6360, 1560, 495, 495, "u", kDarkBlue, kHeaderFont)),
      Label8(this, "Label8", digitCell(4800, 2040, 1095, 1095)),
      Label9(this, "Label9", digitCell(6000, 2040, 1095, 1095)),
      Label4(this, "Label4", whiteLabel(7320, 2520, 495, 495, " x", kSignFont)),
      Label10(this, "Label10", digitCell(6000, 3240, 1095, 1095)),
      Label5(this, "Label5", whiteLabel(7320, 3720, 495, 495, " =", kSignFont)),
      Label6(this, "Label6", whiteLabel(4320, 4080, 3615, 735, kLine, kLineFont)),
      Text5(this, "Text5", digitBox(4800, 4680, 2)),
      Text4(this, "Text4", digitBox(6000, 4680, 1)),
      Image1(this, "Image1", fl::neutralFace(8160, 4680)),
      Image2(this, "Image2", fl::happyFace(8160, 4680)),
      Image3(this, "Image3", fl::sadFace(8160, 4680)),
      Label14(this, "Label14", fl::scoreCaption("ESATTI", 6240, 6480, 1455, 495)),
      Label15(this, "Label15", fl::scoreValue(7920, 6360, 615, 495)),
      Label18(this, "Label18", fl::scoreCaption("SU", 8760, 6480, 615, 615)),
      Label19(this, "Label19", fl::scoreValue(9480, 6360, 735, 615)),
      Label11(this, "Label11", fl::newProblemHotspot()),
      Label12(this, "Label12", fl::exitHotspot()),
      Image4(this, "Image4", fl::backPicture()),
      Label16(this, "Label16", fl::creditFooter()) {
    Label11.onClick = [this] { Label11_Click(); };
    Text4.onKeyPress = [this](int& keyAscii) { Text4_KeyPress(keyAscii); };
    Text4.onKeyUp = [this](int keyCode, int shift) { Text4_KeyUp(keyCode, shift); };
    Text5.onKeyPress = [this](int& keyAscii) { Text5_KeyPress(keyAscii); };
    Text5.onKeyUp = [this](int keyCode, int shift) { Text5_KeyUp(keyCode, shift); };
    Label16.onClick = [this] { Label16_Click(); };
}

// Form9's board with the carry, on pink: everything from the headers to
// the boxes a little higher, the faces a little right, a larger hotspot.
Form10::Form10()
    : Multiplication(
          "Form10",
          {.caption =
               "tevo - Aritmetica cl. II     MOLTIPLICAZIONE IN COLONNA CON CAMBIO  (prodotto entro 99 )",
           .backColor = 0xffc0ff,
           .picture = fl::kBlackboard},
          {Image1, Image2, Image3, Label15, Label19, Label11, Label12, Image5,
           frame::Restart::Past99WithScore},
          {Text4, Text5, Label11}, {Label8, Label9, Label10}, Carry::With),
      Label1(this, "Label1", whiteLabel(0, 480, 11895, 495, kTitle, kTitleFont, ui::Align::Centre)),
      Label2(this, "Label2", columnHeader(5040, 1440, 495, 495, "da", ui::kRed, kHeaderFont)),
      Label3(this, "Label3", columnHeader(6360, 1440, 495, 495, "u", kDarkBlue, kHeaderFont)),
      Label8(this, "Label8", digitCell(4800, 1920, 1095, 1095)),
      Label9(this, "Label9", digitCell(6000, 1920, 1095, 1095)),
      Label4(this, "Label4", whiteLabel(7320, 2400, 495, 495, " x", kSignFont)),
      Label10(this, "Label10", digitCell(6000, 3120, 1095, 1095)),
      Label5(this, "Label5", whiteLabel(7320, 3600, 495, 495, " =", kSignFont)),
      Label6(this, "Label6", whiteLabel(4320, 3960, 3615, 735, kLine, kLineFont)),
      Text5(this, "Text5", digitBox(4800, 4560, 2)),
      Text4(this, "Text4", digitBox(6000, 4560, 1)),
      Image1(this, "Image1", fl::neutralFace(8280, 4560)),
      Image2(this, "Image2", fl::happyFace(8280, 4560)),
      Image3(this, "Image3", fl::sadFace(8280, 4560)),
      Label14(this, "Label14", fl::scoreCaption("ESATTI", 6240, 6480, 1455, 495)),
      Label15(this, "Label15", fl::scoreValue(7920, 6360, 615, 495)),
      Label18(this, "Label18", fl::scoreCaption("SU", 8760, 6480, 615, 615)),
      Label19(this, "Label19", fl::scoreValue(9480, 6360, 735, 615)),
      Label11(this, "Label11", fl::newProblemHotspot(1800, 7200, 975, 855)),
      Label12(this, "Label12", fl::exitHotspot()),
      Image5(this, "Image5", fl::backPicture()),
      Label7(this, "Label7", fl::creditFooter()) {
    Label11.onClick = [this] { Label11_Click(); };
    Text4.onKeyPress = [this](int& keyAscii) { Text4_KeyPress(keyAscii); };
    Text4.onKeyUp = [this](int keyCode, int shift) { Text4_KeyUp(keyCode, shift); };
    Text5.onKeyPress = [this](int& keyAscii) { Text5_KeyPress(keyAscii); };
    Text5.onKeyUp = [this](int keyCode, int shift) { Text5_KeyUp(keyCode, shift); };
}

}  // namespace columns
