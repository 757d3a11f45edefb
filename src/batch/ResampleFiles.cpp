#include "BatchTools.h"
#include "NativeInputs.h"
#include "OrderedWork.h"
#include "OutputNames.h"
#include "document/Messages.h"
#include "document/Resampling.h"
#include "formats/CSrwFile.h"

#include <filesystem>
#include <memory>
#include <set>

namespace kvt {

namespace {

// By pointer, as the format objects have no move constructor.
struct Resampled {
    ReadError error = ReadError::None;
    std::unique_ptr<CSrwFile> file = std::make_unique<CSrwFile>();
    bool written = false;
};

// True when an output's file name is also an input's: that file must be read before or after the
// write exactly as one thread would, which workers running ahead cannot promise. File names alone,
// since the same folder may be spelt in more than one way.
bool OutputsMeetInputs(const std::vector<std::string>& paths) {
    std::set<std::filesystem::path> inputs;
    for (const std::string& path : paths) {
        inputs.insert(std::filesystem::path(path).filename());
    }
    for (const std::string& path : paths) {
        if (inputs.count(std::filesystem::path(ResampledPath(path)).filename()) != 0) {
            return true;
        }
    }
    return false;
}

} // namespace

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
                  const BatchProgress& progress, int threads) {
    if (OutputsMeetInputs(paths)) {
        threads = 1;
    }
    // The workers read their own copy of the list while this thread replaces the entries written.
    // Reading and resampling may run ahead; the write waits until the progress let the file through.
    const std::vector<std::string> inputs = paths;
    OrderedWork<Resampled> work(
        inputs.size(), threads, ItemsAhead(threads),
        [&inputs, newIntervalUs, newCount](size_t i) {
            Resampled item;
            item.error = item.file->Read(inputs[i]);
            if (item.error == ReadError::None) {
                ResampleTraces(item.file->m_arrTraces, item.file->m_nSampleCount,
                               item.file->m_fSampleInterval, newCount, newIntervalUs);
            }
            return item;
        },
        [&inputs](size_t i, Resampled& item) {
            if (item.error == ReadError::None) {
                item.written = item.file->Write(ResampledPath(inputs[i]));
            }
            item.file.reset();
        });
    const int total = static_cast<int>(paths.size());
    if (!progress) {
        work.Allow(paths.size());
    }
    int successes = 0;
    for (int i = 0; i < total; ++i) {
        std::string& path = paths[static_cast<size_t>(i)];
        if (progress && !progress(i, total, path)) {
            break;
        }
        work.Allow(static_cast<size_t>(i) + 1);
        const Resampled item = work.Take(static_cast<size_t>(i));
        if (item.error != ReadError::None) {
            host.ShowMessage(OpenFailedMessage(item.error));
        } else if (!item.written) {
            host.ShowMessage(SaveFailedMessage());
        } else {
            path = ResampledPath(path);
            ++successes;
        }
    }
    return successes;
}

} // namespace kvt
