#include "BatchTools.h"
#include "NativeInputs.h"
#include "OrderedWork.h"
#include "OutputNames.h"
#include "StagedFile.h"
#include "document/Messages.h"
#include "formats/CSeg2File.h"

#include <algorithm>

namespace kvt {

int ExtractChannels(std::vector<std::string> paths, const std::string& outputPath, DocumentHost& host,
                    const BatchProgress& progress, int threads) {
    std::vector<CSeg2File> outputs;
    NumericHeader reference;
    int used = 0;
    const bool finished = ForEachNativeFile(
        paths, host, progress,
        [&](CSrwFile& file) {
            if (used == 0) {
                reference.CopyNumericFrom(file);
                outputs.resize(static_cast<size_t>(std::max(file.m_nTraceCount, 0)));
                for (CSeg2File& output : outputs) {
                    output.CopyNumericFrom(file);
                }
            } else if (!SameSampling(file, reference) || file.m_nTraceCount != reference.m_nTraceCount) {
                return;
            }
            for (size_t j = 0; j < outputs.size() && j < file.m_arrTraces.size(); ++j) {
                outputs[j].m_arrTraces.push_back(std::move(file.m_arrTraces[j]));
            }
            ++used;
        },
        threads);
    // A first record without traces leaves nothing to extract: that is a failure, not a success.
    if (!finished || outputs.empty()) {
        return 0;
    }
    for (CSeg2File& output : outputs) {
        output.m_nTraceCount = used;
    }
    // The channel files are written on the workers and put in place here in channel order, so that a
    // failed write leaves exactly the channels before it, as with one thread.
    OrderedWork<StagedFile> written(outputs.size(), threads, ItemsAhead(threads), [&](size_t j) {
        StagedFile file;
        file.Write(outputs[j], ChannelPath(outputPath, static_cast<int32_t>(j) + 1));
        // The samples are on disk now; this channel's traces are not needed any more.
        outputs[j].m_arrTraces = {};
        return file;
    });
    for (size_t j = 0; j < outputs.size(); ++j) {
        if (!written.Take(j).Publish()) {
            host.ShowMessage(SaveFailedMessage());
            return 0;
        }
    }
    return used;
}

} // namespace kvt
