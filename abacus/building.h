// Building on the abacus: the screen gives a number in digits and in words,
// and the child drags coloured beads from four supply columns onto the rods
// of an abacus, then asks for the abacus to be checked.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "abacus/abacus_layout.h"
#include "ui/screen.h"
#include "words/number_words.h"

namespace abacus {

// The bead colours in the order their pick-up flags are tested.
enum class Colour { Blue, Red, Green, Yellow };

class Form17 : public ui::Screen {
  public:
    Form17();

    void Form_Load() override;
    void Form_DragDrop(ui::Control& source, int x, int y) override;
    // A bead let go outside the window goes back to its slot, as a bead
    // dropped where it does not belong.
    void Form_DragOutside(ui::Control& source) override;

    // Whole numbers all. The range and the number given, with its digits.
    float limite = 0;
    float u = 0, da = 0, h = 0, k = 0;
    float migliaia = 0;
    float n = 0;
    // Per colour, the beads standing on its rod, plus one while a bead of
    // that colour taken from the supply is dragged.
    float blu = 0, rosso = 0, verde = 0, giallo = 0;
    // The colour of the bead picked up last: its flag is 1, the others 0.
    float idblu = 0, idrosso = 0, idverde = 0, idgiallo = 0;
    // The control number of the bead picked up last: 7..15 blue
    // (Image7..Image15), 16..24 red, 25..33 green, 34 yellow.
    float nblu = 0, nrosso = 0, nverde = 0, ngiallo = 0;
    float posizioneblu = 0, posizionerosso = 0, posizioneverde = 0;

    ui::Label Label8, Label9;
    ui::Label Label6, Label7, Label10, Label11, Label12, Label13, Label14, Label15, Label17, Label16, Label46;
    ui::Line Line1, Line5, Line4, Line3, Line2;
    ui::Label Label51, Label5, Label4, Label3;
    ui::Label Label50, Label49, Label48, Label47;
    // The rod areas: thousands, hundreds, tens, units.
    ui::Label Label53, Label18, Label2, Label1;
    // The supply slots: blue, red, green, yellow.
    ui::Label Label19, Label20, Label21, Label22, Label23, Label24, Label25, Label26, Label27;
    ui::Label Label28, Label29, Label30, Label31, Label32, Label33, Label34, Label35, Label36;
    ui::Label Label37, Label38, Label39, Label40, Label41, Label42, Label43, Label44, Label45;
    ui::Label Label54;
    ui::Label Label55;
    ui::Image Image1, Image2, Image3, Image4;
    ui::Label Label52;
    ui::Image Image5;
    ui::Label Label57;
    // The beads, above the slots and the rod areas: blue, red, green, yellow.
    ui::Image Image7, Image8, Image9, Image10, Image11, Image12, Image13, Image14, Image15;
    ui::Image Image16, Image17, Image18, Image19, Image20, Image21, Image22, Image23, Image24;
    ui::Image Image25, Image26, Image27, Image28, Image29, Image30, Image31, Image32, Image33;
    ui::Image Image34;

    // Beads and slots of each colour by index, perleblu[0] being index 1.
    std::array<ui::Image*, 9> perleblu{}, perlerosso{}, perleverde{};
    std::array<ui::Image*, 1> perlegiallo{};
    std::array<ui::Label*, 9> caselleblu{}, casellerosso{}, caselleverde{};
    std::array<ui::Label*, 1> casellegiallo{};

  private:
    void rangeClick(ui::Label& label, int value);
    void newNumber();
    void pickUp(Colour colour, int index);
    void dropOnRod(Colour accepted);
    void placeOnRod(Colour colour);
    void returnDraggedBead();
    void restackRod(Colour colour);
    void checkBeads();
    void Image5_Click();

    float& count(Colour colour);
    float& flag(Colour colour);
    float& picked(Colour colour);
    std::span<ui::Image* const> beads(Colour colour);
    std::span<ui::Label* const> slots(Colour colour);
    // The colour whose flag is up, tested blue, red, green, yellow.
    std::optional<Colour> pickedColour() const;
    // The array index, from 0, of the bead picked up last of a colour.
    std::size_t pickedIndex(Colour colour);
    ui::Image& pickedBead(Colour colour);

    void showFace(Face face) { faces.show(face); }
    std::array<ui::Label*, 11> rangeLabels();

    const Faces faces{Image2, Image3, Image4};
    const words::NumberWords parole;
};

}  // namespace abacus
