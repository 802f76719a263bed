// A libFuzzer target: the input's bytes make the choices of one explorer
// session. A broken rule prints the actions that replay it and aborts, so
// the fuzzer keeps the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/explorer/explorer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    explorer::Outcome outcome = explorer::exploreBytes(data, size, 4000);
    if (outcome.failure) {
        std::fprintf(stderr, "FAIL: %s (%s)\n--- actions (replay with: explore --replay FILE)\n",
                     outcome.failure->rule.c_str(), outcome.failure->detail.c_str());
        for (const explorer::Action& a : outcome.actions)
            std::fprintf(stderr, "%s\n", explorer::toText(a).c_str());
        std::fprintf(stderr, "---\n");
        std::abort();
    }
    return 0;
}
