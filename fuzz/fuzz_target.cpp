// libFuzzer entry for one check, chosen by the build (FUZZ_CHECK); a problem becomes a crash
// that the fuzzer keeps.
#include <cstdio>
#include <cstdlib>

#include "fuzz/checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string problem = FUZZ_CHECK(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
