// The work without a picture, on the record bench/compare makes: reading the SEG-Y file, and the same
// record written by KVT's own writers as RECORD.srw and RECORD.sg2 beside it and read back; a low-pass
// over every trace, the amplitude spectrum of one 16384-sample trace, and the memory the undo history
// holds after 20 one-trace edits of a 1024 x 16384 record.
//
//   kvt_bench_core RECORD.sgy
#include "BenchTiming.h"

#include "algorithms/CAlgorithm.h"
#include "base/MemoryPolicy.h"
#include "document/CKVTDoc.h"
#include "formats/CSeg2File.h"
#include "formats/CSegyFile.h"
#include "formats/CSrwFile.h"

#include <malloc.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace kvt;
using namespace kvt::bench;

constexpr float kCornerHz = 100.0f;
constexpr int32_t kSpectrumLength = 16384;

// Bytes the allocator has handed out and not had back.
double HeapMiB() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / 1048576.0;
}

bool ReadRecord(const std::string& path, FormatFile& file) {
    const ReadError error = file.Read(path);
    if (error != ReadError::None || file.m_arrTraces.empty()) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    return true;
}

// The path with its extension replaced.
std::string Sibling(const std::string& path, const std::string& extension) {
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot) : path) + extension;
}

// The record written by KVT's writer of format File at `path`, then read back from it `rounds` times.
template <class File> bool WriteAndRead(const CSegyFile& record, const std::string& path, const char* name) {
    File file;
    file.CopyNumericFrom(record);
    file.m_arrTraces = record.m_arrTraces;
    file.m_receivers = record.m_receivers;
    if (!file.Write(path)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    File check;
    if (!ReadRecord(path, check)) {
        return false;
    }
    Report(name, MedianMs(25, [&] {
               File again;
               ReadRecord(path, again);
           }));
    return true;
}

// Opening the SEG-Y file in the document, as the program does: reading, taking the samples into the
// record and finding its peak.
void DocumentOpen(const std::string& path) {
    const double ms = MedianMs(15, [&] {
        CKVTDoc doc;
        if (!doc.OpenDocument(path)) {
            std::fprintf(stderr, "the document cannot open %s\n", path.c_str());
        }
    });
    std::printf("# SEG-Y opened in the document (read, record, peak): %.2f ms\n", ms);
}

void LowPass(const CSegyFile& file) {
    const float fs = 1.0e6f / file.m_fSampleInterval;
    std::vector<std::vector<int32_t>> traces;
    std::vector<int32_t*> pointers;
    auto copy = [&] {
        traces = file.m_arrTraces;
        pointers.clear();
        for (auto& t : traces) {
            pointers.push_back(t.data());
        }
    };
    int32_t filtered = 0;
    Report("lowpass", MedianMs(15, 1, copy, [&] {
               filtered = CAlgorithm::FilterTraces(pointers, file.m_nSampleCount, kCornerHz, fs);
           }));
    if (filtered != static_cast<int32_t>(traces.size())) {
        std::fprintf(stderr, "the filter refused a trace\n");
    }
    const double oneByOne = MedianMs(15, 1, copy, [&] {
        for (int32_t* t : pointers) {
            CAlgorithm::FilterTrace(file.m_nSampleCount, t, kCornerHz, fs);
        }
    });
    std::printf("# lowpass one trace at a time (FilterTrace): %.2f ms\n", oneByOne);
}

void Spectrum(const CSegyFile& file) {
    const std::vector<int32_t>& first = file.m_arrTraces.front();
    std::vector<float> samples(kSpectrumLength);
    CAlgorithm algorithm;
    Report("spectrum", MedianMs(
                           25, 200,
                           [&] {
                               for (int32_t i = 0; i < kSpectrumLength; ++i) {
                                   samples[i] =
                                       static_cast<float>(first[static_cast<size_t>(i) % first.size()]);
                               }
                           },
                           [&] { algorithm.AmplitudeSpectrum(samples.data(), kSpectrumLength); }));
}

// Twenty polarity reversals of single traces; what the heap holds beyond the record afterwards.
void HistoryMemory() {
    constexpr int32_t kTraces = 1024;
    constexpr int32_t kSamples = 16384;
    const double empty = HeapMiB();
    CKVTDoc doc;
    {
        CShotRecord record;
        record.m_header.m_strPathName = "history-bench.srw";
        record.m_header.m_nTraceCount = kTraces;
        record.m_header.m_nSampleCount = kSamples;
        record.m_traces.Allocate(kTraces, kSamples);
        for (int32_t t = 0; t < kTraces; ++t) {
            int32_t* samples = record.m_traces.TraceAt(t);
            for (int32_t s = 0; s < kSamples; ++s) {
                samples[s] = (t * 7919 + s * 104729) % 2001 - 1000;
            }
        }
        doc.AdoptRecord(std::move(record));
    }
    const double loaded = HeapMiB();
    doc.SetEditTool(EditTool::Operation);
    doc.SetSelectMode(SelectMode::SingleTrace);
    std::vector<double> edits;
    for (int32_t i = 0; i < 20; ++i) {
        doc.SetSelTrace(i * 37 % kTraces);
        const auto start = Clock::now();
        doc.OperatePolarity();
        edits.push_back(Milliseconds(Clock::now() - start));
    }
    const double edited = HeapMiB();
    std::printf("# history: record %.1f MiB, held after 20 one-trace edits %.1f MiB, one edit %.2f ms\n",
                loaded - empty, edited - loaded, Median(edits));
    Report("history_mib", edited - loaded);
    Report("record_mib", loaded - empty);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kvt_bench_core RECORD.sgy\n");
        return 2;
    }
    // As kvt and kvt-cli do: freed records stay in the process for the next read.
    KeepFreedMemory();
    HistoryMemory();
    const std::string path = argv[1];
    CSegyFile file;
    if (!ReadRecord(path, file)) {
        return 1;
    }
    Report("segy_read", MedianMs(25, [&] {
               CSegyFile again;
               ReadRecord(path, again);
           }));
    DocumentOpen(path);
    if (!WriteAndRead<CSrwFile>(file, Sibling(path, ".srw"), "srw_read") ||
        !WriteAndRead<CSeg2File>(file, Sibling(path, ".sg2"), "seg2_read")) {
        return 1;
    }
    LowPass(file);
    Spectrum(file);
    return 0;
}
