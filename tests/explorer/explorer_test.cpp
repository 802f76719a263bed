// The explorer itself: its lists replay what it ran, and its rules catch the
// states they are there for.
#include "tests/explorer/explorer.h"

#include <gtest/gtest.h>

#include "columns/addition.h"

namespace {

using explorer::Action;
using explorer::Session;

TEST(ExplorerTest, EveryActionReadsBackAsWritten) {
    Action click{.kind = Action::Kind::Click, .screen = "Form4", .control = "Label6"};
    Action drag{.kind = Action::Kind::Drag, .screen = "Form17", .x = 10, .y = -20, .x2 = 30000, .y2 = 4};
    Action key{.kind = Action::Kind::Key, .screen = "Form2", .code = 98, .character = 50, .shift = 1};
    Action clock{.kind = Action::Kind::Clock, .clock = 86399.999};
    for (const Action& a : {click, drag, key, clock}) {
        std::string line = explorer::toText(a);
        auto back = explorer::parseAction(line);
        ASSERT_TRUE(back) << line;
        EXPECT_EQ(explorer::toText(*back), line);
    }
    EXPECT_FALSE(explorer::parseAction("# a comment"));
    EXPECT_FALSE(explorer::parseAction("click Form4"));
}

TEST(ExplorerTest, ASeedGivesTheSameSessionAndItsListReplaysIt) {
    explorer::Outcome first = explorer::explore(42, 600);
    explorer::Outcome again = explorer::explore(42, 600);
    std::string listed, relisted;
    for (const Action& a : first.actions) listed += explorer::toText(a) + "\n";
    for (const Action& a : again.actions) relisted += explorer::toText(a) + "\n";
    EXPECT_EQ(listed, relisted);
    explorer::Outcome replayed = explorer::replay(explorer::parseActions(listed));
    EXPECT_EQ(replayed.screens, first.screens);
    EXPECT_EQ(replayed.ended, first.ended);
    EXPECT_FALSE(replayed.failure);
}

// Puts the program on the column addition screen.
Session& onAddition(Session& s) {
    s.run({.kind = Action::Kind::Click, .screen = "Form12", .control = "Label2"});
    s.run({.kind = Action::Kind::Click, .screen = "Form1", .control = "Label5"});
    return s;
}

std::string brokenRule(Session& s) {
    auto failure = s.run({.kind = Action::Kind::Move, .screen = "Form4", .x = 5, .y = 5, .button = 0});
    return failure ? failure->rule : "";
}

TEST(ExplorerTest, TheRulesCatchWhatTheyAreFor) {
    {
        Session s;
        onAddition(s).driver().front().enabled = false;
        EXPECT_EQ(brokenRule(s), "a disabled screen without its dialog in front: Form4");
    }
    {
        Session s;
        onAddition(s).driver().control("Text5").caption = "12";
        EXPECT_EQ(brokenRule(s), "a single-digit box holds more: Form4 Text5");
    }
    {
        Session s;
        auto& form = onAddition(s).driver().screen<columns::Form4>();
        form.Image1.visible = form.Image3.visible = true;
        EXPECT_EQ(brokenRule(s), "more than one face on Form4");
    }
    {
        Session s;
        onAddition(s).driver().screen<columns::Form4>().esercizio = -1;
        EXPECT_EQ(brokenRule(s), "a count out of its bounds on Form4");
    }
    {
        Session s;
        onAddition(s).driver().control("Label19").caption = "100";
        EXPECT_EQ(brokenRule(s), "a score past its bound on Form4");
    }
    {
        Session s;
        onAddition(s).driver().screen<columns::Form4>().esatto = 2;
        EXPECT_EQ(brokenRule(s), "one problem counted right twice on Form4");
    }
    {
        Session s;
        onAddition(s).driver().control("Label6").left = 11500;
        EXPECT_EQ(brokenRule(s), "control outside its screen: Form4 Label6");
    }
    {
        Session s;
        onAddition(s).driver().screen<columns::Form4>().Label6.onClick = [&] {
            s.driver().front().endProgram();
        };
        auto failure = s.run({.kind = Action::Kind::Click, .screen = "Form4", .control = "Label6"});
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->rule, "the program ended without an exit");
    }
    {
        Session s;
        EXPECT_FALSE(
            onAddition(s).run({.kind = Action::Kind::Click, .screen = "Form4", .control = "Label9"}));
        EXPECT_TRUE(s.ended());
    }
}

}  // namespace
