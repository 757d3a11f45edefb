// spectrum and filter: the filter dialog's averaged amplitude spectrum and its low- and high-pass
// filters, run on a record file.
#include "ArgumentList.h"
#include "CliHost.h"
#include "Commands.h"
#include "base/NumberText.h"
#include "document/CKVTDoc.h"
#include "document/Messages.h"

#include <cstdio>
#include <string>
#include <vector>

namespace kvt::cli {

namespace {

// Makes the listed traces the document's multi-trace selection, in order and without repeats as the
// selection holds them. Returns the problem with an index outside the record, or "".
std::string SelectTraces(CKVTDoc& doc, const std::vector<int32_t>& traces) {
    if (traces.empty()) {
        return "";
    }
    const int32_t count = doc.Traces().TraceCount();
    doc.SetSelectMode(SelectMode::MultiTrace);
    doc.ClearSelTraces();
    for (int32_t t : traces) {
        if (t < 0 || t >= count) {
            return "trace " + std::to_string(t) + " is outside the record's traces 0.." +
                   std::to_string(count - 1);
        }
        doc.AddSelTrace(t);
    }
    return "";
}

} // namespace

int RunSpectrum(const Args& args) {
    const Command& self = CommandNamed("spectrum");
    ArgumentList parsed;
    if (const auto problem = SplitArguments(args, {"--divisor", "--traces"}, parsed)) {
        return UsageError(self, *problem);
    }
    if (parsed.positional.size() != 1) {
        return UsageError(self, "expected one PATH");
    }
    std::vector<int32_t> traces;
    if (parsed.Has("--traces")) {
        if (const std::string problem = ParseTraceList(parsed.Value("--traces"), traces); !problem.empty()) {
            return UsageError(self, problem);
        }
    }
    CliHost host;
    CKVTDoc doc(host);
    // The filter dialog's slider runs from 1 to 16.
    int32_t divisor = doc.Filter().m_nFreqDivisor;
    if (parsed.Has("--divisor")) {
        divisor = ParseLeadingInt(parsed.Value("--divisor"));
        if (divisor < 1 || divisor > 16) {
            return UsageError(self, "--divisor must be 1 to 16");
        }
    }
    if (!doc.OpenDocument(parsed.positional[0])) {
        return kExitFailed;
    }
    if (const std::string problem = SelectTraces(doc, traces); !problem.empty()) {
        return UsageError(self, problem);
    }
    FilterSettings settings = doc.Filter();
    settings.m_nFreqDivisor = divisor;
    doc.SetFilter(settings);
    const std::vector<float> spectrum = doc.ComputeRecordSpectrum();
    if (spectrum.empty()) {
        std::fprintf(stderr,
                     "kvt-cli spectrum: the record has no traces, no samples or no usable sample interval\n");
        return kExitFailed;
    }
    std::string out;
    char line[96];
    for (int32_t k = 0; k < doc.SpectrumLength() / 2; ++k) {
        const int length = std::snprintf(line, sizeof line, "%d\t%.9g\t%.9g\n", k, doc.SpectrumBinHz(k),
                                         static_cast<double>(spectrum[static_cast<size_t>(k)]));
        out.append(line, static_cast<size_t>(length));
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

int RunFilter(const Args& args) {
    const Command& self = CommandNamed("filter");
    ArgumentList parsed;
    if (const auto problem = SplitArguments(args, {"-o", "--corner", "--type", "--traces"}, parsed)) {
        return UsageError(self, *problem);
    }
    if (parsed.positional.size() != 1) {
        return UsageError(self, "expected one PATH");
    }
    if (!parsed.Has("-o") || !parsed.Has("--corner")) {
        return UsageError(self, "-o OUT and --corner HZ are required");
    }
    FilterType type = FilterType::LowPass;
    if (parsed.Has("--type")) {
        const std::string& name = parsed.Value("--type");
        if (name != "low" && name != "high") {
            return UsageError(self, "--type must be low or high");
        }
        type = name == "high" ? FilterType::HighPass : FilterType::LowPass;
    }
    std::vector<int32_t> traces;
    if (parsed.Has("--traces")) {
        if (const std::string problem = ParseTraceList(parsed.Value("--traces"), traces); !problem.empty()) {
            return UsageError(self, problem);
        }
    }
    const std::string& outPath = parsed.Value("-o");
    CliHost host;
    CKVTDoc doc(host);
    if (!doc.OpenDocument(parsed.positional[0])) {
        return kExitFailed;
    }
    if (const std::string problem = SelectTraces(doc, traces); !problem.empty()) {
        return UsageError(self, problem);
    }
    if (!FileTypeOfPath(outPath)) {
        host.ShowMessage(SaveFailedMessage());
        return kExitFailed;
    }
    // The filter type, and the corner in the value the document keeps for that type.
    FilterSettings filter = doc.Filter();
    filter.m_nFilterType = type;
    doc.SetFilter(filter);
    doc.SetFilterCornerHz(static_cast<float>(ParseLeadingFloat(parsed.Value("--corner"))));
    // The document refuses a corner the filter cannot use with the dialog's message; then nothing is
    // written. Traces the filter is undefined for (silent or too short ones) stay as they are, as in
    // the desktop program, which shows nothing about them either.
    const bool inBand = doc.FilterCornerInBand();
    doc.ApplyFilter();
    if (!inBand) {
        return kExitFailed;
    }
    return doc.SaveByPath(outPath) ? kExitOk : kExitFailed;
}

} // namespace kvt::cli
