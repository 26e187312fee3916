// libFuzzer's entry of every fuzz target: a broken promise is a crash.

#include "fuzztarget.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (!fuzzTarget(data, size))
        std::abort();
    return 0;
}
