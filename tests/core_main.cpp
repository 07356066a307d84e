#include <gtest/gtest.h>

#include <clocale>

#include "tests/support/localecheck.h"

// The program runs with the C library's number locale set to the user's, as Qt sets it; the
// core is tested under the same condition.
int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    if (!zelmora::testing::localeIsAsRequested()) {
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
