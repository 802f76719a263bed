#include "numbers99/counting.h"

#include <algorithm>
#include <cmath>

#include "numbers99/counting_dialog.h"
#include "ui/text.h"

namespace numbers99 {

namespace {

const ui::ScreenRegistration<Form2> kRegistration{"Form2"};

using frame::layout::whiteLabel;

const ui::Font kTitleFont{"MS Sans Serif", 18, true};
const ui::Font kChoiceFont{"MS Sans Serif", 9.75, true};
const ui::Font kHeadingFont{"MS Sans Serif", 12, true};
const ui::Font kNumberFont{"MS Sans Serif", 18, true};
const ui::Font kRowFont{"Courier New", 36, true};

ui::Props hand(ui::Props props) {
    props.pointer = ui::Pointer::Hand;
    return props;
}

// The row of boxes: Text1 shows the first number, box k (Text2 ... Text10)
// takes the k-th number of the sequence.
ui::Props rowBox(int k, ui::Pointer pointer = ui::Pointer::Pen) {
    return frame::layout::answerBox(720 + 1080 * (k - 1), 3600, 975, 1095, kRowFont, k + 1, pointer);
}

}  // namespace

Form2::Form2()
    : ExerciseFrame("Form2",
                    {.caption = "tevo - Aritmetica cl. II     NUMERAZIONI ( entro 99 )",
                     .backColor = 0xffffc0,
                     .picture = frame::layout::kBlackboard},
                    {Image1, Image2, Image3, Label15, Label19, Label6, Label9, Image5,
                     frame::Restart::Past99WithScore}),
      Label1(this, "Label1", whiteLabel(0, 360, 11895, 375, " NUMERAZIONI", kTitleFont, ui::Align::Centre)),
      Label16(this, "Label16", hand(whiteLabel(1080, 1200, 2415, 375, "CASUALE  ENTRO  99", kChoiceFont))),
      Label17(this, "Label17", hand(whiteLabel(3960, 1200, 1335, 375, " A  SCELTA ", kChoiceFont))),
      Label8(this, "Label8", whiteLabel(5280, 1200, 1815, 375, "ENTRO (max 99)", kChoiceFont)),
      Text16(this, "Text16", frame::layout::answerBox(7200, 1080, 735, 555, kNumberFont, 0)),
      Label7(this, "Label7", whiteLabel(8160, 1200, 615, 375, "PER", kChoiceFont)),
      Text15(this, "Text15", frame::layout::answerBox(8880, 1080, 735, 555, kNumberFont, 1)),
      Label5(this, "Label5",
             hand(whiteLabel(4440, 1920, 3135, 255, "CAMBIA NUMERAZIONE", kChoiceFont, ui::Align::Centre))),
      Label2(this, "Label2", whiteLabel(3240, 3000, 1935, 375, "NUMERA PER", kHeadingFont)),
      Label11(this, "Label11", whiteLabel(5280, 2880, 735, 495, "", kNumberFont)),
      Label3(this, "Label3", whiteLabel(6480, 3000, 495, 255, "DA", kHeadingFont)),
      Label12(this, "Label12", whiteLabel(7320, 2880, 735, 495, "", kNumberFont)),
      Label4(this, "Label4", whiteLabel(8160, 3000, 375, 255, " A", kHeadingFont)),
      Label13(this, "Label13", whiteLabel(9000, 2880, 735, 495, "", kNumberFont)),
      Text1(this, "Text1", rowBox(1, ui::Pointer::Arrow)),
      Text2(this, "Text2", rowBox(2)),
      Text3(this, "Text3", rowBox(3)),
      Text4(this, "Text4", rowBox(4)),
      Text5(this, "Text5", rowBox(5)),
      Text6(this, "Text6", rowBox(6)),
      Text7(this, "Text7", rowBox(7)),
      Text8(this, "Text8", rowBox(8)),
      Text9(this, "Text9", rowBox(9)),
      Text10(this, "Text10", rowBox(10)),
      Image1(this, "Image1", frame::layout::neutralFace(10320, 5040)),
      Image2(this, "Image2", frame::layout::happyFace(10320, 5040)),
      Image3(this, "Image3", frame::layout::sadFace(10320, 5040)),
      Label14(this, "Label14", frame::layout::scoreCaption("ESATTI", 6600, 6360, 1455, 495)),
      Label15(this, "Label15", frame::layout::scoreValue(8280, 6240, 615, 495)),
      Label18(this, "Label18", frame::layout::scoreCaption("SU", 9120, 6360, 615, 615)),
      Label19(this, "Label19", frame::layout::scoreValue(9840, 6240, 735, 615)),
      Label6(this, "Label6", frame::layout::newProblemHotspot(1800, 7320, 855, 735)),
      Label9(this, "Label9", frame::layout::exitHotspot(3240, 7440, 735, 615)),
      Image5(this, "Image5", frame::layout::backPicture()),
      Label20(this, "Label20", frame::layout::creditFooter()) {
    Label16.onMouseMove = [this](const ui::MouseEvent&) { Label16_MouseMove(); };
    Label17.onMouseMove = [this](const ui::MouseEvent&) { Label17_MouseMove(); };
    Label16.onClick = [this] { Label16_Click(); };
    Label17.onClick = [this] { Label17_Click(); };
    Text16.onKeyPress = [this](int& keyAscii) { Text16_KeyPress(keyAscii); };
    Text15.onKeyPress = [this](int& keyAscii) { Text15_KeyPress(keyAscii); };
    Label5.onClick = [this] { Label5_Click(); };
    Label6.onClick = [this] { Label6_Click(); };
    Text2.onKeyPress = [this](int& keyAscii) { Text2_KeyPress(keyAscii); };
    Text3.onKeyPress = [this](int& keyAscii) { Text3_KeyPress(keyAscii); };
    Text4.onKeyPress = [this](int& keyAscii) { Text4_KeyPress(keyAscii); };
    Text5.onKeyPress = [this](int& keyAscii) { Text5_KeyPress(keyAscii); };
    Text6.onKeyPress = [this](int& keyAscii) { Text6_KeyPress(keyAscii); };
    Text7.onKeyPress = [this](int& keyAscii) { Text7_KeyPress(keyAscii); };
    Text8.onKeyPress = [this](int& keyAscii) { Text8_KeyPress(keyAscii); };
    Text9.onKeyPress = [this](int& keyAscii) { Text9_KeyPress(keyAscii); };
    Text10.onKeyPress = [this](int& keyAscii) { Text10_KeyPress(keyAscii); };
    Text2.onKeyUp = [this](int keyCode, int shift) { Text2_KeyUp(keyCode, shift); };
    Text3.onKeyUp = [this](int keyCode, int shift) { Text3_KeyUp(keyCode, shift); };
    Text4.onKeyUp = [this](int keyCode, int shift) { Text4_KeyUp(keyCode, shift); };
    Text5.onKeyUp = [this](int keyCode, int shift) { Text5_KeyUp(keyCode, shift); };
    Text6.onKeyUp = [this](int keyCode, int shift) { Text6_KeyUp(keyCode, shift); };
    Text7.onKeyUp = [this](int keyCode, int shift) { Text7_KeyUp(keyCode, shift); };
    Text8.onKeyUp = [this](int keyCode, int shift) { Text8_KeyUp(keyCode, shift); };
    Text9.onKeyUp = [this](int keyCode, int shift) { Text9_KeyUp(keyCode, shift); };
    Text10.onKeyUp = [this](int keyCode, int shift) { Text10_KeyUp(keyCode, shift); };
}

ui::Counter16& Form2::controllo(int k) {
    std::array<ui::Counter16*, 9> counters = {&controllo2, &controllo3, &controllo4, &controllo5, &controllo6,
                                              &controllo7, &controllo8, &controllo9, &controllo10};
    return *counters.at(static_cast<std::size_t>(k - 2));
}

void Form2::forEachAnswerBox(const std::function<void(ui::TextBox&)>& action) {
    for (int k = 2; k <= 10; ++k) action(*caselle[static_cast<std::size_t>(k)]);
}

void Form2::emptyRow() {
    for (ui::TextBox* box :
         {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9, &Text10}) {
        box->text.clear();
    }
}

bool Form2::holdsStep() const {
    return ui::readNumber(Text15.text) >= 1;
}

void Form2::Form_Load() {
    ExerciseFrame::Form_Load();
    Label7.visible = false;
    Label8.visible = false;
    Text15.visible = false;
    Text16.visible = false;
    Text15.enabled = false;
    Text16.enabled = false;
    Label6.enabled = false;
    caselle = {nullptr, nullptr, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9, &Text10};
    forEachAnswerBox([](ui::TextBox& box) { box.enabled = false; });
    Text1.enabled = false;
}

void Form2::Form_MouseMove(const ui::MouseEvent&) {
    Label16.borderStyle = 0;
    Label17.borderStyle = 0;
}

void Form2::Label16_Click() {
    Label16.enabled = false;
    Label17.enabled = false;
    emptyRow();
    Label7.visible = false;
    Label8.visible = false;
    Text15.visible = false;
    Text16.visible = false;
    Text15.tabStop = false;
    Text16.tabStop = false;
    // The row waits, closed, for the first problem: boxes an earlier problem
    // or series opened would judge keys against numbers no longer shown.
    forEachAnswerBox([](ui::TextBox& box) {
        box.visible = true;
        box.enabled = false;
    });
    Text15.text.clear();
    Text16.text.clear();
    Label6.enabled = true;
    scelta = kRandom;
}

void Form2::Label17_Click() {
    Label16.enabled = false;
    Label17.enabled = false;
    emptyRow();
    Label7.visible = true;
    Label8.visible = true;
    Text15.visible = true;
    Text16.visible = true;
    Text16.enabled = true;
    Label6.enabled = false;
    scelta = kChosen;
}

void Form2::Text16_KeyPress(int& keyAscii) {
    digitFilter(keyAscii);
    if (keyAscii == 0) Text15.enabled = false;
    emptyRow();
    if (ui::textLength(Text16.text) >= 2) Text16.text.clear();
    if (keyAscii != 0) Text15.enabled = true;
}

void Form2::Text15_KeyPress(int& keyAscii) {
    digitFilter(keyAscii);
    forEachAnswerBox([](ui::TextBox& box) {
        box.visible = true;
        box.enabled = false;
    });
    emptyRow();
    if (!Text15.text.empty()) Text15.text.clear();
    if (keyAscii >= '1' && keyAscii <= '9') {
        Text15.enabled = false;
        Text16.enabled = false;
        Label6.enabled = true;
    } else {
        // There is no counting by 0: the box stays open for a step 1 to 9.
        Label6.enabled = false;
    }
    esercizio2 = 0;
}

void Form2::Label5_Click() {
    emptyRow();
    Text15.text.clear();
    Text16.text.clear();
    Label11.caption.clear();
    Label12.caption.clear();
    Label13.caption.clear();
    Text16.enabled = true;
    Label16.enabled = true;
    Label17.enabled = true;
}

void Form2::Label6_Click() {
    // "CAMBIA NUMERAZIONE" may have emptied the step of a series that is
    // still the current mode: no series is counted by 0.
    if (scelta == kChosen && !holdsStep()) return;
    if (scelta == kRandom) Label6.enabled = false;
    setFeedback(frame::Feedback::Neutral);
    punteggio = 0;
    for (int k = 2; k <= 10; ++k) controllo(k) = 0;
    // The request that ends a series asks no problem, so it gives the score
    // back as it found it, also where counting it restarted the score.
    const Score before{esercizio, esatto, errato};
    countProblem();
    if (scelta == kChosen) forEachAnswerBox([](ui::TextBox& box) { box.visible = false; });
    if (scelta == kRandom) drawRandomSequence();
    if (scelta == kChosen) {
        drawFromSeries();
        if (esercizio2 > possibile + 1) seriesExhausted(before);
    }
}

void Form2::drawRandomSequence() {
    forEachAnswerBox([](ui::TextBox& box) { box.enabled = false; });
    emptyRow();
    random().reseedFromClock();
    int s = static_cast<int>(std::floor(random().next() * 9 + 2));
    nin1 = std::floor((100 - 9 * s) * random().next());
    for (int i = 1; i <= 9; ++i) attesi[static_cast<std::size_t>(i)] = nin1.number() + i * s;
    Text1.text = nin1.text();
    Text2.enabled = true;
    Label11.caption = ui::numberText(static_cast<long long>(s));
    Label12.caption = nin1.text();
    Label13.caption = attesi[9].text();
}

void Form2::drawFromSeries() {
    emptyRow();
    random().reseedFromClock();
    prg = ui::readNumber(Text15.text);
    possibile = static_cast<int>(ui::readNumber(Text16.text) - prg.number());
    esercizio2 += 1;
    int p = esercizio2;
    if (p == 1) buildSeries();
    // The request after the last start number only ends the series: the row
    // stays empty behind the dialog, whatever an earlier series left here.
    if (p > possibile + 1 || p >= kPositions) return;
    auto at = static_cast<std::size_t>(p);
    int boxes = quante[at];
    for (int k = 2; k <= boxes + 1; ++k) caselle[static_cast<std::size_t>(k)]->visible = true;
    Text1.text = partenze[at].text();
    Text2.enabled = true;
    Label11.caption = prg.text();
    Label12.caption = partenze[at].text();
    attesi[at] = boxes * prg.number() + partenze[at].number();
    Label13.caption = attesi[at].text();
    for (int i = 1; i <= boxes; ++i)
        sequenze[at][static_cast<std::size_t>(i)] = i * prg.number() + partenze[at].number();
}

void Form2::buildSeries() {
    int n = std::min<int>(possibile + 1, kPositions - 1);
    double limit = ui::readNumber(Text16.text);
    auto at = [](int i) { return static_cast<std::size_t>(i); };
    for (int i = 1; i <= n; ++i) ordine[at(i)] = 0;
    for (int i = 1; i <= n; ++i) chiave[at(i)] = std::floor(random().next() * 10000);
    // The rank of a key is the number of keys above it; equal keys rank in
    // the order of their positions, so every start number comes once.
    for (int i = 1; i <= n; ++i) {
        for (int j = n; j >= 1; --j) {
            double other = chiave[at(j)].number(), own = chiave[at(i)].number();
            if (other > own || (other == own && j < i)) ordine[at(i)] = ordine[at(i)].number() + 1;
        }
    }
    for (int i = 1; i <= n; ++i) {
        partenze[at(i)] = ordine[at(i)];
        quante[at(i)] =
            std::min(9, static_cast<int>(std::floor((limit - partenze[at(i)].number()) / prg.number())));
    }
}

void Form2::seriesExhausted(const Score& before) {
    Label11.caption.clear();
    Label12.caption.clear();
    Label13.caption.clear();
    esercizio2 = 0;
    Label5.enabled = true;
    enabled = false;
    esercizio = before.esercizio;
    esatto = before.esatto;
    errato = before.errato;
    show<Form19>();
}

ui::Variant Form2::expected(int k) const {
    auto box = static_cast<std::size_t>(k - 1);
    if (scelta == kChosen)
        return sequenze[static_cast<std::size_t>(std::clamp<int>(esercizio2, 0, kPositions - 1))][box];
    return attesi[box];
}

void Form2::answerKeyPress(int k, int& keyAscii) {
    ui::TextBox& box = *caselle[static_cast<std::size_t>(k)];
    // A key typed into a full box starts a new answer.
    if (scelta == kRandom && ui::textLength(box.text) >= expected(k).length()) box.text.clear();
    digitFilter(keyAscii);
    if (scelta == kChosen && ui::textLength(box.text) >= expected(k).length()) box.text.clear();
    setFeedback(frame::Feedback::Neutral);
}

void Form2::answerKeyUp(int k) {
    ui::TextBox& box = *caselle[static_cast<std::size_t>(k)];
    ui::Variant e = expected(k);
    bool complete = ui::textLength(box.text) == e.length();
    bool right = complete && ui::readNumber(box.text) == e.number();
    bool wrong = complete && !right;
    ui::Counter16& counter = controllo(k);
    auto openNextBox = [&] {
        ui::TextBox& next = *caselle[static_cast<std::size_t>(k + 1)];
        next.enabled = true;
        if (next.visible) advanceFocus();
    };

    if (scelta == kRandom) {
        if (k == 10) Label6.enabled = true;
        if (complete) counter += 1;
        if (right) {
            if (counter == 1) punteggio += 1;
            markRight(box);
            if (k < 10) {
                openNextBox();
            } else if (counter == 1 && punteggio == 9) {
                esatto += 1;
                showScore();
                setFeedback(frame::Feedback::Right);
            }
        }
        if (wrong) markWrong(box);
        if (k == 10 && complete && punteggio != 9) {
            showSu();
            setFeedback(frame::Feedback::Wrong);
        }
        return;
    }

    if (scelta != kChosen) return;
    if (complete) counter += 1;
    if (right) {
        if (counter == 1) punteggio += 1;
        markRight(box);
        if (k < 10) openNextBox();
    }
    if (wrong) markWrong(box);
    if (quante[static_cast<std::size_t>(std::clamp<int>(esercizio2, 0, kPositions - 1))] != k - 1) return;
    Label6.enabled = true;
    // "SU" follows its own timing for each last box.
    bool exerciseRight = complete && counter == 1 && punteggio == k - 1;
    if (k != 7 && k != 10) showSu();
    if (k == 10 && wrong) showSu();
    if (exerciseRight) {
        esatto += 1;
        showEsatti();
        if (k == 7 || k == 10) showSu();
        setFeedback(frame::Feedback::Right);
    }
}

}  // namespace numbers99
