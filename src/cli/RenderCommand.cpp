// render: the output picture of a record (no edit overlays) as a 24-bit BMP, as the image output
// dialog writes it, or as a PNG. Drawing needs QtGui but no display: the offscreen platform is used.
#include "ArgumentList.h"
#include "CliHost.h"
#include "Commands.h"
#include "OffscreenGui.h"
#include "base/ByteSink.h"
#include "base/NumberText.h"
#include "document/CKVTDoc.h"
#include "document/Messages.h"
#include "formats/BmpFile.h"
#include "render/CTraceRenderer.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>

namespace kvt::cli {

namespace {

struct RenderOptions {
    std::string path;
    std::string out;
    int32_t width = 1024;
    int32_t height = 768;
    FillMode fillMode = FillMode::Positive;
    ScaleMode scaleMode = ScaleMode::Global;
    int32_t gainDb = 0;
    int32_t ampRange = 2;
    bool png = false;
};

// Fills `options` from the arguments; returns the problem for the usage text, or nothing.
std::optional<std::string> ParseOptions(const Args& args, RenderOptions& options) {
    ArgumentList parsed;
    if (const auto problem = SplitArguments(
            args, {"-o", "--width", "--height", "--fill", "--scale", "--gain", "--range"}, parsed)) {
        return problem;
    }
    if (parsed.positional.size() > 1) {
        return "more than one PATH";
    }
    if (parsed.positional.empty()) {
        return "expected PATH";
    }
    options.path = parsed.positional[0];
    options.out = parsed.Value("-o");
    if (parsed.Has("--width")) {
        options.width = ParseLeadingInt(parsed.Value("--width"));
    }
    if (parsed.Has("--height")) {
        options.height = ParseLeadingInt(parsed.Value("--height"));
    }
    if (parsed.Has("--fill")) {
        const std::string& fill = parsed.Value("--fill");
        const char* const modes[] = {"positive", "negative", "wiggle"};
        const auto found = std::find(std::begin(modes), std::end(modes), fill);
        if (found == std::end(modes)) {
            return "--fill takes positive, negative or wiggle";
        }
        options.fillMode = static_cast<FillMode>(found - std::begin(modes));
    }
    if (parsed.Has("--scale")) {
        const std::string& scale = parsed.Value("--scale");
        if (scale != "global" && scale != "trace") {
            return "--scale takes global or trace";
        }
        options.scaleMode = scale == "trace" ? ScaleMode::Trace : ScaleMode::Global;
    }
    if (parsed.Has("--gain")) {
        options.gainDb = ParseLeadingInt(parsed.Value("--gain"));
        if (options.gainDb < -60 || options.gainDb > 60) {
            return "--gain takes -60 to 60 (dB)";
        }
    }
    if (parsed.Has("--range")) {
        options.ampRange = ParseLeadingInt(parsed.Value("--range"));
        if (options.ampRange < 1 || options.ampRange > 5) {
            return "--range takes 1 to 5";
        }
    }
    if (options.out.empty()) {
        return "expected -o OUT";
    }
    options.png = HasExtension(options.out, ".png");
    if (!options.png && !HasExtension(options.out, ".bmp")) {
        return "OUT must end in .bmp or .png";
    }
    return std::nullopt;
}

// The image output dialog's size check: both messages may appear.
bool SizeIsValid(const RenderOptions& options, CliHost& host) {
    bool valid = true;
    if (options.width <= 0) {
        host.ShowMessage(ImageWidthInvalidMessage());
        valid = false;
    }
    if (options.height <= 0) {
        host.ShowMessage(ImageHeightInvalidMessage());
        valid = false;
    }
    return valid;
}

bool WritePng(const QImage& image, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        return false;
    }
    AtomicFileSink sink(path);
    return sink.IsOpen() && sink.Write(bytes.constData(), static_cast<size_t>(bytes.size())) && sink.Finish();
}

} // namespace

int RunRender(const Args& args) {
    const Command& self = CommandNamed("render");
    RenderOptions options;
    if (const auto problem = ParseOptions(args, options)) {
        return UsageError(self, *problem);
    }
    CliHost host;
    if (!SizeIsValid(options, host)) {
        return kExitFailed;
    }
    // The file's 32-bit size field bounds every picture, PNG included.
    if (BmpStride(options.width) * static_cast<uint64_t>(options.height) + kBmpHeaderBytes > UINT32_MAX) {
        std::fprintf(stderr, "kvt-cli render: a %d x %d picture is too large\n", options.width,
                     options.height);
        return kExitFailed;
    }
    CKVTDoc doc(host);
    if (!doc.OpenDocument(options.path)) {
        return kExitFailed;
    }
    DisplaySettings display = doc.Display();
    display.m_nFillMode = options.fillMode;
    display.m_nScaleMode = options.scaleMode;
    display.m_nGainDb = options.gainDb;
    display.m_nAmpRange = options.ampRange;
    doc.SetDisplay(display);

    const OffscreenGui gui("render");

    QImage image(options.width, options.height, QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "kvt-cli render: no memory for a %d x %d picture\n", options.width,
                     options.height);
        return kExitFailed;
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TraceLayout layout;
        CTraceRenderer(doc, layout)
            .DrawRecord(painter, PixelRect{0, 0, options.width, options.height}, false);
    }
    const bool written = options.png
                             ? WritePng(image, options.out)
                             : WriteBmpFile(options.out, image.width(), image.height(),
                                            reinterpret_cast<const uint32_t*>(image.constBits()),
                                            static_cast<size_t>(image.bytesPerLine()) / sizeof(uint32_t));
    if (!written) {
        host.ShowMessage(BmpWriteFailedMessage());
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace kvt::cli
