#include "BatchTools.h"
#include "NativeInputs.h"
#include "document/Messages.h"
#include "formats/CSeg2File.h"
#include "formats/CSegyFile.h"
#include "formats/FileType.h"

#include <algorithm>
#include <memory>

namespace kvt {

namespace {

// Appends the file's traces and, beside each, that file's own receiver entry, so that receiver i
// (which the writers store with trace i) always describes trace i. A trace the file's table does not
// cover gets an entry at position 0, which is what the writers store for a missing entry anyway.
void AppendTraces(CSrwFile& file, FormatFile& output) {
    const size_t count =
        std::min(file.m_arrTraces.size(), static_cast<size_t>(std::max(file.m_nTraceCount, 0)));
    for (size_t k = 0; k < count; ++k) {
        output.m_arrTraces.push_back(std::move(file.m_arrTraces[k]));
        output.m_receivers.push_back(k < file.m_receivers.size()
                                         ? file.m_receivers[k]
                                         : ReceiverPoint{static_cast<int32_t>(k) + 1, 0.0f, 0.0f});
    }
}

std::unique_ptr<FormatFile> CombinedOutput(const std::string& outputPath) {
    // Combining into a native file is not offered; neither is an unknown format.
    const std::optional<FileType> type = FileTypeOfPath(outputPath);
    if (type == FileType::Seg2) {
        return std::make_unique<CSeg2File>();
    }
    if (type == FileType::Segy) {
        return std::make_unique<CSegyFile>();
    }
    return nullptr;
}

} // namespace

int CombineFiles(std::vector<std::string> paths, const std::string& outputPath, DocumentHost& host,
                 const BatchProgress& progress, int threads) {
    std::unique_ptr<FormatFile> output = CombinedOutput(outputPath);
    if (!output) {
        return 0;
    }
    int used = 0;
    const bool finished = ForEachNativeFile(
        paths, host, progress,
        [&](CSrwFile& file) {
            if (used == 0) {
                // The first usable file gives the eleven numeric fields.
                output->CopyNumericFrom(file);
                output->m_arrTraces.clear();
                output->m_receivers.clear();
            } else if (!SameSampling(file, *output)) {
                return;
            }
            AppendTraces(file, *output);
            ++used;
        },
        threads);
    if (!finished || used == 0) {
        return 0;
    }
    output->m_nTraceCount = static_cast<int32_t>(output->m_arrTraces.size());
    if (!output->Write(outputPath)) {
        host.ShowMessage(SaveFailedMessage());
        return 0;
    }
    return used;
}

} // namespace kvt
