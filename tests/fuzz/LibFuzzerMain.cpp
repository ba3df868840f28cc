// libFuzzer's entry point for the target named by FUZZ_FUNCTION.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return FUZZ_FUNCTION(data, size);
}
