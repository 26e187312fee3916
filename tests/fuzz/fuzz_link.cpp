// libFuzzer's entry: a broken promise of the link is a crash.

#include "linkfuzz.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (!fuzzLink(data, size))
        std::abort();
    return 0;
}
