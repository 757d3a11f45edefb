// libFuzzer entry point of the native reader.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return kvt::fuzz::FuzzNative(data, size);
}
