// Building on the abacus: asking for a number, picking beads up, the drop
// rules of the rods and the supply, the packing of the rods whatever the
// order, and "CONTROLLO".
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "abacus/building.h"
#include "ui/driver.h"
#include "words/number_words.h"

namespace {

using abacus::Form17;

// The first control number of each colour's beads, and its rod line.
struct Rod {
    int firstBead;
    int count;
    int rodX;
    int beadLeft;
    const char* area;
};
const Rod kBlue{7, 9, 7440, 7200, "Label1"};
const Rod kRed{16, 9, 6360, 6120, "Label2"};
const Rod kGreen{25, 9, 5280, 5040, "Label18"};
const Rod kYellow{34, 1, 4200, 3960, "Label53"};

std::string bead(const Rod& rod, int index) {
    return "Image" + std::to_string(rod.firstBead + index - 1);
}

class BuildingTest : public ::testing::Test {
  protected:
    ui::Driver driver;
    Form17& form = driver.screen<Form17>();
    double clock = 40000.0;

    void SetUp() override { driver.show<Form17>(); }

    void ask(const std::string& range) {
        clock += 2.11;
        driver.setClock(clock);
        driver.click(range);
        driver.click("Image1");
    }
    void askFor(const std::string& range, const std::function<bool(int)>& wish) {
        for (int attempt = 0; attempt < 50000; ++attempt) {
            ask(range);
            if (wish(static_cast<int>(form.n))) return;
        }
        FAIL() << "no such number came in range " << range;
    }
    // Drops a bead on the free strip of a rod area, left of the beads.
    void dropOnRod(const std::string& name, const Rod& rod) {
        driver.onFront().drag(name, rod.rodX - 300, 3000);
    }
    void build(int units, int tens, int hundreds, int thousands) {
        for (int i = 1; i <= units; ++i) dropOnRod(bead(kBlue, i), kBlue);
        for (int i = 1; i <= tens; ++i) dropOnRod(bead(kRed, i), kRed);
        for (int i = 1; i <= hundreds; ++i) dropOnRod(bead(kGreen, i), kGreen);
        for (int i = 1; i <= thousands; ++i) dropOnRod(bead(kYellow, i), kYellow);
    }
    // The beads standing on a rod, bottom first, with their tops.
    std::vector<std::pair<std::string, int>> onRod(const Rod& rod) {
        std::vector<std::pair<std::string, int>> standing;
        for (int i = 1; i <= rod.count; ++i) {
            const ui::Control& c = driver.control(bead(rod, i));
            if (c.left == rod.beadLeft) standing.push_back({c.name(), c.top});
        }
        std::sort(standing.begin(), standing.end(), [](auto& a, auto& b) { return a.second > b.second; });
        return standing;
    }
    bool inSupply(const std::string& name, const std::string& slot) {
        const ui::Control& b = driver.control(name);
        const ui::Control& s = driver.control(slot);
        return b.visible && b.left == s.left && b.top == s.top;
    }
    std::string face() {
        std::string shown;
        if (form.Image2.visible) shown += "sad";
        if (form.Image3.visible) shown += "happy";
        if (form.Image4.visible) shown += "neutral";
        return shown;
    }
    std::string digits() {
        return driver.text("Label50") + "|" + driver.text("Label49") + "|" + driver.text("Label48") + "|" +
               driver.text("Label47");
    }
};

TEST_F(BuildingTest, AtLoadTheBeadsWaitInTheSupplyForANumber) {
    EXPECT_EQ(face(), "neutral");
    EXPECT_FALSE(form.Image1.enabled);
    EXPECT_FALSE(form.Label55.enabled);
    EXPECT_TRUE(inSupply("Image7", "Label19"));
    EXPECT_TRUE(inSupply("Image15", "Label27"));
    EXPECT_TRUE(inSupply("Image24", "Label36"));
    EXPECT_TRUE(inSupply("Image25", "Label37"));
    EXPECT_TRUE(inSupply("Image34", "Label54"));
    driver.onFront().drag("Image7", kBlue.rodX - 300, 3000);
    EXPECT_TRUE(inSupply("Image7", "Label19"));  // a disabled bead cannot be picked up
    EXPECT_EQ(driver.beeps(), 0);
    EXPECT_EQ(digits(), "|||");
}

TEST_F(BuildingTest, AskingForANumberShowsItsDigitsAndItsWord) {
    struct Case {
        const char* what;
        const char* range;
        std::function<bool(int)> wish;
        std::function<std::string(int)> shown;
    };
    auto text = [](int d) { return std::to_string(d); };
    const Case cases[] = {
        {"range 10", "Label6", [](int) { return true; }, [&](int n) { return "|||" + text(n); }},
        {"tens of 0", "Label16", [](int n) { return n < 10; }, [&](int n) { return "|||" + text(n); }},
        {"tens", "Label17", [](int n) { return n >= 10; },
         [&](int n) { return "||" + text(n / 10) + "|" + text(n % 10); }},
        {"1000, under 100", "Label46", [](int n) { return n < 100; },
         [&](int n) { return "|0|" + text(n / 10) + "|" + text(n % 10); }},
        {"1000, hundreds", "Label46", [](int n) { return n >= 100 && n < 1000; },
         [&](int n) { return "|" + text(n / 100) + "|" + text(n / 10 % 10) + "|" + text(n % 10); }},
        {"1000 itself", "Label46", [](int n) { return n == 1000; },
         [](int) { return std::string("1|0|0|0"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        askFor(c.range, c.wish);
        int n = static_cast<int>(form.n);
        EXPECT_EQ(digits(), c.shown(n));
        EXPECT_EQ(driver.text("Label52"), words::NumberWords::wordOf(n));
        EXPECT_FALSE(form.Image1.enabled);
        EXPECT_TRUE(form.Label55.enabled);
    }
}

// The 90 row draws its digits as the other rows: numbers ending in 9 come.
TEST_F(BuildingTest, TheRanges90And1000GiveEveryNumberBelowThem) {
    std::set<int> given;
    for (int i = 0; i < 1200; ++i) {
        ask("Label17");
        ASSERT_LT(form.n, 90);
        given.insert(static_cast<int>(form.n));
    }
    EXPECT_EQ(given.size(), 90u);
    int thousands = 0;
    for (int i = 0; i < 900; ++i) {
        ask("Label46");
        ASSERT_LE(form.n, 1000);
        if (form.n == 1000) ++thousands;
    }
    EXPECT_GT(thousands, 60);
    EXPECT_LT(thousands, 140);
}

TEST_F(BuildingTest, ABeadOnItsOwnRodBeepsAndStandsAtTheBottom) {
    ask("Label46");
    driver.on(form).drag("Image7", "Label1");  // the middle of the units rod
    EXPECT_EQ(driver.beeps(), 1);
    EXPECT_EQ(form.blu, 1);
    EXPECT_EQ(onRod(kBlue), (std::vector<std::pair<std::string, int>>{{"Image7", 5520}}));
    EXPECT_TRUE(form.Image7.visible);
}

TEST_F(BuildingTest, ABeadOnAnotherRodGoesBackToItsSlotWithoutABeep) {
    ask("Label46");
    for (const Rod* wrong : {&kRed, &kGreen, &kYellow}) {
        dropOnRod("Image9", *wrong);
        EXPECT_TRUE(inSupply("Image9", "Label21"));
        EXPECT_EQ(form.blu, 0);
    }
    dropOnRod("Image34", kBlue);
    EXPECT_TRUE(inSupply("Image34", "Label54"));
    EXPECT_EQ(form.giallo, 0);
    EXPECT_EQ(driver.beeps(), 0);
}

TEST_F(BuildingTest, AFourthBeadJoinsThreeAndTheRodStaysPackedInIndexOrder) {
    ask("Label46");
    // Arrival order 4, 2, 9 then 1: the lowest index stands at the bottom.
    for (const char* name : {"Image10", "Image8", "Image15", "Image7"}) dropOnRod(name, kBlue);
    EXPECT_EQ(driver.beeps(), 4);
    EXPECT_EQ(form.blu, 4);
    EXPECT_EQ(onRod(kBlue), (std::vector<std::pair<std::string, int>>{
                                {"Image7", 5520}, {"Image8", 5040}, {"Image10", 4560}, {"Image15", 4080}}));
}

TEST_F(BuildingTest, TakingABeadOffTheRodPacksTheOthersDown) {
    ask("Label46");
    for (int i = 1; i <= 4; ++i) dropOnRod(bead(kRed, i), kRed);
    // The lowest bead back to the supply: on its slot, on another slot, on a
    // supply bead, or on bare board.
    struct Drop {
        const char* what;
        std::function<void(const std::string&)> drop;
    };
    const Drop drops[] = {
        {"own slot", [&](const std::string& b) { driver.drag(b, "Label28"); }},
        {"supply bead", [&](const std::string& b) { driver.drag(b, "Image24"); }},
        {"bare board", [&](const std::string& b) { driver.onFront().drag(b, 11500, 3000); }},
        {"outside", [&](const std::string& b) { driver.onFront().dragOutside(b); }},
    };
    for (const Drop& d : drops) {
        SCOPED_TRACE(d.what);
        std::string lowest = onRod(kRed).front().first;
        d.drop(lowest);
        auto standing = onRod(kRed);
        ASSERT_EQ(standing.size(), 3u);
        EXPECT_EQ(form.rosso, 3);
        EXPECT_EQ(standing[0].second, 5520);
        EXPECT_EQ(standing[1].second, 5040);
        EXPECT_EQ(standing[2].second, 4560);
        EXPECT_TRUE(driver.control(lowest).visible);
        EXPECT_NE(driver.control(lowest).left, kRed.beadLeft);
        dropOnRod(lowest, kRed);  // back up, to take the next lowest off
        EXPECT_EQ(form.rosso, 4);
    }
}

TEST_F(BuildingTest, ABeadMovedOnItsOwnRodKeepsTheCount) {
    ask("Label46");
    for (int i = 1; i <= 3; ++i) dropOnRod(bead(kGreen, i), kGreen);
    dropOnRod("Image25", kGreen);  // the lowest, dropped on its rod again
    EXPECT_EQ(form.verde, 3);
    EXPECT_EQ(onRod(kGreen), (std::vector<std::pair<std::string, int>>{
                                 {"Image25", 5520}, {"Image26", 5040}, {"Image27", 4560}}));
    EXPECT_EQ(driver.beeps(), 4);
}

TEST_F(BuildingTest, ADropOnAStandingBeadSendsTheDraggedBeadHome) {
    ask("Label46");
    dropOnRod("Image7", kBlue);
    driver.drag("Image8", "Image7");
    EXPECT_TRUE(inSupply("Image8", "Label20"));
    EXPECT_EQ(form.blu, 1);
    EXPECT_EQ(driver.beeps(), 1);
}

// The lines take no mouse: a drop over a rod line lands on its rod area, a
// drop over the base line beside the areas on the board.
TEST_F(BuildingTest, ADropOverALineLandsOnWhatLiesUnderIt) {
    ask("Label46");
    driver.onFront().drag("Image16", kRed.rodX, 3000);  // on the tens rod line
    EXPECT_EQ(onRod(kRed).size(), 1u);
    EXPECT_EQ(driver.beeps(), 1);
    driver.onFront().drag("Image25", 4750, 6120);
    EXPECT_TRUE(inSupply("Image25", "Label37"));
    EXPECT_EQ(form.verde, 0);
}

TEST_F(BuildingTest, ABeadLetGoOutsideTheWindowGoesBackAndIsNotCounted) {
    ask("Label46");
    driver.onFront().dragOutside("Image34");
    EXPECT_TRUE(inSupply("Image34", "Label54"));
    EXPECT_EQ(form.giallo, 0);
    EXPECT_EQ(driver.beeps(), 0);
}

// A click on a bead picks it up and drops it back on its slot; pressed again
// at once, as the second press of a double click, it is picked up again.
TEST_F(BuildingTest, ABeadPressedAgainAtOnceIsPickedUpAgain) {
    ask("Label6");
    driver.click("Image7");
    EXPECT_TRUE(inSupply("Image7", "Label19"));
    const ui::Control& blue = driver.control("Image7");
    ui::ScreenRegistry& r = driver.registry();
    r.mouseDown(form, blue.left + 240, blue.top + 240, ui::kLeftButton, 0, true);
    r.mouseMove(form, kBlue.rodX - 300, 3000, ui::kLeftButton, 0);
    r.mouseUp(form, kBlue.rodX - 300, 3000, ui::kLeftButton, 0);
    EXPECT_EQ(onRod(kBlue).size(), 1u);
    EXPECT_EQ(form.blu, 1);
    EXPECT_EQ(driver.beeps(), 1);
}

TEST_F(BuildingTest, TheCheckComparesEveryRodWithTheNumber) {
    for (int attempt = 0; attempt < 12; ++attempt) {
        ask("Label46");
        int n = static_cast<int>(form.n);
        SCOPED_TRACE(n);
        build(n % 10, n / 10 % 10, n / 100 % 10, n / 1000);
        driver.click("Label55");
        EXPECT_EQ(face(), "happy");
        EXPECT_TRUE(form.Image1.enabled);
        EXPECT_TRUE(form.Label55.enabled);
        // One bead too many is wrong; picking a bead up puts the verdict away.
        if (n < 1000) {
            dropOnRod("Image34", kYellow);
        } else {
            dropOnRod("Image7", kBlue);
        }
        driver.click("Label55");
        EXPECT_EQ(face(), "sad");
        driver.onFront().dragOutside(bead(kBlue, 1));
        EXPECT_EQ(face(), "neutral");
    }
}

TEST_F(BuildingTest, ZeroIsRightOnAnEmptyAbacus) {
    askFor("Label6", [](int n) { return n == 0; });
    driver.click("Label55");
    EXPECT_EQ(face(), "happy");
}

TEST_F(BuildingTest, ThousandIsTheYellowBeadAlone) {
    askFor("Label46", [](int n) { return n == 1000; });
    EXPECT_EQ(driver.text("Label52"), "MILLE");
    build(1, 0, 0, 1);
    driver.click("Label55");
    EXPECT_EQ(face(), "sad");
    driver.onFront().drag("Image7", 11500, 3000);
    driver.click("Label55");
    EXPECT_EQ(face(), "happy");
}

TEST_F(BuildingTest, TheYellowBeadFitsItsRodInAnyRangeButIsWrongBelow1000) {
    ask("Label6");
    dropOnRod("Image34", kYellow);
    EXPECT_EQ(form.giallo, 1);
    EXPECT_EQ(onRod(kYellow), (std::vector<std::pair<std::string, int>>{{"Image34", 5520}}));
    build(static_cast<int>(form.u), 0, 0, 0);
    driver.click("Label55");
    EXPECT_EQ(face(), "sad");
}

TEST_F(BuildingTest, ARangeClickDisablesTheCheckUntilTheNextNumber) {
    ask("Label46");
    dropOnRod("Image7", kBlue);
    driver.click("Label6");
    EXPECT_FALSE(form.Label55.enabled);
    EXPECT_TRUE(form.Image1.enabled);
    EXPECT_EQ(onRod(kBlue).size(), 1u);  // the beads stay where they are
    driver.click("Image1");
    EXPECT_TRUE(form.Label55.enabled);
    EXPECT_EQ(form.blu, 0);
    EXPECT_TRUE(onRod(kBlue).empty());
    EXPECT_TRUE(inSupply("Image7", "Label19"));
}

// The words lie over the lower strip of the computer picture.
TEST_F(BuildingTest, AClickOnTheLowerStripOfTheComputerReachesTheWords) {
    driver.click("Label46");
    driver.onFront().clickAt(10560, 7300);
    EXPECT_TRUE(form.Image1.enabled);
    EXPECT_FALSE(form.Label55.enabled);
    driver.onFront().clickAt(10560, 6600);
    EXPECT_FALSE(form.Image1.enabled);
    EXPECT_TRUE(form.Label55.enabled);
}

TEST_F(BuildingTest, ComingBackStartsWithTheBeadsInTheSupply) {
    ask("Label46");
    build(2, 1, 0, 0);
    driver.click("Image5");
    EXPECT_EQ(driver.loadedScreens(), std::vector<std::string>{"Form20"});
    driver.click("Image13");
    EXPECT_TRUE(onRod(kBlue).empty());
    EXPECT_TRUE(inSupply("Image7", "Label19"));
    EXPECT_FALSE(form.Image7.enabled);
    EXPECT_FALSE(form.Image1.enabled);
    EXPECT_EQ(digits(), "|||");
    EXPECT_EQ(driver.text("Label52"), "");
}

}  // namespace
