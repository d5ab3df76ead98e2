// libFuzzer entry: CheckSettings; any problem it reports is a crash the fuzzer keeps.
#include <cstdio>
#include <cstdlib>

#include "fuzz/checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string problem = CheckSettings(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "CheckSettings: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
