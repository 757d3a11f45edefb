// The dispersion image of the Geode shot in the real test data (24 traces of 1500 samples) over 5 to
// 100 Hz by 0.5 Hz and 50 to 1000 m/s by 1 m/s, opened as the document opens it. Prints the median
// time in the line bench/compare reads, then the measure against its fixed target.
//
//   kvt_bench_dispersion [RECORD]
#include "BenchTiming.h"

#include "algorithms/DispersionImage.h"
#include "document/CKVTDoc.h"

#include <cstdio>
#include <ctime>
#include <string>

namespace {

using namespace kvt;
using namespace kvt::bench;

constexpr double kTargetMs = 50.0;

} // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: kvt_bench_dispersion [RECORD]\n");
        return 2;
    }
    const std::string path = argc == 2 ? argv[1] : KVT_REAL_TESTDATA "/swprocess_wghs_6.dat";
    CKVTDoc doc;
    if (!doc.OpenDocument(path)) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    const DispersionOptions options; // the defaults are the range above
    DispersionImage image;
    DispersionError error = DispersionError::None;
    constexpr int kRounds = 15;
    // Processor time beside the wall time, which on a shared machine includes waiting for the CPU.
    const std::clock_t start = std::clock();
    const double ms = MedianMs(kRounds, [&] { error = ComputeDispersion(doc.Record(), options, image); });
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC / kRounds;
    if (error != DispersionError::None) {
        std::fprintf(stderr, "the record was refused: %s\n", DispersionErrorText(error));
        return 1;
    }
    Report("dispersion", ms);
    std::printf(
        "# dispersion kvt=%.3gms target=%gms %s (%zu x %zu points, %d traces; processor time %.3g ms)\n", ms,
        kTargetMs, ms <= kTargetMs ? "met" : "missed", image.frequencies.size(), image.velocities.size(),
        doc.Record().m_traces.TraceCount(), cpuMs);
    return 0;
}
