#include "BatchTools.h"
#include "NativeInputs.h"
#include "OutputNames.h"
#include "document/Messages.h"
#include "document/Resampling.h"
#include "formats/CSrwFile.h"

namespace kvt {

bool ResampleFile(std::string& path, float newIntervalUs, int32_t newCount, DocumentHost& host) {
    CSrwFile file;
    if (!ReadNativeFile(path, file, host)) {
        return false;
    }
    const std::string output = ResampledPath(path);
    // The output is written even when nothing changes, so every listed file gets its "_rs" copy.
    ResampleTraces(file.m_arrTraces, file.m_nSampleCount, file.m_fSampleInterval, newCount, newIntervalUs);
    if (!file.Write(output)) {
        host.ShowMessage(SaveFailedMessage());
        return false;
    }
    path = output;
    return true;
}

int ResampleFiles(std::vector<std::string>& paths, float newIntervalUs, int32_t newCount, DocumentHost& host,
                  const BatchProgress& progress) {
    const int total = static_cast<int>(paths.size());
    int successes = 0;
    for (int i = 0; i < total; ++i) {
        std::string& path = paths[static_cast<size_t>(i)];
        if (progress && !progress(i, total, path)) {
            break;
        }
        if (ResampleFile(path, newIntervalUs, newCount, host)) {
            ++successes;
        }
    }
    return successes;
}

} // namespace kvt
