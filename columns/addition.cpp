#include "columns/addition.h"

#include <cmath>

#include "ui/text.h"

namespace columns {

namespace {

using frame::layout::whiteLabel;
using namespace layout;
namespace fl = frame::layout;

const ui::Font kHeaderFont{"MS Sans Serif", 13.5, false, true};

const ui::ScreenRegistration<Form4> kForm4{"Form4"};
const ui::ScreenRegistration<Form6> kForm6{"Form6"};

}  // namespace

Addition::Addition(std::string formName, const ui::ScreenProps& design, const Roles& roles,
                   const Boxes& boxes, const Cells& cells, Carry carry)
    : ColumnExercise(std::move(formName), design, roles, boxes, kAdditionProtocol),
      cells_(cells),
      carry_(carry) {}

void Addition::askProblem() {
    startAnswer();
    upa = dapa = usa = dasa = us = das = ui::Variant();
    for (ui::Label* cell :
         {&cells_.tensOfFirst, &cells_.unitsOfFirst, &cells_.tensOfSecond, &cells_.unitsOfSecond}) {
        cell->caption.clear();
    }
    countProblem();
    random().reseedFromClock();
    drawProblem();
    cells_.tensOfFirst.caption = dapa.text();
    cells_.unitsOfFirst.caption = upa.text();
    cells_.tensOfSecond.caption = dasa.text();
    cells_.unitsOfSecond.caption = usa.text();
}

void Addition::drawProblem() {
    for (;;) {
        pa = std::floor(random().next() * 99 + 10);
        sa = std::floor(random().next() * 99 + 1);
        s = pa.number() + sa.number();
        if (s.number() > 99) continue;
        lpa = pa.length();
        lsa = sa.length();
        ls = s.length();
        upa = ui::lastCharacter(pa.text());
        dapa = ui::characterBeforeLast(pa.text());
        usa = ui::lastCharacter(sa.text());
        dasa = lsa.number() > 1 ? ui::Variant(ui::characterBeforeLast(sa.text())) : ui::Variant();
        us = ui::lastCharacter(s.text());
        das = ui::characterBeforeLast(s.text());
        double units = upa.number() + usa.number();
        bool carries = units > 9;
        if (carries == (carry_ == Carry::With)) return;
    }
}

// "ESEGUI  LA  SEGUENTE  ADDIZIONE  IN  COLONNA", the addends in the "da" and
// "u" columns with the plus sign at the right of the upper row, the line,
// the answer boxes under it, and the faces at the right of the boxes.
Form4::Form4()
    : Addition("Form4",
               {.caption = "tevo - Aritmetica cl. II     ADDIZIONI IN COLONNA SENZA CAMBIO  ( entro 99 )",
                .backColor = 0xc0c0ff,
                .picture = fl::kBlackboard},
               {Image1, Image2, Image3, Label15, Label19, Label6, Label9, Image5, frame::Restart::Past99},
               {Text6, Text5, Label6}, {Label3, Label11, Label12, Label13}, Carry::Without),
      Label1(this, "Label1",
             whiteLabel(120, 360, 11655, 375, "ESEGUI  LA  SEGUENTE  ADDIZIONE  IN  COLONNA", kTitleFont,
                        ui::Align::Centre)),
      Label8(this, "Label8", columnHeader(6120, 840, 615, 495, "da", ui::kRed, kHeaderFont)),
      Label7(this, "Label7", columnHeader(7320, 840, 615, 495, "u", kDarkBlue, kHeaderFont)),
      Label4(this, "Label4", whiteLabel(8280, 1320, 615, 615, " +", kSignFont)),
      Label3(this, "Label3", digitCell(5880, 1440)),
      Label11(this, "Label11", digitCell(7080, 1440)),
      Label12(this, "Label12", digitCell(5880, 2640)),
      Label13(this, "Label13", digitCell(7080, 2640)),
      Label5(this, "Label5", whiteLabel(8280, 2520, 615, 495, " =", kSignFont)),
      Label2(this, "Label2",
             whiteLabel(5280, 3720, 3495, 375, "--------------------------------------------------------",
                        kTitleFont)),
      Text5(this, "Text5", digitBox(5880, 4080, 3)),
      Text6(this, "Text6", digitBox(7080, 4080, 2)),
      Image1(this, "Image1", fl::neutralFace(9360, 4080)),
      Image2(this, "Image2", fl::happyFace(9360, 4080)),
      Image3(this, "Image3", fl::sadFace(9360, 4080)),
      Label14(this, "Label14", fl::scoreCaption("ESATTI", 6480, 6360, 1455, 495)),
      Label15(this, "Label15", fl::scoreValue(8160, 6240, 615, 495)),
      Label18(this, "Label18", fl::scoreCaption("SU", 9000, 6360, 615, 615)),
      Label19(this, "Label19", fl::scoreValue(9720, 6240, 735, 615)),
      Label6(this, "Label6", fl::newProblemHotspot()),
      Label9(this, "Label9", fl::exitHotspot()),
      Image5(this, "Image5", fl::backPicture()),
      Label10(this, "Label10", fl::creditFooter()) {
    Label6.onClick = [this] { Label6_Click(); };
    Text6.onKeyPress = [this](int& keyAscii) { Text6_KeyPress(keyAscii); };
    Text6.onKeyUp = [this](int keyCode, int shift) { Text6_KeyUp(keyCode, shift); };
    Text5.onKeyPress = [this](int& keyAscii) { Text5_KeyPress(keyAscii); };
    Text5.onKeyUp = [this](int keyCode, int shift) { Text5_KeyUp(keyCode, shift); };
}

// Form4's board with the carry: the tens cell of the upper row and the
// footer swap names, the headers are centred, the faces sit a little left.
Form6::Form6()
    : Addition("Form6",
               {.caption = "tevo - Aritmetica cl. II     ADDIZIONI IN COLONNA CON CAMBIO  ( entro 99 )",
                .backColor = 0xc0c0ff,
                .picture = fl::kBlackboard},
               {Image1, Image2, Image3, Label15, Label19, Label6, Label9, Image4, frame::Restart::Past99},
               {Text6, Text5, Label6}, {Label10, Label11, Label12, Label13}, Carry::With),
      Label1(this, "Label1",
             whiteLabel(120, 360, 11655, 375, "ESEGUI  LA  SEGUENTE  ADDIZIONE  IN  COLONNA", kTitleFont,
                        ui::Align::Centre)),
      Label8(this, "Label8",
             columnHeader(6000, 840, 615, 495, "da", ui::kRed, kHeaderFont, ui::Align::Centre)),
      Label7(this, "Label7",
             columnHeader(7200, 840, 615, 495, "u", kDarkBlue, kHeaderFont, ui::Align::Centre)),
      Label4(this, "Label4", whiteLabel(8280, 1320, 615, 615, " +", kSignFont)),
      Label10(this, "Label10", digitCell(5880, 1440)),
      Label11(this, "Label11", digitCell(7080, 1440)),
      Label12(this, "Label12", digitCell(5880, 2640)),
      Label13(this, "Label13", digitCell(7080, 2640)),
      Label5(this, "Label5", whiteLabel(8280, 2520, 615, 495, " =", kSignFont)),
      Label2(this, "Label2",
             whiteLabel(5280, 3720, 3495, 375, "--------------------------------------------------------",
                        kTitleFont)),
      Text5(this, "Text5", digitBox(5880, 4080, 3)),
      Text6(this, "Text6", digitBox(7080, 4080, 2)),
      Image1(this, "Image1", fl::neutralFace(9120, 4080)),
      Image2(this, "Image2", fl::happyFace(9120, 4080)),
      Image3(this, "Image3", fl::sadFace(9120, 4080)),
      Label14(this, "Label14", fl::scoreCaption("ESATTI", 6480, 6360, 1455, 495)),
      Label15(this, "Label15", fl::scoreValue(8160, 6240, 615, 495)),
      Label18(this, "Label18", fl::scoreCaption("SU", 9000, 6360, 615, 615)),
      Label19(this, "Label19", fl::scoreValue(9720, 6240, 735, 615)),
      Label6(this, "Label6", fl::newProblemHotspot()),
      Label9(this, "Label9", fl::exitHotspot(3240, 7440, 735, 615)),
      Image4(this, "Image4", fl::backPicture()),
      Label3(this, "Label3", fl::creditFooter()) {
    Label6.onClick = [this] { Label6_Click(); };
    Text6.onKeyPress = [this](int& keyAscii) { Text6_KeyPress(keyAscii); };
    Text6.onKeyUp = [this](int keyCode, int shift) { Text6_KeyUp(keyCode, shift); };
    Text5.onKeyPress = [this](int& keyAscii) { Text5_KeyPress(keyAscii); };
    Text5.onKeyUp = [this](int keyCode, int shift) { Text5_KeyUp(keyCode, shift); };
}

}  // namespace columns
