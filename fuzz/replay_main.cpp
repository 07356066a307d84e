#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/localecheck.h"

// Replays saved inputs through a fuzz target without libFuzzer, so that the normal build checks
// every seed and every past finding: each argument is a directory (all of its files, in name
// order, hidden files left out) or a single file. A violated property aborts the run.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputsOf(const std::filesystem::path& argument) {
    std::vector<std::filesystem::path> inputs;
    if (std::filesystem::is_regular_file(argument)) {
        inputs.push_back(argument);
        return inputs;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argument)) {
        if (entry.is_regular_file() && entry.path().filename().string().front() != '.') {
            inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    // The program runs under the user's number locale, as Qt sets it; so do the replays.
    std::setlocale(LC_ALL, "");
    if (!zelmora::testing::localeIsAsRequested()) {
        return 1;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY_OR_FILE...\n", argv[0]);
        return 2;
    }
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path argument(argv[i]);
        if (!std::filesystem::exists(argument)) {
            std::fprintf(stderr, "%s: no such file or directory\n", argv[i]);
            return 2;
        }
        for (const auto& path : inputsOf(argument)) {
            std::ifstream file(path, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
            std::fprintf(stderr, "%s\n", path.c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++replayed;
        }
    }
    std::printf("replayed %zu inputs\n", replayed);
    return replayed == 0 ? 1 : 0;
}
