// The batch tools: they work on lists of native record files, never on the open record. Unreadable
// inputs are reported one by one ("文件打开失败") and skipped; inputs whose sampling differs from the
// first usable one are skipped silently and left for the result message to summarise; a failed write
// is reported ("保存文件失败") and makes the tool return 0 (the caller then shows its failure text).
#pragma once

#include "document/DocumentHost.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kvt {

// Called before each input file with the number of files done, the total and the file about to be
// read; returning false cancels. A cancelled combine, extract or stack writes nothing and returns 0;
// a cancelled resample keeps the files it has written. An empty function never cancels.
using BatchProgress = std::function<bool(int done, int total, const std::string& file)>;

// Resamples one native file into the file named by ResampledPath; on success `path` becomes the
// output's path. The interval is in microseconds.
bool ResampleFile(std::string& path, float newIntervalUs, int32_t newCount, DocumentHost& host);

// Each tool below also takes `threads`: how many files it works on at once on worker threads. Whatever
// the count, the host's messages and the progress come on the calling thread in list order, the
// progress before each file as with one thread, and the files written are the same bytes; files past a
// cancel may have been read but nothing is written for them.

// The batch resample over a list: every entry in order, each successful one replaced by its output's
// path. Returns the number of files written. Without a progress function the writes go on in parallel
// too; with one, each file is written only after the progress let it through.
int ResampleFiles(std::vector<std::string>& paths, float newIntervalUs, int32_t newCount, DocumentHost& host,
                  const BatchProgress& progress, int threads);

// All traces of the usable files, one file after another, into one SEG-2 (".sg2", ".seg2") or SEG-Y
// (".sgy", ".segy") file chosen by the output path; a path naming a native file or no known format
// fails at once. Each trace carries its own file's receiver entry. Returns the number of files used.
int CombineFiles(std::vector<std::string> paths, const std::string& outputPath, DocumentHost& host,
                 const BatchProgress& progress, int threads);

// One SEG-2 file per channel (ChannelPath of the output path), holding that channel's trace from every
// usable record in list order. Returns the number of records used.
int ExtractChannels(std::vector<std::string> paths, const std::string& outputPath, DocumentHost& host,
                    const BatchProgress& progress, int threads);

// The sample-by-sample mean (summed in 64 bits, divided with truncation towards zero) of the usable
// records, written as one native file; the output path must contain ".srw". Returns the number of
// records used.
int StackFiles(std::vector<std::string> paths, const std::string& outputPath, DocumentHost& host,
               const BatchProgress& progress, int threads);

// The same on the calling thread alone, one file after another.
inline int ResampleFiles(std::vector<std::string>& paths, float newIntervalUs, int32_t newCount,
                         DocumentHost& host, const BatchProgress& progress = {}) {
    return ResampleFiles(paths, newIntervalUs, newCount, host, progress, 1);
}
inline int CombineFiles(std::vector<std::string> paths, const std::string& outputPath, DocumentHost& host,
                        const BatchProgress& progress = {}) {
    return CombineFiles(std::move(paths), outputPath, host, progress, 1);
}
inline int ExtractChannels(std::vector<std::string> paths, const std::string& outputPath, DocumentHost& host,
                           const BatchProgress& progress = {}) {
    return ExtractChannels(std::move(paths), outputPath, host, progress, 1);
}
inline int StackFiles(std::vector<std::string> paths, const std::string& outputPath, DocumentHost& host,
                      const BatchProgress& progress = {}) {
    return StackFiles(std::move(paths), outputPath, host, progress, 1);
}

} // namespace kvt
