// explore: runs seeded random sessions of the program through the headless
// driver and checks every rule after every action; or replays a list of
// actions. On a failure it prints the seed and the shortest list of actions
// that replays it, and exits with 1.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/explorer/explorer.h"
#include "tests/explorer/rules.h"

namespace {

constexpr const char* kUsage = R"(usage:
  explore [--seed N] [--sessions N | --seconds N] [--actions N] [--all-screens] [--save FILE]
          [--ignore TEXT]...
      runs sessions of at most --actions actions each (1000), session i with
      the seed N + i; --all-screens fails the run unless every screen and
      dialog was reached; --save writes a failure's actions to FILE;
      --ignore lets pass the failures whose rule contains TEXT
  explore --replay FILE [--shrink]
      runs the actions listed in FILE ("-" for standard input), one a line
  explore --bytes FILE
      turns a fuzzer's input into actions, prints them and runs them
)";

std::string readAll(const std::string& path) {
    if (path == "-") return {std::istreambuf_iterator<char>(std::cin), {}};
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "explore: cannot read " << path << "\n";
        std::exit(2);
    }
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string listing(const std::vector<explorer::Action>& actions) {
    std::string text;
    for (const explorer::Action& a : actions) text += explorer::toText(a) + "\n";
    return text;
}

int reportFailure(const explorer::Failure& failure, std::vector<explorer::Action> actions, bool doShrink,
                  const std::string& savePath) {
    std::cout << "FAIL: " << failure.rule << " (" << failure.detail << ")\n";
    if (doShrink) {
        std::size_t before = actions.size();
        actions = explorer::shrink(actions, failure);
        explorer::Outcome shrunk = explorer::replay(actions);
        if (shrunk.failure)
            std::cout << "shrunk: " << shrunk.failure->rule << " (" << shrunk.failure->detail << ")\n";
        std::cout << "the failure's " << before << " actions shrink to " << actions.size() << ":\n";
    }
    std::cout << "--- actions (replay with: explore --replay FILE)\n" << listing(actions) << "---\n";
    if (!savePath.empty()) {
        std::ofstream(savePath) << "# " << failure.rule << "\n" << listing(actions);
        std::cout << "saved to " << savePath << "\n";
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::uint64_t seed = 1;
    long sessions = 100;
    double seconds = 0;
    int actionsPerSession = 1000;
    bool allScreens = false, doShrink = false;
    std::string replayPath, bytesPath, savePath;
    std::vector<std::string> ignored;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::cerr << kUsage;
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--seed") {
            seed = std::stoull(value());
        } else if (arg == "--sessions") {
            sessions = std::stol(value());
        } else if (arg == "--seconds") {
            seconds = std::stod(value());
        } else if (arg == "--actions") {
            actionsPerSession = std::stoi(value());
        } else if (arg == "--all-screens") {
            allScreens = true;
        } else if (arg == "--replay") {
            replayPath = value();
        } else if (arg == "--shrink") {
            doShrink = true;
        } else if (arg == "--bytes") {
            bytesPath = value();
        } else if (arg == "--ignore") {
            ignored.push_back(value());
        } else if (arg == "--save") {
            savePath = value();
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }

    if (!replayPath.empty() || !bytesPath.empty()) {
        std::vector<explorer::Action> actions;
        if (!replayPath.empty()) {
            actions = explorer::parseActions(readAll(replayPath));
        } else {
            std::string bytes = readAll(bytesPath);
            actions = explorer::exploreBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             bytes.size(), 1 << 20)
                          .actions;
            std::cout << listing(actions);
        }
        explorer::Outcome outcome = explorer::replay(actions);
        if (outcome.failure) return reportFailure(*outcome.failure, outcome.actions, doShrink, savePath);
        std::cout << "replayed " << actions.size() << " actions: no rule broken"
                  << (outcome.ended ? "; the program ended" : "") << "\n";
        return 0;
    }

    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    std::set<std::string> screens;
    long actions = 0, ran = 0, ended = 0;
    for (long i = 0; seconds > 0 ? elapsed() < seconds : i < sessions; ++i) {
        std::uint64_t sessionSeed = seed + static_cast<std::uint64_t>(i);
        explorer::Outcome outcome = explorer::explore(sessionSeed, actionsPerSession, ignored);
        ++ran;
        actions += static_cast<long>(outcome.actions.size());
        ended += outcome.ended ? 1 : 0;
        screens.insert(outcome.screens.begin(), outcome.screens.end());
        if (outcome.failure) {
            std::cout << "session seed " << sessionSeed << " (replay it alone with: explore --seed "
                      << sessionSeed << " --sessions 1 --actions " << actionsPerSession << "), after "
                      << outcome.actions.size() << " actions\n";
            return reportFailure(*outcome.failure, outcome.actions, true, savePath);
        }
    }
    std::cout << "explored " << ran << " sessions, " << actions << " actions in " << elapsed() << " s; "
              << ended << " sessions ended the program; " << screens.size() << " of "
              << explorer::allScreens().size() << " screens reached:";
    for (const std::string& s : screens) std::cout << ' ' << s;
    std::cout << "\n";
    if (allScreens && screens.size() < explorer::allScreens().size()) {
        std::cout << "FAIL: not every screen was reached\n";
        return 1;
    }
    return 0;
}
