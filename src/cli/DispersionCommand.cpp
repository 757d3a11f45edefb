// dispersion: the phase-shift dispersion image of a record file, its peak per frequency printed, and
// optionally the peaks as CSV and the image as a picture.
#include "ArgumentList.h"
#include "CliHost.h"
#include "Commands.h"
#include "DispersionPicture.h"
#include "algorithms/DispersionImage.h"
#include "base/ByteSink.h"
#include "base/NumberText.h"
#include "document/CKVTDoc.h"
#include "document/Messages.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace kvt::cli {

namespace {

// Three numbers in fixed-point notation: room for the largest doubles (309 digits each), which absurd
// but accepted ranges can reach.
void AppendLine(std::string& text, const char* format, double a, double b, double c) {
    char line[1024];
    const int length = std::snprintf(line, sizeof line, format, a, b, c);
    text.append(line, std::min(static_cast<size_t>(std::max(length, 0)), sizeof line - 1));
}

// One row per peak; the target keeps its previous contents unless the whole file was written.
bool WritePicks(const std::vector<DispersionPick>& picks, const std::string& path) {
    std::string text = "frequency_hz,velocity_m_s,wavelength_m\n";
    for (const DispersionPick& pick : picks) {
        AppendLine(text, "%.2f,%.1f,%.3f\n", pick.frequency, pick.velocity, pick.velocity / pick.frequency);
    }
    AtomicFileSink sink(path);
    return sink.IsOpen() && sink.Write(text.data(), text.size()) && sink.Finish();
}

} // namespace

int RunDispersion(const Args& args) {
    const Command& self = CommandNamed("dispersion");
    Args valued;
    std::copy_if(args.begin(), args.end(), std::back_inserter(valued),
                 [](const std::string& a) { return a != "--normalise"; });
    DispersionOptions options;
    options.normalise = valued.size() < args.size();
    ArgumentList parsed;
    if (const auto problem = SplitArguments(
            valued, {"--fmin", "--fmax", "--df", "--vmin", "--vmax", "--dv", "--traces", "-o", "--picks"},
            parsed)) {
        return UsageError(self, *problem);
    }
    if (parsed.positional.size() != 1) {
        return UsageError(self, "expected one PATH");
    }
    DispersionRange& range = options.range;
    const std::pair<const char*, double*> numbers[] = {
        {"--fmin", &range.fMin}, {"--fmax", &range.fMax}, {"--df", &range.fStep},
        {"--vmin", &range.vMin}, {"--vmax", &range.vMax}, {"--dv", &range.vStep},
    };
    for (const auto& [option, value] : numbers) {
        if (parsed.Has(option)) {
            *value = ParseLeadingFloat(parsed.Value(option));
        }
    }
    if (parsed.Has("--traces")) {
        if (const std::string problem = ParseTraceList(parsed.Value("--traces"), options.traces);
            !problem.empty()) {
            return UsageError(self, problem);
        }
    }
    const std::string& picture = parsed.Value("-o");
    if (parsed.Has("-o")) {
        if (!HasExtension(picture, ".png") && !HasExtension(picture, ".bmp")) {
            return UsageError(self, "OUT must end in .png or .bmp");
        }
        if (!CanDrawDispersion()) {
            return kExitFailed;
        }
    }

    CliHost host;
    CKVTDoc doc(host);
    if (!doc.OpenDocument(parsed.positional[0])) {
        return kExitFailed;
    }
    const int count = doc.Record().m_traces.TraceCount();
    for (int t : options.traces) {
        if (t < 0 || t >= count) {
            return UsageError(self, "trace " + std::to_string(t) + " is outside the record's traces 0.." +
                                        std::to_string(count - 1));
        }
    }
    DispersionImage image;
    if (const DispersionError error = ComputeDispersion(doc.Record(), options, image);
        error != DispersionError::None) {
        host.ShowMessage({DispersionErrorText(error), "Error", MessageIcon::Error, ""});
        return kExitFailed;
    }
    if ((parsed.Has("--picks") && !WritePicks(PeakPicks(image), parsed.Value("--picks"))) ||
        (parsed.Has("-o") && !WriteDispersionPicture(image, picture))) {
        host.ShowMessage(SaveFailedMessage());
        return kExitFailed;
    }
    std::string out;
    for (size_t f = 0; f < image.frequencies.size(); ++f) {
        AppendLine(out, "%.2f %.1f %.4f\n", image.frequencies[f], image.peakVelocity[f],
                   static_cast<double>(image.peakPower[f]));
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

} // namespace kvt::cli
