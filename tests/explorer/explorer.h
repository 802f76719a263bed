// A random explorer of the whole program through the headless driver: seeded
// sessions of clicks, double clicks, moves, unpaired presses and releases of
// the mouse and the keys, drags, closes and clock changes, on the front
// screen and on the screens behind a dialog, with a bias towards reaching
// every screen and dialog through the menus. After every action it checks
// what must hold on every screen; a failing session shrinks to the shortest
// list of actions that still fails the same way, written one a line so that
// it can be replayed.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/driver.h"

namespace explorer {

// One thing a child does. Screens and controls are named; points are twips
// of the screen's client area, and may lie outside it.
struct Action {
    enum class Kind {
        Clock,          // the time of day reads `clock` from now on
        Click,          // at the centre of `control`
        DoubleClick,    // at the centre of `control`
        ClickAt,        // at x,y with `button`
        DoubleClickAt,  // at x,y
        Move,           // to x,y with `button` held
        Down,           // `button` goes down at x,y
        Up,             // `button` goes up at x,y
        Drag,           // left button down at x,y, moved to and released at x2,y2
        DragOutside,    // left button down at x,y, released outside the window
        Press,          // key `code` goes down, typing `character` (0 for none)
        Release,        // key `code` goes up
        Key,            // press and release
        Close,          // the window frame asks the screen to close
    };
    Kind kind = Kind::Clock;
    std::string screen{};
    std::string control{};
    int x = 0, y = 0, x2 = 0, y2 = 0;
    int button = ui::kLeftButton;
    int code = 0;
    int character = 0;
    int shift = 0;
    double clock = 0;
};

std::string toText(const Action& action);
// Reads a line written by toText; nullopt for a blank line, a comment or a
// line it cannot read.
std::optional<Action> parseAction(std::string_view line);
std::vector<Action> parseActions(std::string_view text);

struct Failure {
    std::string rule;    // which rule broke: failures compare by it
    std::string detail;  // what was seen
};

// One run of the program, from the title screen to its end, checked after
// every action.
class Session {
  public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs one action (an action on a screen that is not loaded does
    // nothing) and checks every rule.
    std::optional<Failure> run(const Action& action);
    bool ended() const { return driver_->ended(); }
    ui::Driver& driver() { return *driver_; }
    const std::set<std::string>& screensSeen() const { return seen_; }

  private:
    struct ScreenMemory;
    std::optional<Failure> perform(const Action& action);
    std::optional<Failure> check(const Action& action, const std::vector<std::string>& loadedBefore,
                                 const ui::Control* exitTarget, const ui::Control* keyUpBox);
    std::optional<Failure> checkScores(ui::Screen& screen);

    std::unique_ptr<ui::Driver> driver_;
    std::set<std::string> seen_;
    std::map<std::string, std::unique_ptr<ScreenMemory>> memory_;
    std::set<int> keysHeld_;
};

// Where the choices come from: a seeded generator, or a fuzzer's bytes.
class Choices {
  public:
    virtual ~Choices() = default;
    // A whole number from 0 to n - 1 (n > 0).
    virtual int below(int n) = 0;
    // False once a fuzzer's bytes are used up.
    virtual bool more() const { return true; }
    bool chance(int percent) { return below(100) < percent; }
    int between(int low, int high) { return low + below(high - low + 1); }
};

class SeededChoices : public Choices {
  public:
    explicit SeededChoices(std::uint64_t seed) : engine_(seed) {}
    int below(int n) override { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }

  private:
    std::mt19937_64 engine_;
};

class ByteChoices : public Choices {
  public:
    ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    int below(int n) override;
    bool more() const override { return at_ < size_; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Proposes the next action from what the session shows now.
class Generator {
  public:
    explicit Generator(Choices& choices) : choices_(choices) {}
    Action next(ui::Driver& driver);

  private:
    Action randomAction(ui::Driver& driver);
    std::optional<Action> towardsGoal(ui::Driver& driver);
    Action keyAction(const std::string& screen);
    void pickGoal();
    std::optional<Action> stayStep(ui::Driver& driver);

    Choices& choices_;
    std::string goal_;            // a screen or dialog to reach, or ""
    std::vector<Action> script_;  // actions still to do on the way, last first
    int stepsTowardsGoal_ = 0;
    // Problems still to ask on the screen where the child stays a long time.
    int stay_ = 0;
};

struct Outcome {
    std::vector<Action> actions;  // what ran, up to the failure if any
    std::optional<Failure> failure;
    std::set<std::string> screens;
    bool ended = false;
};

// One session of at most maxActions actions, choices from a seed. Failures
// whose rule contains one of the ignored texts are let pass, so that a long
// local run can look past a fault already known.
Outcome explore(std::uint64_t seed, int maxActions, const std::vector<std::string>& ignored = {});
// One session whose choices come from bytes, until they run out.
Outcome exploreBytes(const std::uint8_t* data, std::size_t size, int maxActions);
// Runs the actions in a fresh session, stopping at the first failure.
Outcome replay(const std::vector<Action>& actions);
// The shortest list found that still fails by the same rule.
std::vector<Action> shrink(std::vector<Action> actions, const Failure& failure);

}  // namespace explorer
