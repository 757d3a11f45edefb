// render: the output picture of a record (no edit overlays) as a 24-bit BMP, as the image output
// dialog writes it, or as a PNG. Drawing needs QtGui but no display: the offscreen platform is used.
#include "CliHost.h"
#include "Commands.h"
#include "OpenRecord.h"
#include "display/CTraceRenderer.h"
#include "formats/BmpFile.h"
#include "formats/ByteSink.h"
#include "record/CKVTDoc.h"
#include "record/NumberText.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace kvt::cli {

namespace {

struct RenderOptions {
    std::string path;
    std::string out;
    int32_t width = 1024;
    int32_t height = 768;
    int32_t fillMode = 0;
    int32_t scaleMode = 0;
    int32_t gainDb = 0;
    int32_t ampRange = 2;
    bool png = false;
};

bool EndsWith(const std::string& text, const std::string& tail) {
    if (text.size() < tail.size()) {
        return false;
    }
    return std::equal(
        tail.begin(), tail.end(), text.end() - static_cast<std::ptrdiff_t>(tail.size()),
        [](char want, char have) { return std::tolower(static_cast<unsigned char>(have)) == want; });
}

// Fills `options` from the arguments; returns the problem for the usage text, or nothing.
std::optional<std::string> ParseOptions(const Args& args, RenderOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 1 && a[0] == '-') {
            if (i + 1 >= args.size()) {
                return a + " needs a value";
            }
            const std::string& value = args[++i];
            if (a == "-o") {
                options.out = value;
            } else if (a == "--width") {
                options.width = ParseLeadingInt(value);
            } else if (a == "--height") {
                options.height = ParseLeadingInt(value);
            } else if (a == "--fill") {
                if (value == "positive") {
                    options.fillMode = 0;
                } else if (value == "negative") {
                    options.fillMode = 1;
                } else if (value == "wiggle") {
                    options.fillMode = 2;
                } else {
                    return "--fill takes positive, negative or wiggle";
                }
            } else if (a == "--scale") {
                if (value == "global") {
                    options.scaleMode = 0;
                } else if (value == "trace") {
                    options.scaleMode = 1;
                } else {
                    return "--scale takes global or trace";
                }
            } else if (a == "--gain") {
                options.gainDb = ParseLeadingInt(value);
                if (options.gainDb < -60 || options.gainDb > 60) {
                    return "--gain takes -60 to 60 (dB)";
                }
            } else if (a == "--range") {
                options.ampRange = ParseLeadingInt(value);
                if (options.ampRange < 1 || options.ampRange > 5) {
                    return "--range takes 1 to 5";
                }
            } else {
                return "unknown option " + a;
            }
        } else if (options.path.empty()) {
            options.path = a;
        } else {
            return "more than one PATH";
        }
    }
    if (options.path.empty()) {
        return "expected PATH";
    }
    if (options.out.empty()) {
        return "expected -o OUT";
    }
    options.png = EndsWith(options.out, ".png");
    if (!options.png && !EndsWith(options.out, ".bmp")) {
        return "OUT must end in .bmp or .png";
    }
    return std::nullopt;
}

// The image output dialog's size check: both messages may appear.
bool SizeIsValid(const RenderOptions& options, CliHost& host) {
    bool valid = true;
    if (options.width <= 0) {
        host.ShowMessage({"宽度设置错误", "KVT", MessageIcon::None});
        valid = false;
    }
    if (options.height <= 0) {
        host.ShowMessage({"高度设置错误", "KVT", MessageIcon::None});
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

// Qt's own notes (no runtime folder, font substitutions) are not kvt-cli's messages; only a fatal
// error is reported.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "kvt-cli render: %s\n", text.toLocal8Bit().constData());
        std::abort();
    }
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
    if (!OpenRecord(doc, host, options.path)) {
        return kExitFailed;
    }
    doc.m_nFillMode = options.fillMode;
    doc.m_nScaleMode = options.scaleMode;
    doc.m_nGainDb = options.gainDb;
    doc.m_nAmpRange = options.ampRange;

    static char program[] = "kvt-cli";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {program, platformOption, platform, nullptr};
    int argc = 3;
    qInstallMessageHandler(QuietQtMessages);
    QGuiApplication application(argc, argv);

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
