#include <gtest/gtest.h>

#include <clocale>

// Take the locale from the environment, as Qt does at start-up, so that a French locale would show up in
// any conversion that follows it.
int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
