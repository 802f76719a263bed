#include "multiplication/tables.h"

#include <cmath>

#include "multiplication/tables_dialog.h"
#include "ui/screen_registry.h"
#include "ui/text.h"

namespace multiplication {

namespace {

const ui::ScreenRegistration<Form8> kRegistration{"Form8"};

namespace layout = frame::layout;

const ui::Font kTitleFont{"MS Sans Serif", 24, true};
const ui::Font kChoiceFont{"MS Sans Serif", 9.75, true};
const ui::Font kSignFont{"MS Sans Serif", 24, true};
const ui::Font kFactorFont{"Courier New", 48, true};
const ui::Font kTableNumberFont{"MS Sans Serif", 18, true};

ui::Props clickable(ui::Props props) {
    props.pointer = ui::Pointer::Hand;
    return props;
}

ui::Props factor(int left) {
    return layout::whiteLabel(left, 3240, 1335, 1335, "", kFactorFont, ui::Align::Centre);
}

ui::Props sign(int left, const char* caption) {
    return layout::whiteLabel(left, 3600, 615, 615, caption, kSignFont);
}

std::string shown(float number) {
    return ui::numberText(static_cast<double>(number));
}

}  // namespace

void rankKeys(const std::array<float, kOrderSlots>& chiave, std::array<ui::Variant, kOrderSlots>& ordine) {
    for (int i = 0; i < kFactsInTable; ++i) {
        for (int j = 0; j < kFactsInTable; ++j) {
            if (i == j) continue;
            bool after = chiave[i] > chiave[j] || (chiave[i] == chiave[j] && i > j);
            if (after) ordine[i] = ordine[i].number() + 1;
        }
    }
}

Form8::Form8()
    : ExerciseFrame("Form8",
                    {.caption = "tevo - Aritmetica cl. II     TABELLINE DI PRODOTTI   ( entro 81 )",
                     .backColor = 0xc0ffc0,
                     .picture = layout::kBlackboard},
                    {Image1, Image2, Image3, Label15, Label19, Label5, Label6, Image4, frame::Restart::At99}),
      Label1(this, "Label1",
             layout::whiteLabel(240, 480, 11415, 615, "CALCOLA", kTitleFont, ui::Align::Centre)),
      Label9(this, "Label9",
             clickable(layout::whiteLabel(2280, 1800, 2775, 375, "Tabelline casuali entro 9", kChoiceFont))),
      Label10(this, "Label10",
              clickable(layout::whiteLabel(7440, 1800, 1575, 375, "Tabellina del", kChoiceFont))),
      Label4(this, "Label4", factor(1800)),
      Label2(this, "Label2", sign(3240, " X")),
      Label8(this, "Label8", factor(4320)),
      Label3(this, "Label3", sign(6120, " =")),
      Image1(this, "Image1", layout::neutralFace(9120, 3360)),
      Image2(this, "Image2", layout::happyFace(9120, 3360)),
      Image3(this, "Image3", layout::sadFace(9120, 3360)),
      Label14(this, "Label14", layout::scoreCaption("ESATTI", 6480, 6360, 1455, 495)),
      Label15(this, "Label15", layout::scoreValue(8160, 6240, 615, 495)),
      Label18(this, "Label18", layout::scoreCaption("SU", 9000, 6360, 615, 615)),
      Label19(this, "Label19", layout::scoreValue(9720, 6240, 735, 615)),
      Label5(this, "Label5", layout::newProblemHotspot()),
      Label6(this, "Label6", layout::exitHotspot()),
      Image4(this, "Image4", layout::backPicture()),
      Label12(this, "Label12", layout::creditFooter()),
      Text5(this, "Text5", layout::answerBox(9120, 1560, 495, 615, kTableNumberFont, 2)),
      Text3(this, "Text3", layout::answerBox(7080, 3240, 1335, 1335, kFactorFont, 1)) {
    Label9.onClick = [this] { Label9_Click(); };
    Label10.onClick = [this] { Label10_Click(); };
    Label5.onClick = [this] { Label5_Click(); };
    Text5.onKeyPress = [this](int& keyAscii) { Text5_KeyPress(keyAscii); };
    Text3.onKeyPress = [this](int& keyAscii) { Text3_KeyPress(keyAscii); };
    Text3.onKeyUp = [this](int keyCode, int shift) { Text3_KeyUp(keyCode, shift); };
}

void Form8::Form_Load() {
    ExerciseFrame::Form_Load();
    Text3.enabled = false;
    Text5.enabled = false;
    Label5.enabled = false;
}

void Form8::Label9_Click() {
    scelta = kRandomFacts;
    Label4.caption.clear();
    Label8.caption.clear();
    Text3.text.clear();
    Text3.enabled = false;
    Label10.enabled = false;
    Text5.enabled = false;
    Label5.enabled = true;
}

void Form8::Label10_Click() {
    scelta = kOneTable;
    Label4.caption.clear();
    Label8.caption.clear();
    Text3.text.clear();
    Text3.enabled = false;
    Label9.enabled = false;
    Label10.enabled = false;
    Text5.enabled = true;
}

void Form8::Text5_KeyPress(int& keyAscii) {
    singleDigitKeyPress(Text5, keyAscii);
    if (keyAscii != 0) Label5.enabled = true;
}

void Form8::Label5_Click() {
    Label5.enabled = false;
    Label9.enabled = false;
    Label10.enabled = false;
    Text3.enabled = true;
    Text5.enabled = false;
    setFeedback(frame::Feedback::Neutral);
    Label4.caption.clear();
    Text3.text.clear();
    countProblem();
    conteggio = 0;
    random().reseedFromClock();

    if (scelta == kOneTable) {
        conteggio2 += 1;
        if (conteggio2 == 1) shuffle();
        for (int i = 0; i < kFactsInTable; ++i) {
            if (ordine[i].isEmpty()) ordine[i] = 0;
        }
    }
    if (scelta == kRandomFacts) {
        md = std::floor(random().next() * 9);
        tabellina = 9;
        mt = std::floor(random().next() * tabellina);
    }
    if (scelta == kOneTable) {
        const ui::Variant& first = ordine[static_cast<std::size_t>(numerotabelline)];
        mt = ui::readNumber(Text5.text);
        pt = mt.number() * first.number();
        lpt = static_cast<float>(pt.length());
        Label4.caption = first.text();
        Label8.caption = mt.text();
        numerotabelline += 1;
    }
    if (numerotabelline > kFactsInTable) tableExhausted();
    if (scelta == kRandomFacts) {
        pt = mt.number() * md;
        lpt = static_cast<float>(pt.length());
        Label4.caption = shown(md);
        Label8.caption = mt.text();
    }
    advanceFocus();
}

void Form8::shuffle() {
    for (int i = 0; i < kFactsInTable; ++i)
        chiave[i] = static_cast<float>(std::floor(random().next() * 100000));
    rankKeys(chiave, ordine);
}

void Form8::tableExhausted() {
    numerotabelline = 0;
    Label4.caption.clear();
    Label8.caption.clear();
    Text3.text.clear();
    enabled = false;
    // This request asked for no fact: take its count back, across the
    // restart at 99 too, so "SU" never shows -1.
    if (esercizio == 0) {
        esercizio = 98;
    } else {
        esercizio -= 1;
    }
    // The answer box stays open after "SÌ" and judges against the empty
    // slot's 0; that is no fact of the table, so it must not score.
    conteggio = 1;
    show<Form21>();
}

void Form8::Text3_KeyPress(int& keyAscii) {
    digitFilter(keyAscii);
    // A full box starts a new answer with whatever key comes next.
    if (static_cast<float>(ui::textLength(Text3.text) + 1) > lpt) Text3.text.clear();
}

void Form8::Text3_KeyUp(int /*keyCode*/, int /*shift*/) {
    if (scelta == kRandomFacts) {
        Label5.enabled = true;
        Label9.enabled = true;
        Label10.enabled = true;
    } else if (scelta == kOneTable) {
        // A table once started is run to its end before the mode can change.
        Label5.enabled = true;
    }
    if (static_cast<float>(ui::textLength(Text3.text)) != lpt) return;
    conteggio += 1;
    if (ui::readNumber(Text3.text) == pt.number()) {
        if (conteggio == 1) esatto += 1;
        showEsatti();
        setFeedback(frame::Feedback::Right);
        markRight(Text3);
    } else {
        if (conteggio == 1) errato += 1;
        setFeedback(frame::Feedback::Wrong);
        markWrong(Text3);
    }
    showSu();
}

}  // namespace multiplication
