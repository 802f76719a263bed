#include "abacus/building.h"

#include "abacus/module_menu.h"
#include "frame/exercise_frame.h"
#include "ui/text.h"

namespace abacus {

namespace {

const ui::ScreenRegistration<Form17> kRegistration{"Form17"};

constexpr AbacusLayout kAbacus{6120};
constexpr int kRangeTop = 840;
const std::array<RangeChoice, 11> kRange = abacusRangeRow("Label46");

ui::Props rangeAt(std::size_t i) {
    return rangeLabel(kRange[i], kRangeTop);
}

// Each colour: the place of its rod, its supply column, its bead pictures.
struct ColourInfo {
    Place place;
    int supplyLeft;
    const char* picture;
    const char* dragIcon;
};
constexpr std::array<ColourInfo, 4> kColours = {{
    {Place::Units, 10320, "bead-blue", "bead-blue-small"},
    {Place::Tens, 8520, "bead-red", "bead-red-small"},
    {Place::Hundreds, 2280, "bead-green", "bead-green-small"},
    {Place::Thousands, 720, "bead-yellow", "bead-yellow-small"},
}};
const ColourInfo& colourInfo(Colour colour) {
    return kColours[static_cast<std::size_t>(colour)];
}
// The control number of the colour's first bead: Image7, Image16, Image25, Image34.
constexpr int firstBead(Colour colour) {
    switch (colour) {
        case Colour::Blue:
            return 7;
        case Colour::Red:
            return 16;
        case Colour::Green:
            return 25;
        case Colour::Yellow:
            return 34;
    }
    return 0;
}
int rodLeft(Colour colour) {
    return AbacusLayout::info(colourInfo(colour).place).beadLeft;
}

// Slot 1 is the highest of a column; the yellow column has only its lowest.
int slotTop(Colour colour, int index) {
    return colour == Colour::Yellow ? 5400 : 1560 + kBeadStep * (index - 1);
}

ui::Props slot(Colour colour, int index) {
    return {.left = colourInfo(colour).supplyLeft,
            .top = slotTop(colour, index),
            .width = kBeadSize,
            .height = kBeadSize};
}

ui::Props bead(Colour colour, int index) {
    const ColourInfo& info = colourInfo(colour);
    return {.left = info.supplyLeft,
            .top = slotTop(colour, index),
            .width = kBeadSize,
            .height = kBeadSize,
            .pointer = ui::Pointer::Hand,
            .picture = info.picture,
            .stretch = true,
            .dragIcon = info.dragIcon,
            .accessibleName = beadName(info.place)};
}

// An invisible area over a rod, from 360 left of its line to 375 right of it.
ui::Props rodArea(Place place) {
    int x = AbacusLayout::info(place).rodX;
    return {.left = x - 360, .top = 1320, .width = 735, .height = 4815};
}

ui::Props digitDisplay(Place place) {
    return kAbacus.digit(place);
}

constexpr std::array<Colour, 4> kAllColours = {Colour::Blue, Colour::Red, Colour::Green, Colour::Yellow};

}  // namespace

Form17::Form17()
    : Screen("Form17", {.caption = moduleCaption(), .backColor = 0xe0e0e0, .picture = "blackboard"}),
      Label8(this, "Label8",
             boardLabel(0, 240, 11895, 495, "RAPPRESENTA SULL'ABACO IL NUMERO IN CIFRE E IN LETTERE ",
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
      Label46(this, kRange[10].name, rangeAt(10)),
      Line1(this, "Line1", kAbacus.baseLine()),
      Line5(this, "Line5", kAbacus.rod(Place::Thousands)),
      Line4(this, "Line4", kAbacus.rod(Place::Hundreds)),
      Line3(this, "Line3", kAbacus.rod(Place::Tens)),
      Line2(this, "Line2", kAbacus.rod(Place::Units)),
      Label51(this, "Label51", kAbacus.heading(Place::Thousands, "K")),
      Label5(this, "Label5", kAbacus.heading(Place::Hundreds, "h")),
      Label4(this, "Label4", kAbacus.heading(Place::Tens, "da")),
      Label3(this, "Label3", kAbacus.heading(Place::Units, "u")),
      Label50(this, "Label50", digitDisplay(Place::Thousands)),
      Label49(this, "Label49", digitDisplay(Place::Hundreds)),
      Label48(this, "Label48", digitDisplay(Place::Tens)),
      Label47(this, "Label47", digitDisplay(Place::Units)),
      Label53(this, "Label53", rodArea(Place::Thousands)),
      Label18(this, "Label18", rodArea(Place::Hundreds)),
      Label2(this, "Label2", rodArea(Place::Tens)),
      Label1(this, "Label1", rodArea(Place::Units)),
      Label19(this, "Label19", slot(Colour::Blue, 1)),
      Label20(this, "Label20", slot(Colour::Blue, 2)),
      Label21(this, "Label21", slot(Colour::Blue, 3)),
      Label22(this, "Label22", slot(Colour::Blue, 4)),
      Label23(this, "Label23", slot(Colour::Blue, 5)),
      Label24(this, "Label24", slot(Colour::Blue, 6)),
      Label25(this, "Label25", slot(Colour::Blue, 7)),
      Label26(this, "Label26", slot(Colour::Blue, 8)),
      Label27(this, "Label27", slot(Colour::Blue, 9)),
      Label28(this, "Label28", slot(Colour::Red, 1)),
      Label29(this, "Label29", slot(Colour::Red, 2)),
      Label30(this, "Label30", slot(Colour::Red, 3)),
      Label31(this, "Label31", slot(Colour::Red, 4)),
      Label32(this, "Label32", slot(Colour::Red, 5)),
      Label33(this, "Label33", slot(Colour::Red, 6)),
      Label34(this, "Label34", slot(Colour::Red, 7)),
      Label35(this, "Label35", slot(Colour::Red, 8)),
      Label36(this, "Label36", slot(Colour::Red, 9)),
      Label37(this, "Label37", slot(Colour::Green, 1)),
      Label38(this, "Label38", slot(Colour::Green, 2)),
      Label39(this, "Label39", slot(Colour::Green, 3)),
      Label40(this, "Label40", slot(Colour::Green, 4)),
      Label41(this, "Label41", slot(Colour::Green, 5)),
      Label42(this, "Label42", slot(Colour::Green, 6)),
      Label43(this, "Label43", slot(Colour::Green, 7)),
      Label44(this, "Label44", slot(Colour::Green, 8)),
      Label45(this, "Label45", slot(Colour::Green, 9)),
      Label54(this, "Label54", slot(Colour::Yellow, 1)),
      Label55(this, "Label55",
              [] {
                  ui::Props check = boardLabel(8040, 6000, 1575, 375, "CONTROLLO", {"Tahoma", 11.25, true});
                  check.pointer = ui::Pointer::Hand;
                  return check;
              }()),
      Image1(this, "Image1", computerPicture(10080, 6480, "FORMA SULL'ABACO LA QUANTITÀ CHE TI DÒ")),
      Image2(this, "Image2", face("face-sad", 8400, 6480)),
      Image3(this, "Image3", face("face-happy", 8400, 6480)),
      Image4(this, "Image4", face("face-neutral", 8400, 6480)),
      // Lies over the lower strip of the computer and the faces.
      Label52(this, "Label52", boardLabel(960, 7080, 9855, 615, "", kBigFont)),
      Image5(this, "Image5", backPicture()),
      Label57(this, "Label57", frame::layout::creditFooter()),
      Image7(this, "Image7", bead(Colour::Blue, 1)),
      Image8(this, "Image8", bead(Colour::Blue, 2)),
      Image9(this, "Image9", bead(Colour::Blue, 3)),
      Image10(this, "Image10", bead(Colour::Blue, 4)),
      Image11(this, "Image11", bead(Colour::Blue, 5)),
      Image12(this, "Image12", bead(Colour::Blue, 6)),
      Image13(this, "Image13", bead(Colour::Blue, 7)),
      Image14(this, "Image14", bead(Colour::Blue, 8)),
      Image15(this, "Image15", bead(Colour::Blue, 9)),
      Image16(this, "Image16", bead(Colour::Red, 1)),
      Image17(this, "Image17", bead(Colour::Red, 2)),
      Image18(this, "Image18", bead(Colour::Red, 3)),
      Image19(this, "Image19", bead(Colour::Red, 4)),
      Image20(this, "Image20", bead(Colour::Red, 5)),
      Image21(this, "Image21", bead(Colour::Red, 6)),
      Image22(this, "Image22", bead(Colour::Red, 7)),
      Image23(this, "Image23", bead(Colour::Red, 8)),
      Image24(this, "Image24", bead(Colour::Red, 9)),
      Image25(this, "Image25", bead(Colour::Green, 1)),
      Image26(this, "Image26", bead(Colour::Green, 2)),
      Image27(this, "Image27", bead(Colour::Green, 3)),
      Image28(this, "Image28", bead(Colour::Green, 4)),
      Image29(this, "Image29", bead(Colour::Green, 5)),
      Image30(this, "Image30", bead(Colour::Green, 6)),
      Image31(this, "Image31", bead(Colour::Green, 7)),
      Image32(this, "Image32", bead(Colour::Green, 8)),
      Image33(this, "Image33", bead(Colour::Green, 9)),
      Image34(this, "Image34", bead(Colour::Yellow, 1)) {
    perleblu = {&Image7, &Image8, &Image9, &Image10, &Image11, &Image12, &Image13, &Image14, &Image15};
    perlerosso = {&Image16, &Image17, &Image18, &Image19, &Image20, &Image21, &Image22, &Image23, &Image24};
    perleverde = {&Image25, &Image26, &Image27, &Image28, &Image29, &Image30, &Image31, &Image32, &Image33};
    perlegiallo = {&Image34};
    caselleblu = {&Label19, &Label20, &Label21, &Label22, &Label23, &Label24, &Label25, &Label26, &Label27};
    casellerosso = {&Label28, &Label29, &Label30, &Label31, &Label32, &Label33, &Label34, &Label35, &Label36};
    caselleverde = {&Label37, &Label38, &Label39, &Label40, &Label41, &Label42, &Label43, &Label44, &Label45};
    casellegiallo = {&Label54};

    // Every label and picture but the rod areas sends a bead dropped on it
    // back to its slot; the lines take no mouse, so a drop over a line lands
    // on what lies under it.
    for (ui::Control* control : controls()) {
        if (control->kind() == ui::Kind::Label || control->kind() == ui::Kind::Image) {
            control->onDragDrop = [this](ui::Control&, int, int) { returnDraggedBead(); };
        }
    }
    Label1.onDragDrop = [this](ui::Control&, int, int) { dropOnRod(Colour::Blue); };
    Label2.onDragDrop = [this](ui::Control&, int, int) { dropOnRod(Colour::Red); };
    Label18.onDragDrop = [this](ui::Control&, int, int) { dropOnRod(Colour::Green); };
    Label53.onDragDrop = [this](ui::Control&, int, int) { dropOnRod(Colour::Yellow); };

    for (std::size_t i = 0; i < kRange.size(); ++i) {
        ui::Label* label = rangeLabels()[i];
        int value = kRange[i].limite;
        label->onClick = [this, label, value] { rangeClick(*label, value); };
    }
    Image1.onClick = [this] { newNumber(); };
    Label55.onClick = [this] { checkBeads(); };
    Image5.onClick = [this] { Image5_Click(); };
    for (Colour colour : kAllColours) {
        std::span<ui::Image* const> rod = beads(colour);
        for (std::size_t i = 0; i < rod.size(); ++i) {
            int index = static_cast<int>(i) + 1;
            rod[i]->onMouseDown = [this, colour, index](const ui::MouseEvent&) { pickUp(colour, index); };
        }
    }
}

std::array<ui::Label*, 11> Form17::rangeLabels() {
    return {&Label6,  &Label7,  &Label10, &Label11, &Label12, &Label13,
            &Label14, &Label15, &Label17, &Label16, &Label46};
}

float& Form17::count(Colour colour) {
    switch (colour) {
        case Colour::Blue:
            return blu;
        case Colour::Red:
            return rosso;
        case Colour::Green:
            return verde;
        case Colour::Yellow:
            return giallo;
    }
    return giallo;
}

float& Form17::flag(Colour colour) {
    switch (colour) {
        case Colour::Blue:
            return idblu;
        case Colour::Red:
            return idrosso;
        case Colour::Green:
            return idverde;
        case Colour::Yellow:
            return idgiallo;
    }
    return idgiallo;
}

float& Form17::picked(Colour colour) {
    switch (colour) {
        case Colour::Blue:
            return nblu;
        case Colour::Red:
            return nrosso;
        case Colour::Green:
            return nverde;
        case Colour::Yellow:
            return ngiallo;
    }
    return ngiallo;
}

std::span<ui::Image* const> Form17::beads(Colour colour) {
    switch (colour) {
        case Colour::Blue:
            return perleblu;
        case Colour::Red:
            return perlerosso;
        case Colour::Green:
            return perleverde;
        case Colour::Yellow:
            return perlegiallo;
    }
    return perlegiallo;
}

std::span<ui::Label* const> Form17::slots(Colour colour) {
    switch (colour) {
        case Colour::Blue:
            return caselleblu;
        case Colour::Red:
            return casellerosso;
        case Colour::Green:
            return caselleverde;
        case Colour::Yellow:
            return casellegiallo;
    }
    return casellegiallo;
}

std::optional<Colour> Form17::pickedColour() const {
    if (idblu == 1) return Colour::Blue;
    if (idrosso == 1) return Colour::Red;
    if (idverde == 1) return Colour::Green;
    if (idgiallo == 1) return Colour::Yellow;
    return std::nullopt;
}

std::size_t Form17::pickedIndex(Colour colour) {
    return static_cast<std::size_t>(static_cast<int>(picked(colour)) - firstBead(colour));
}

ui::Image& Form17::pickedBead(Colour colour) {
    return *beads(colour).subspan(pickedIndex(colour), 1).front();
}

void Form17::Form_Load() {
    showFace(Face::Neutral);
    Image1.enabled = false;
    Label55.enabled = false;
    for (Colour colour : kAllColours) {
        for (ui::Image* b : beads(colour)) b->enabled = false;
    }
}

void Form17::rangeClick(ui::Label& label, int value) {
    limite = static_cast<float>(value);
    Image1.enabled = true;
    frameChosenRange(rangeLabels(), label);
    Label55.enabled = false;
}

void Form17::newNumber() {
    for (Colour colour : kAllColours) {
        count(colour) = 0;
        std::span<ui::Image* const> rod = beads(colour);
        for (std::size_t i = 0; i < rod.size(); ++i) {
            rod[i]->enabled = true;
            rod[i]->left = slots(colour)[i]->left;
            rod[i]->top = slots(colour)[i]->top;
        }
    }
    Image1.enabled = false;
    Label55.enabled = true;
    for (ui::Label* display : {&Label48, &Label49, &Label50}) display->caption.clear();
    showFace(Face::Neutral);
    u = da = h = k = 0;

    Digits d = drawDigits(random(), static_cast<int>(limite));
    u = static_cast<float>(d.u);
    da = static_cast<float>(d.da);
    h = static_cast<float>(d.h);
    k = static_cast<float>(d.k);
    if (limite == 1000) migliaia = static_cast<float>(d.migliaia);
    Label47.caption = ui::numberText(static_cast<long long>(d.u));
    if (limite == 1000) {
        // Numbers to 1000 show every place below the thousands, zeros too.
        Label48.caption = ui::numberText(static_cast<long long>(d.da));
        Label49.caption = ui::numberText(static_cast<long long>(d.h));
        if (d.k == 1) Label50.caption = ui::numberText(static_cast<long long>(d.k));
    } else if (limite >= 20 && d.da != 0) {
        Label48.caption = ui::numberText(static_cast<long long>(d.da));
    }
    n = static_cast<float>(d.number());
    Label52.caption = parole.word(d.number());
}

void Form17::pickUp(Colour colour, int index) {
    for (Colour other : kAllColours) flag(other) = other == colour ? 1.0f : 0.0f;
    picked(colour) = static_cast<float>(firstBead(colour) + index - 1);
    ui::Image& bead = *beads(colour)[static_cast<std::size_t>(index - 1)];
    // A bead taken from the supply counts at once; one taken from its rod
    // was already counted.
    if (bead.left == slots(colour)[static_cast<std::size_t>(index - 1)]->left) count(colour) += 1;
    drag(bead);
    bead.visible = false;
    showFace(Face::Neutral);
}

void Form17::dropOnRod(Colour accepted) {
    std::optional<Colour> colour = pickedColour();
    if (colour == accepted) {
        placeOnRod(accepted);
    } else {
        returnDraggedBead();
    }
}

void Form17::placeOnRod(Colour colour) {
    ui::Image& bead = pickedBead(colour);
    bead.left = rodLeft(colour);
    bead.top = kAbacus.beadTop(static_cast<int>(count(colour)));
    bead.visible = true;
    beep();
    restackRod(colour);
}

void Form17::returnDraggedBead() {
    std::optional<Colour> colour = pickedColour();
    if (!colour) return;
    count(*colour) -= 1;
    ui::Image& bead = pickedBead(*colour);
    const ui::Label& home = *slots(*colour).subspan(pickedIndex(*colour), 1).front();
    bead.left = home.left;
    bead.top = home.top;
    bead.visible = true;
    restackRod(*colour);
}

// The beads on a rod stand packed from the bottom in index order, whatever
// order they came in and whichever left.
void Form17::restackRod(Colour colour) {
    float yellowPosition = 0;
    float* position = &yellowPosition;
    if (colour == Colour::Blue) position = &posizioneblu;
    if (colour == Colour::Red) position = &posizionerosso;
    if (colour == Colour::Green) position = &posizioneverde;
    *position = 0;
    for (ui::Image* b : beads(colour)) {
        if (b->left != rodLeft(colour)) continue;
        *position += 1;
        b->top = kAbacus.beadTop(static_cast<int>(*position));
    }
}

void Form17::checkBeads() {
    bool right = blu == u && rosso == da && verde == h && giallo == k;
    showFace(right ? Face::Right : Face::Wrong);
    Image1.enabled = true;
}

void Form17::Form_DragDrop(ui::Control&, int, int) {
    returnDraggedBead();
}

void Form17::Form_DragOutside(ui::Control&) {
    returnDraggedBead();
}

void Form17::Image5_Click() {
    show<Form20>();
    unload();
}

}  // namespace abacus
