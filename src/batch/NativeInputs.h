// How every batch tool goes through its input list: in order, each file read with the native reader,
// an unreadable one reported and skipped, the progress told before each file. With more than one
// thread, files are read ahead on worker threads and still used and reported in list order.
#pragma once

#include "BatchTools.h"
#include "formats/CSrwFile.h"

#include <algorithm>
#include <functional>

namespace kvt {

// Reads one native file, or reports "文件打开失败" with the reason and returns false.
bool ReadNativeFile(const std::string& path, CSrwFile& file, DocumentHost& host);

// How many items may be started past the one in use: enough to keep every thread busy, few enough
// that a list of thousands of records never sits in memory at once.
inline size_t ItemsAhead(int threads) {
    return 2 * static_cast<size_t>(std::max(threads, 1));
}

// Calls `use` with each file that reads. False when the progress cancelled the run.
bool ForEachNativeFile(const std::vector<std::string>& paths, DocumentHost& host,
                       const BatchProgress& progress, const std::function<void(CSrwFile& file)>& use,
                       int threads);

// True when a later record has exactly the reference's sample interval and sample count.
inline bool SameSampling(const NumericHeader& record, const NumericHeader& reference) {
    return record.m_fSampleInterval == reference.m_fSampleInterval &&
           record.m_nSampleCount == reference.m_nSampleCount;
}

} // namespace kvt
