// libFuzzer entry point of the seg2 reader.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return kvt::fuzz::FuzzSeg2(data, size);
}
