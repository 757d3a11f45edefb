#include "BatchTools.h"
#include "NativeInputs.h"
#include "document/Messages.h"
#include "formats/FileType.h"

#include <algorithm>

namespace kvt {

int StackFiles(std::vector<std::string> paths, const std::string& outputPath, DocumentHost& host,
               const BatchProgress& progress, int threads) {
    // ".srw" anywhere in the path, whatever its case, is the first choice of FileTypeOfPath.
    if (FileTypeOfPath(outputPath) != FileType::Native) {
        return 0;
    }
    CSrwFile output;
    // Sums in 64 bits: a 32-bit sum overflows after a few records of large amplitude.
    std::vector<std::vector<int64_t>> sums;
    int used = 0;
    const bool finished = ForEachNativeFile(
        paths, host, progress,
        [&](CSrwFile& file) {
            if (used == 0) {
                output.CopyNumericFrom(file);
                sums.assign(static_cast<size_t>(std::max(file.m_nTraceCount, 0)),
                            std::vector<int64_t>(static_cast<size_t>(std::max(file.m_nSampleCount, 0)), 0));
            } else if (!SameSampling(file, output) || file.m_nTraceCount != output.m_nTraceCount) {
                return;
            }
            for (size_t k = 0; k < sums.size() && k < file.m_arrTraces.size(); ++k) {
                const std::vector<int32_t>& trace = file.m_arrTraces[k];
                std::vector<int64_t>& sum = sums[k];
                const size_t n = std::min(sum.size(), trace.size());
                for (size_t l = 0; l < n; ++l) {
                    sum[l] += trace[l];
                }
            }
            ++used;
        },
        threads);
    if (!finished || used == 0) {
        return 0;
    }
    output.m_arrTraces.clear();
    for (const std::vector<int64_t>& sum : sums) {
        std::vector<int32_t> mean(sum.size());
        // The mean of 32-bit samples is itself a 32-bit sample; division truncates towards zero.
        std::transform(sum.begin(), sum.end(), mean.begin(),
                       [used](int64_t s) { return static_cast<int32_t>(s / used); });
        output.m_arrTraces.push_back(std::move(mean));
    }
    if (!output.Write(outputPath)) {
        host.ShowMessage(SaveFailedMessage());
        return 0;
    }
    return used;
}

} // namespace kvt
