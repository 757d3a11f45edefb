// The batch tools: they work on lists of native record files, never on the open record. Unreadable
// inputs are reported one by one ("文件打开失败") and skipped; inputs whose sampling differs from the
// first usable one are skipped silently and left for the result message to summarise; a failed write
// is reported ("保存文件失败") and makes the tool return 0 (the caller then shows its failure text).
#pragma once

#include "document/DocumentHost.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kvt {

// Called before each input file with the number of files done, the total and the file about to be
// read; returning false cancels. A cancelled combine, extract or stack writes nothing and returns 0;
// a cancelled resample keeps the files it has written. An empty function never cancels.
using BatchProgress = std::function<bool(int done, int total, const std::string& file)>;

// Resamples one native file into the file named by ResampledPath; on success `path` becomes the
// output's path. The interval is in microseconds.
bool ResampleFile(std::string& path, float newIntervalUs, int32_t newCount, DocumentHost& host);

// The batch resample over a list: every entry in order, each successful one replaced by its output's
// path. Returns the number of files written.
int ResampleFiles(std::vector<std::string>& paths, float newIntervalUs, int32_t newCount, DocumentHost& host,
                  const BatchProgress& progress = {});

// All traces of the usable files, one file after another, into one SEG-2 (".sg2", ".seg2") or SEG-Y
// (".sgy", ".segy") file chosen by the output path; a path naming a native file or no known format
// fails at once. Each trace carries its own file's receiver entry. Returns the number of files used.
int CombineFiles(std::vector<std::string> paths, const std::string& outputPath, DocumentHost& host,
                 const BatchProgress& progress = {});

// One SEG-2 file per channel (ChannelPath of the output path), holding that channel's trace from every
// usable record in list order. Returns the number of records used.
int ExtractChannels(std::vector<std::string> paths, const std::string& outputPath, DocumentHost& host,
                    const BatchProgress& progress = {});

// The sample-by-sample mean (summed in 64 bits, divided with truncation towards zero) of the usable
// records, written as one native file; the output path must contain ".srw". Returns the number of
// records used.
int StackFiles(std::vector<std::string> paths, const std::string& outputPath, DocumentHost& host,
               const BatchProgress& progress = {});

} // namespace kvt
