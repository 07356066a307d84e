#include "tests/support/localecheck.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zelmora::testing {

bool localeIsAsRequested() {
    const char* wanted = std::getenv("LC_ALL");
    if (wanted == nullptr || std::strncmp(wanted, "es_", 3) != 0) {
        return true;
    }
    if (std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
        std::fprintf(stderr,
                     "the locale %s is not in force (decimal point \"%s\"); run the set-up\n",
                     wanted, std::localeconv()->decimal_point);
        return false;
    }
    return true;
}

}  // namespace zelmora::testing
