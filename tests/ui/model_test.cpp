// The screen model as a screen meets it: loading, focus, key order, the mouse,
// drag and drop, and the conversions the screens rely on.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <set>

#include "ui/driver.h"
#include "ui/text.h"

namespace {

using ui::Props;

const ui::Font kBig{"Courier New", 36, true};

// A small screen of two answer boxes and a few labels, shaped like a column
// exercise: units box first in tab order, then tens.
class Workbench : public ui::Screen {
  public:
    Workbench() : Screen("Workbench", {.caption = "banco", .backColor = 0xc0c0ff}) {
        units.onKeyPress = [this](int& key) {
            log += "press:" + std::to_string(key) + ";";
            if (dropLetters && !(key == 8 || (key >= '0' && key <= '9'))) key = 0;
            if (singleDigit && !units.text.empty()) units.text.clear();
        };
        units.onKeyUp = [this](int code, int) {
            log += "up:" + std::to_string(code) + ";";
            if (advanceOnRelease) advanceFocus();
        };
        tens.onKeyPress = [this](int&) { log += "tens-press;"; };
        tens.onKeyUp = [this](int, int) { log += "tens-up;"; };
        hotspot.onClick = [this] { ++clicks; };
        picture.onClick = [this] { ++pictureClicks; };
        picture.onMouseDown = [this](const ui::MouseEvent&) {
            if (dragOnPress) drag(picture);
        };
        cover.onClick = [this] { ++coverClicks; };
        target.onDragDrop = [this](ui::Control& source, int, int) { dropped = "target:" + source.name(); };
        hotspot.onMouseMove = [this](const ui::MouseEvent&) { hotspot.borderStyle = 1; };
    }

    void Form_Load() override {
        ++loads;
        tens.enabled = false;
    }
    void Form_MouseMove(const ui::MouseEvent&) override { hotspot.borderStyle = 0; }
    void Form_DragDrop(ui::Control& source, int, int) override { dropped = "screen:" + source.name(); }
    void Form_DragOutside(ui::Control& source) override { dropped = "outside:" + source.name(); }

    ui::Label title{this, "title", {.left = 0, .top = 0, .width = 6000, .height = 500, .caption = "TITOLO"}};
    ui::Label hotspot{
        this, "hotspot", {.left = 1800, .top = 7320, .width = 855, .height = 735, .toolTip = "DAMMI"}};
    ui::Image picture{this, "picture", {.left = 3000, .top = 3000, .width = 1000, .height = 1000}};
    // Lies over the lower half of the picture, like a caption over a drawing.
    ui::Label cover{this, "cover", {.left = 3000, .top = 3600, .width = 1000, .height = 400}};
    ui::Label target{this, "target", {.left = 6000, .top = 3000, .width = 1000, .height = 1000}};
    ui::TextBox tens{this,
                     "tens",
                     {.left = 5880, .top = 4080, .width = 1095, .height = 1095, .font = kBig, .tabIndex = 3}};
    ui::TextBox units{
        this,
        "units",
        {.left = 7080, .top = 4080, .width = 1095, .height = 1095, .font = kBig, .tabIndex = 2}};
    // A box lying over the title: text boxes are above labels.
    ui::TextBox overTitle{
        this,
        "overTitle",
        {.left = 100, .top = 100, .width = 500, .height = 300, .tabIndex = 5, .tabStop = false}};

    std::string log;
    std::string dropped;
    int loads = 0, clicks = 0, pictureClicks = 0, coverClicks = 0;
    bool dropLetters = true, singleDigit = true, advanceOnRelease = false, dragOnPress = false;
    ui::Counter16 counter;
};

class ModelTest : public ::testing::Test {
  protected:
    ui::Driver driver;
    Workbench& bench = driver.screen<Workbench>();
    void SetUp() override { driver.show<Workbench>(); }
};

TEST_F(ModelTest, ReloadRestoresDesignTimePropertiesButKeepsMembers) {
    bench.title.caption = "CAMBIATO";
    bench.units.text = "5";
    bench.units.foreColor = ui::kRed;
    bench.caption = "altro";
    bench.counter = 7;
    bench.unload();
    EXPECT_FALSE(bench.isLoaded());
    driver.show<Workbench>();
    EXPECT_EQ(bench.loads, 2);
    EXPECT_EQ(bench.title.caption, "TITOLO");
    EXPECT_EQ(bench.units.text, "");
    EXPECT_EQ(bench.units.foreColor, ui::kBlack);
    EXPECT_EQ(bench.caption, "banco");
    EXPECT_FALSE(bench.tens.enabled);  // Form_Load ran again
    EXPECT_EQ(bench.counter, 7);
}

TEST_F(ModelTest, ShowGivesTheFocusToTheFirstBoxInTabOrder) {
    // tens is disabled by Form_Load and overTitle is no tab stop.
    EXPECT_EQ(driver.focusedName(), "units");
}

TEST_F(ModelTest, ShowingALoadedScreenOnlyBringsItToTheFront) {
    driver.type("4");
    driver.show<Workbench>();
    EXPECT_EQ(bench.loads, 1);
    EXPECT_EQ(bench.units.text, "4");
}

TEST_F(ModelTest, KeyPressComesFirstThenTheCharacterThenKeyUp) {
    bench.singleDigit = false;
    driver.type("7");
    EXPECT_EQ(bench.log, "press:55;up:55;");
    EXPECT_EQ(bench.units.text, "7");
}

TEST_F(ModelTest, ADroppedKeyPressStillRaisesKeyUp) {
    bench.singleDigit = false;
    driver.type("x");
    EXPECT_EQ(bench.units.text, "");
    EXPECT_EQ(bench.log, "press:120;up:88;");
}

TEST_F(ModelTest, KeysThatTypeNothingRaiseOnlyKeyUp) {
    driver.key(ui::key::kShift);
    driver.key(ui::key::kLeft);
    EXPECT_EQ(bench.log, "up:16;up:37;");
}

TEST_F(ModelTest, AKeyPressThatEmptiesTheBoxMakesADigitReplaceThePreviousOne) {
    driver.type("3");
    driver.type("8");
    EXPECT_EQ(bench.units.text, "8");
    driver.type("x");  // dropped, but the box was emptied first
    EXPECT_EQ(bench.units.text, "");
}

TEST_F(ModelTest, EditingKeysWorkAtTheCaret) {
    bench.singleDigit = false;
    driver.type("1234");
    driver.key(ui::key::kLeft);
    driver.key(ui::key::kBackspace);  // deletes "3"
    EXPECT_EQ(bench.units.text, "124");
    driver.key(ui::key::kHome);
    driver.key(ui::key::kDelete);
    EXPECT_EQ(bench.units.text, "24");
    driver.key(ui::key::kEnd);
    driver.type("9");
    EXPECT_EQ(bench.units.text, "249");
    driver.key(ui::key::kHome);
    driver.type("0");
    EXPECT_EQ(bench.units.text, "0249");
}

TEST_F(ModelTest, ATextSetByAHandlerPutsTheCaretAtItsEnd) {
    bench.singleDigit = false;
    driver.type("12");
    driver.key(ui::key::kHome);
    bench.units.text = "55";
    driver.type("6");
    EXPECT_EQ(bench.units.text, "556");
}

TEST_F(ModelTest, LockedBoxTakesTheFocusButNoTyping) {
    bench.units.locked = true;
    driver.type("5");
    driver.key(ui::key::kBackspace);
    EXPECT_EQ(bench.units.text, "");
    EXPECT_EQ(driver.focusedName(), "units");
    EXPECT_EQ(bench.log, "press:53;up:53;press:8;up:8;");
}

TEST_F(ModelTest, AdvanceFocusComesAfterTheHandlerAndRaisesNoKeyEvent) {
    bench.tens.enabled = true;
    bench.advanceOnRelease = true;
    driver.type("4");
    EXPECT_EQ(driver.focusedName(), "tens");
    EXPECT_EQ(bench.log, "press:52;up:52;");  // nothing reached tens
}

// A window binding holds the move until the input its window system has
// already delivered is handled: a digit typed in that time still goes to
// the box the focus is leaving.
TEST_F(ModelTest, AdvanceFocusWaitsForInputTheHostHasAlreadyReceived) {
    struct HoldingHost : ui::ScreenHost {
        std::vector<std::function<void()>> held;
        void afterDeliveredInput(std::function<void()> then) override { held.push_back(std::move(then)); }
    } host;
    driver.registry().setHost(&host);
    bench.tens.enabled = true;
    bench.advanceOnRelease = true;
    bench.singleDigit = false;
    driver.type("4");
    driver.onFront().press(ui::key::kDigit0 + 3, '3');
    EXPECT_EQ(driver.focusedName(), "units");
    ASSERT_EQ(host.held.size(), 1u);
    host.held.front()();
    EXPECT_EQ(driver.focusedName(), "tens");
    EXPECT_EQ(bench.units.text, "43");
    driver.registry().setHost(nullptr);
}

TEST_F(ModelTest, AdvanceFocusFromTheOnlyBoxStaysThere) {
    bench.advanceOnRelease = true;
    driver.type("4");
    EXPECT_EQ(driver.focusedName(), "units");
}

TEST_F(ModelTest, AdvanceFocusIsDeliveredAfterEventsAlreadyQueued) {
    bench.tens.enabled = true;
    ui::ScreenRegistry& r = driver.registry();
    std::string order;
    r.post([&] {
        r.post([&] { order += "queued:" + driver.focusedName() + ";"; });
        bench.advanceFocus();
    });
    EXPECT_EQ(order, "queued:units;");
    EXPECT_EQ(driver.focusedName(), "tens");
}

TEST_F(ModelTest, TabMovesTheFocusInTabOrderWithNoKeyEvent) {
    bench.tens.enabled = true;
    auto actions = driver.onFront();
    actions.tab();
    EXPECT_EQ(driver.focusedName(), "tens");
    actions.tab();
    EXPECT_EQ(driver.focusedName(), "units");  // wraps past the box that is no tab stop
    actions.tab(ui::kShiftKey);
    EXPECT_EQ(driver.focusedName(), "tens");
    EXPECT_EQ(bench.log, "");
}

TEST_F(ModelTest, ClickingAnEnabledBoxFocusesItEvenOffTheTabOrder) {
    driver.click("overTitle");
    EXPECT_EQ(driver.focusedName(), "overTitle");
    driver.click("tens");  // disabled: the click does not reach it
    EXPECT_EQ(driver.focusedName(), "overTitle");
}

TEST_F(ModelTest, DisablingOrHidingTheFocusedBoxPassesTheFocusOn) {
    bench.tens.enabled = true;
    driver.registry().post([&] { bench.units.enabled = false; });
    EXPECT_EQ(driver.focusedName(), "tens");
    driver.registry().post([&] { bench.tens.visible = false; });
    EXPECT_EQ(driver.focusedName(), "");  // no box can take it
    driver.type("1");
    EXPECT_EQ(bench.log, "");
}

// The focus moves on while the handler runs, to the box that can take it at
// that moment: a box the same handler opens afterwards does not receive it,
// and a box closed and opened again in one handler has lost it for good.
TEST_F(ModelTest, TheFocusPassesOnAtTheMomentTheBoxIsDisabledOrHidden) {
    std::string during;
    driver.registry().post([&] {
        bench.units.enabled = false;  // tens is still disabled: no box takes it
        during = driver.focusedName();
        bench.tens.enabled = true;
        bench.units.enabled = true;
    });
    EXPECT_EQ(during, "");
    EXPECT_EQ(driver.focusedName(), "");
    driver.click("units");
    driver.registry().post([&] {
        bench.units.visible = false;  // tens can take it now
        bench.units.visible = true;
    });
    EXPECT_EQ(driver.focusedName(), "tens");
}

// Only text boxes know the double click; on a label or a picture the second
// press of a double click is one more press, release and click.
TEST_F(ModelTest, LabelsAndPicturesTakeADoubleClickAsTwoClicks) {
    int presses = 0, doubleClicks = 0;
    bench.picture.onMouseDown = [&](const ui::MouseEvent&) { ++presses; };
    bench.picture.onDblClick = [&] { ++doubleClicks; };
    bench.hotspot.onDblClick = [&] { ++doubleClicks; };
    driver.doubleClick("picture");
    driver.doubleClick("hotspot");
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(bench.pictureClicks, 2);
    EXPECT_EQ(bench.clicks, 2);
    EXPECT_EQ(doubleClicks, 0);

    std::string events;
    bench.units.onMouseDown = [&](const ui::MouseEvent&) { events += "down;"; };
    bench.units.onClick = [&] { events += "click;"; };
    bench.units.onDblClick = [&] { events += "dblclick;"; };
    driver.doubleClick("units");
    EXPECT_EQ(events, "down;click;dblclick;");
}

TEST_F(ModelTest, HitTestingTakesTheTopmostLiveControl) {
    driver.onFront().clickAt(3500, 3200);  // upper half: only the picture
    driver.onFront().clickAt(3500, 3800);  // lower half: the cover lies on top
    EXPECT_EQ(bench.pictureClicks, 1);
    EXPECT_EQ(bench.coverClicks, 1);
    bench.cover.enabled = false;  // a disabled control lets the click through
    driver.onFront().clickAt(3500, 3800);
    EXPECT_EQ(bench.pictureClicks, 2);
    bench.picture.visible = false;
    driver.onFront().clickAt(3500, 3800);
    EXPECT_EQ(bench.pictureClicks, 2);
    // A text box lies above a label declared before it, and after it too.
    EXPECT_EQ(bench.controlAt(200, 200), &bench.overTitle);
}

TEST_F(ModelTest, AClickNeedsPressAndReleaseOverTheSameControl) {
    auto& r = driver.registry();
    r.mouseDown(bench, 2000, 7500, ui::kLeftButton, 0);
    r.mouseUp(bench, 100, 7500, ui::kLeftButton, 0);
    EXPECT_EQ(bench.clicks, 0);
    driver.click("hotspot");
    EXPECT_EQ(bench.clicks, 1);
}

TEST_F(ModelTest, MouseMoveReachesTheControlOrTheBareScreen) {
    driver.moveTo("hotspot");
    EXPECT_EQ(bench.hotspot.borderStyle, 1);
    driver.moveTo(11000, 100);
    EXPECT_EQ(bench.hotspot.borderStyle, 0);
}

TEST_F(ModelTest, ADisabledScreenTakesNoInput) {
    bench.enabled = false;
    driver.click("hotspot");
    driver.type("5");
    EXPECT_EQ(bench.clicks, 0);
    EXPECT_EQ(bench.units.text, "");
}

TEST_F(ModelTest, DragAndDropRaisesDragDropOnWhatLiesUnderTheRelease) {
    bench.dragOnPress = true;
    driver.drag("picture", "target");
    EXPECT_EQ(bench.dropped, "target:picture");
    EXPECT_EQ(driver.registry().dragging(), nullptr);
    driver.onFront().drag("picture", 11000, 200);
    EXPECT_EQ(bench.dropped, "screen:picture");
    driver.onFront().dragOutside("picture");
    EXPECT_EQ(bench.dropped, "outside:picture");
    EXPECT_EQ(bench.pictureClicks, 0);  // a drag is no click
}

TEST_F(ModelTest, OnlyTheButtonThatStartedADragEndsIt) {
    bench.dragOnPress = true;
    ui::ScreenRegistry& r = driver.registry();
    ui::Control& picture = bench.picture;
    int x = picture.left + 500, y = picture.top + 200;
    r.mouseDown(bench, x, y, ui::kLeftButton, 0);
    // The right button pressed and released meanwhile, over the target and
    // outside the window, drops nothing.
    r.mouseDown(bench, 6500, 3500, ui::kRightButton, 0);
    r.mouseUp(bench, 6500, 3500, ui::kRightButton, 0);
    r.mouseUpOutside(bench, ui::kMiddleButton, 0);
    EXPECT_EQ(r.dragging(), &picture);
    EXPECT_EQ(bench.dropped, "");
    r.mouseUp(bench, 6500, 3500, ui::kLeftButton, 0);
    EXPECT_EQ(bench.dropped, "target:picture");
    EXPECT_EQ(r.dragging(), nullptr);
}

TEST_F(ModelTest, ClosingTheLastScreenEndsTheProgram) {
    driver.onFront().close();
    EXPECT_TRUE(driver.ended());
    EXPECT_TRUE(driver.loadedScreens().empty());
}

TEST_F(ModelTest, EndProgramStopsEveryFurtherHandler) {
    driver.registry().post([&] {
        bench.advanceFocus();
        driver.registry().endProgram();
    });
    EXPECT_TRUE(driver.ended());
    driver.registry().keyDown(bench, '5', U'5', 0);
    EXPECT_EQ(bench.log, "");
}

TEST(Conversions, ReadNumberReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {{"", 0},      {"7", 7},       {" 4", 4},     {"3x", 3},     {"x3", 0}, {"4 5", 45},
                 {"-12", -12}, {"1.5.2", 1.5}, {"\t0\n9", 9}, {"0523", 523}, {"+8", 8}, {"-", 0}};
    for (const Case& c : cases) EXPECT_EQ(ui::readNumber(c.text), c.value) << '"' << c.text << '"';
}

// The program runs in the locale of its users, whose decimal separator is a
// comma; a text still reads with the point as its decimal point.
TEST(Conversions, ReadNumberTakesThePointInEveryLocale) {
    std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "it_IT.UTF-8")) GTEST_SKIP() << "the locale it_IT.UTF-8 is not installed";
    EXPECT_EQ(ui::readNumber("2.5"), 2.5);
    EXPECT_EQ(ui::readNumber("-0.25x"), -0.25);
    EXPECT_EQ(ui::readNumber("2,5"), 2);
    EXPECT_EQ(ui::Variant("1.5").number(), 1.5);
    std::setlocale(LC_ALL, before.c_str());
}

TEST(Conversions, NumberTextAndCharacters) {
    EXPECT_EQ(ui::numberText(42LL), "42");
    EXPECT_EQ(ui::numberText(-7.0), "-7");
    EXPECT_EQ(ui::numberText(0.0), "0");
    EXPECT_EQ(ui::characterAt("57", 1), "5");
    EXPECT_EQ(ui::lastCharacter("57"), "7");
    EXPECT_EQ(ui::characterBeforeLast("7"), "");
    EXPECT_EQ(ui::textLength("SÌ"), 2);
}

TEST(Conversions, VariantReadsAsNumberOrText) {
    ui::Variant empty;
    EXPECT_EQ(empty.number(), 0);
    EXPECT_EQ(empty.text(), "");
    ui::Variant number(45);
    EXPECT_EQ(number.text(), "45");
    EXPECT_EQ(number.length(), 2);
    ui::Variant text("8");
    EXPECT_EQ(text.number(), 8);
    EXPECT_TRUE(text.isText());
}

TEST(Conversions, CountersStayAt32767) {
    ui::Counter16 c = 32766;
    ++c;
    ++c;
    c += 5;
    EXPECT_EQ(c, 32767);
    c = -32768;
    --c;
    EXPECT_EQ(c, -32768);
}

TEST(Random, DrawsStayInTheirRangeAndReachItsEnds) {
    double reading = 0;
    ui::RandomSource random([&] { return reading; });
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
        reading = i * 0.37;
        random.reseedFromClock();
        double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        int draw = static_cast<int>(std::floor(r * 8 + 2));
        ASSERT_GE(draw, 2);
        ASSERT_LE(draw, 9);
        seen.insert(draw);
    }
    EXPECT_EQ(seen.size(), 8u);
    // Even the largest value next() can give stays under the bound.
    double largest = 1.0 - 0x1.0p-32;
    EXPECT_EQ(std::floor(largest * 8 + 2), 9);
    EXPECT_EQ(std::floor(largest * 99 + 10), 108);
    EXPECT_EQ(std::floor(largest * 10000), 9999);
}

TEST(Random, ReseedsAtTheSameReadingDoNotReplayTheSameDraws) {
    ui::RandomSource random([] { return 1234.5; });
    random.reseedFromClock();
    double first = random.next();
    random.reseedFromClock();
    EXPECT_NE(random.next(), first);
}

TEST(Wrap, CaptionsBreakAtRunsOfBlanks) {
    auto measure = [](const std::string& s) { return double(s.size()); };  // one unit a character
    using Lines = std::vector<std::string>;
    EXPECT_EQ(ui::wrapCaption("ADDIZIONI IN COLONNA         SENZA CAMBIO", 24, measure),
              (Lines{"ADDIZIONI IN COLONNA", "SENZA CAMBIO"}));
    EXPECT_EQ(ui::wrapCaption(" ESERCITAZIONI  DI", 30, measure), (Lines{" ESERCITAZIONI  DI"}));
    EXPECT_EQ(ui::wrapCaption("ABCDEFGH", 3, measure), (Lines{"ABC", "DEF", "GH"}));
    EXPECT_EQ(ui::wrapCaption("", 3, measure), (Lines{""}));
}

TEST(Wrap, ABracketStaysWithTheWordItEncloses) {
    auto measure = [](const std::string& s) { return double(s.size()); };
    using Lines = std::vector<std::string>;
    EXPECT_EQ(ui::wrapCaption("TABELLINE DI PRODOTTI    ( entro 81)", 26, measure),
              (Lines{"TABELLINE DI PRODOTTI", "( entro 81)"}));
    EXPECT_EQ(ui::wrapCaption("CON CAMBIO ( somma entro 99 )", 22, measure),
              (Lines{"CON CAMBIO ( somma", "entro 99 )"}));
    EXPECT_EQ(ui::wrapCaption("(", 3, measure), (Lines{"("}));
}

}  // namespace
