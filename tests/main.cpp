// The test programs start as the program does, in the locale the environment
// names (the real window takes it from LANG and LC_ALL through Qt), so the
// whole suite can run in the children's Italian locale too.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
