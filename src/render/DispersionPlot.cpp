#include "DispersionPlot.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace kvt {

namespace {

constexpr int kMaxPictureSide = 16384;

// Viridis as a sixth-degree polynomial per channel (a close fit of the published table), sampled once
// into 256 entries.
const std::array<QRgb, 256>& Viridis() {
    static const std::array<QRgb, 256> table = [] {
        constexpr std::array<std::array<double, 7>, 3> c = {{
            {0.2777273272234177, 0.1050930431085774, -0.3308618287255563, -4.634230498983486,
             6.228269936347081, 4.776384997670288, -5.435455855934631},
            {0.005407344544966578, 1.404613529898575, 0.214847559468213, -5.799100973351585,
             14.17993336680509, -13.74514537774601, 4.645852612178535},
            {0.3340998053353061, 1.384590162594685, 0.09509516302823659, -19.33244095627987,
             56.69055260068105, -65.35303263337234, 26.3124352495832},
        }};
        std::array<QRgb, 256> out{};
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / 255.0;
            std::array<int, 3> rgb{};
            for (size_t k = 0; k < 3; ++k) {
                double v = 0.0;
                for (size_t j = c[k].size(); j-- > 0;) {
                    v = v * t + c[k][j];
                }
                rgb[k] = static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
            }
            out[i] = qRgb(rgb[0], rgb[1], rgb[2]);
        }
        return out;
    }();
    return table;
}

QRgb ColourOf(float power, float top) {
    // Not-a-number power (a broken input) shows as none rather than indexing outside the table.
    const float ratio = power / top;
    const float t = ratio > 0.0f ? std::min(ratio, 1.0f) : 0.0f;
    return Viridis()[static_cast<size_t>(std::lround(t * 255.0f))];
}

// Steps of 1, 2 or 5 times a power of ten, the smallest that keeps the ticks at most `maxTicks`.
double NiceStep(double span, double maxTicks) {
    if (!(span > 0.0) || !std::isfinite(span)) {
        return 1.0;
    }
    const double raw = span / std::max(maxTicks, 1.0);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0}) {
        if (m * magnitude >= raw * (1.0 - 1e-9)) {
            return m * magnitude;
        }
    }
    return 10.0 * magnitude;
}

QString TickText(double value, double step) {
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    // A value of -0.0 prints as "-0".
    return QString::number(std::abs(value) < step * 1e-6 ? 0.0 : value, 'f', decimals);
}

std::vector<double> Ticks(double low, double high, double step) {
    std::vector<double> ticks;
    for (double k = std::ceil(low / step - 1e-9); k * step <= high + step * 1e-9 && ticks.size() < 200; ++k) {
        ticks.push_back(k * step);
    }
    return ticks;
}

// Pixel sizes for this device: at least a 9-point face (so a printed page gets text of the same
// physical size as the screen), growing with large pictures so that the text keeps its share of
// them, and shrunk for very small ones. Lines grow with the text.
struct Metrics {
    QFont font;
    double unit = 1.0; // the width of a thin line
    double text = 0.0; // line height
    double gap = 0.0;
    double tick = 0.0;
};

Metrics MakeMetrics(const QPaintDevice& device, const QRect& area) {
    Metrics m;
    const double dpi = std::max(device.logicalDpiY(), 1);
    const double pixels = std::min(std::max(dpi * 9.0 / 72.0, area.height() / 46.0), area.height() / 26.0);
    m.font = QFont(QStringLiteral("Sans Serif"));
    m.font.setStyleHint(QFont::SansSerif);
    m.font.setPixelSize(std::max(6, static_cast<int>(std::lround(pixels))));
    m.unit = std::max(1.0, m.font.pixelSize() / 12.5);
    m.text = QFontMetricsF(m.font, &device).height();
    m.gap = std::round(m.text * 0.35);
    m.tick = std::round(m.text * 0.4);
    return m;
}

void DrawRotatedTitle(QPainter& painter, const QString& text, double x, double centreY) {
    painter.save();
    painter.translate(x, centreY);
    painter.rotate(-90.0);
    const QFontMetricsF fm(painter.font(), painter.device());
    painter.drawText(QPointF(-fm.horizontalAdvance(text) / 2.0, fm.ascent()), text);
    painter.restore();
}

// The image as one pixel per grid point, velocities up.
QImage PowerImage(const DispersionImage& image, float top) {
    const size_t nf = image.frequencies.size();
    const size_t nv = image.velocities.size();
    QImage out(static_cast<int>(nf), static_cast<int>(nv), QImage::Format_RGB32);
    if (out.isNull()) {
        return out;
    }
    for (size_t v = 0; v < nv; ++v) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(static_cast<int>(nv - 1 - v)));
        for (size_t f = 0; f < nf; ++f) {
            line[f] = ColourOf(image.At(f, v), top);
        }
    }
    return out;
}

bool HasImage(const DispersionImage& image) {
    return !image.frequencies.empty() && !image.velocities.empty() &&
           image.power.size() == image.frequencies.size() * image.velocities.size();
}

// The grid's first and last points lie on the image's edges; a single row or column gets a unit span.
void SetRanges(DispersionPlotLayout& layout, const DispersionImage& image) {
    layout.fMin = image.frequencies.front();
    layout.fMax = image.frequencies.back();
    layout.vMin = image.velocities.front();
    layout.vMax = image.velocities.back();
    if (!(layout.fMax > layout.fMin)) {
        layout.fMin -= 0.5;
        layout.fMax += 0.5;
    }
    if (!(layout.vMax > layout.vMin)) {
        layout.vMin -= 0.5;
        layout.vMax += 0.5;
    }
}

void DrawImage(QPainter& painter, const DispersionPlotLayout& layout, const DispersionImage& image,
               float top) {
    const QImage cells = PowerImage(image, top);
    if (cells.isNull()) {
        return;
    }
    // Cell centres on the grid points: the source starts half a cell in, unless a side has one cell.
    const double sx = cells.width() > 1 ? 0.5 : 0.0;
    const double sy = cells.height() > 1 ? 0.5 : 0.0;
    const QRectF source(sx, sy, cells.width() - 2 * sx, cells.height() - 2 * sy);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(layout.image), cells, source);
    painter.restore();
}

void DrawPeaks(QPainter& painter, const DispersionPlotLayout& layout, const DispersionImage& image,
               double unit) {
    QPainterPath path;
    bool started = false;
    for (size_t f = 0; f < image.frequencies.size() && f < image.peakVelocity.size(); ++f) {
        if (f >= image.peakPower.size() || !(image.peakPower[f] > 0.0f)) {
            continue;
        }
        const QPointF p = layout.PointOf({image.frequencies[f], image.peakVelocity[f]});
        if (started) {
            path.lineTo(p);
        } else {
            path.moveTo(p);
            started = true;
        }
    }
    if (!started) {
        return;
    }
    // A dark edge keeps the white line visible over the bright peak colours.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 160), 4.0 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(Qt::white, 2.0 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

void DrawPicks(QPainter& painter, const DispersionPlotLayout& layout, std::vector<DispersionPick> picks,
               double unit) {
    if (picks.empty()) {
        return;
    }
    std::sort(picks.begin(), picks.end(),
              [](const DispersionPick& a, const DispersionPick& b) { return a.frequency < b.frequency; });
    const QColor red(0xE8, 0x26, 0x2B);
    QPolygonF line;
    for (const DispersionPick& pick : picks) {
        line << layout.PointOf(pick);
    }
    painter.setPen(QPen(red, 2.0 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
    painter.setPen(QPen(Qt::white, 1.5 * unit));
    painter.setBrush(red);
    const double r = 3.5 * unit;
    for (const QPointF& p : line) {
        painter.drawEllipse(p, r, r);
    }
}

void DrawColourBar(QPainter& painter, const QRect& bar, float top, const Metrics& m) {
    QImage ramp(1, 256, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i) {
        ramp.setPixel(0, 255 - i, Viridis()[static_cast<size_t>(i)]);
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(bar), ramp, QRectF(0, 0.5, 1, 255));
    painter.restore();
    painter.setPen(QPen(Qt::black, m.unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(bar));
    const QFontMetricsF fm(painter.font(), painter.device());
    const double step = NiceStep(top, bar.height() / (m.text * 2.8));
    for (double value : Ticks(0.0, top, step)) {
        const double y = bar.bottom() + 1 - value / top * bar.height();
        const double x = bar.right() + 1;
        painter.drawLine(QPointF(x, y), QPointF(x + m.tick, y));
        painter.drawText(QPointF(x + m.tick + m.gap, y - fm.height() / 2 + fm.ascent()),
                         TickText(value, step));
    }
}

} // namespace

DispersionPick DispersionPlotLayout::PickAt(QPoint point) const {
    if (image.isEmpty()) {
        return {fMin, vMin};
    }
    const double tx = (point.x() + 0.5 - image.left()) / image.width();
    const double ty = (image.top() + image.height() - (point.y() + 0.5)) / image.height();
    return {fMin + tx * (fMax - fMin), vMin + ty * (vMax - vMin)};
}

QPointF DispersionPlotLayout::PointOf(const DispersionPick& pick) const {
    const double tx = fMax > fMin ? (pick.frequency - fMin) / (fMax - fMin) : 0.0;
    const double ty = vMax > vMin ? (pick.velocity - vMin) / (vMax - vMin) : 0.0;
    return {image.left() + tx * image.width(), image.top() + image.height() - ty * image.height()};
}

DispersionPlotLayout PaintDispersion(QPainter& painter, const QRect& area, const DispersionImage& image,
                                     const DispersionPlotOptions& options) {
    DispersionPlotLayout layout;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(area, Qt::white);
    const Metrics m = MakeMetrics(*painter.device(), area);
    painter.setFont(m.font);
    const QFontMetricsF fm(m.font, painter.device());

    const bool has = HasImage(image);
    float top = 1.0f;
    if (has) {
        SetRanges(layout, image);
        const float peak = *std::max_element(image.power.begin(), image.power.end());
        top = std::isfinite(peak) && peak > 0.0f ? peak : 1.0f;
    }
    const QString fTitle = QCoreApplication::translate("DispersionPlot", "频率 (Hz)");
    const QString vTitle = QCoreApplication::translate("DispersionPlot", "相速度 (m/s)");
    const QString barTitle = QCoreApplication::translate("DispersionPlot", "功率");

    const double topMargin = m.text;
    const double bottom = m.tick + m.gap + m.text + m.gap + m.text + m.gap;
    // The widest velocity label decides the left margin, the colour bar's labels the right one.
    const double vStep =
        NiceStep(layout.vMax - layout.vMin, (area.height() - topMargin - bottom) / (m.text * 2.8));
    double vLabelWidth = fm.horizontalAdvance(QStringLiteral("0000"));
    for (double value : Ticks(layout.vMin, layout.vMax, vStep)) {
        vLabelWidth = std::max(vLabelWidth, fm.horizontalAdvance(TickText(value, vStep)));
    }
    const double barLabelWidth = fm.horizontalAdvance(QStringLiteral("0.00"));
    const double left = m.gap + m.text + m.gap + vLabelWidth + m.gap + m.tick;
    const double right = 2 * m.gap + m.text + m.tick + m.gap + barLabelWidth + m.gap + m.text + m.gap;
    const QRect plot = QRectF(area).adjusted(left, topMargin, -right, -bottom).toRect();
    if (plot.width() < 4 || plot.height() < 4) {
        painter.restore();
        return layout;
    }
    layout.image = plot;
    const int barWidth = static_cast<int>(std::lround(m.text));
    layout.colourBar =
        QRect(plot.right() + 1 + static_cast<int>(2 * m.gap), plot.top(), barWidth, plot.height());

    if (has) {
        DrawImage(painter, layout, image, top);
    } else {
        painter.fillRect(plot, QColor(0xF2, 0xF2, 0xF2));
    }

    painter.setPen(QPen(Qt::black, m.unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(plot));
    const double axisY = plot.top() + plot.height();
    if (has) {
        const double fLabel = fm.horizontalAdvance(TickText(layout.fMax, 1.0)) + m.text * 2.0;
        const double fStep = NiceStep(layout.fMax - layout.fMin, plot.width() / fLabel);
        for (double f : Ticks(layout.fMin, layout.fMax, fStep)) {
            const double x = layout.PointOf({f, layout.vMin}).x();
            painter.drawLine(QPointF(x, axisY), QPointF(x, axisY + m.tick));
            const QString text = TickText(f, fStep);
            painter.drawText(
                QPointF(x - fm.horizontalAdvance(text) / 2, axisY + m.tick + m.gap + fm.ascent()), text);
        }
        for (double v : Ticks(layout.vMin, layout.vMax, vStep)) {
            const double y = layout.PointOf({layout.fMin, v}).y();
            painter.drawLine(QPointF(plot.left() - m.tick, y), QPointF(plot.left(), y));
            const QString text = TickText(v, vStep);
            painter.drawText(QPointF(plot.left() - m.tick - m.gap - fm.horizontalAdvance(text),
                                     y - fm.height() / 2 + fm.ascent()),
                             text);
        }
    }
    const double fTitleWidth = fm.horizontalAdvance(fTitle);
    painter.drawText(QPointF(plot.left() + (plot.width() - fTitleWidth) / 2,
                             axisY + m.tick + m.gap + m.text + m.gap + fm.ascent()),
                     fTitle);
    DrawRotatedTitle(painter, vTitle, area.left() + m.gap, plot.top() + plot.height() / 2.0);

    if (has) {
        DrawColourBar(painter, layout.colourBar, top, m);
        DrawRotatedTitle(painter, barTitle, area.left() + area.width() - m.gap - m.text,
                         plot.top() + plot.height() / 2.0);
        painter.save();
        painter.setClipRect(plot);
        if (options.showPeaks) {
            DrawPeaks(painter, layout, image, m.unit);
        }
        DrawPicks(painter, layout, options.picks, m.unit);
        painter.restore();
    }
    painter.restore();
    return layout;
}

bool SaveDispersionPicture(const DispersionImage& image, const DispersionPlotOptions& options, QSize size,
                           const std::string& path) {
    const QString name = QString::fromStdString(path);
    const QString suffix = QFileInfo(name).suffix().toLower();
    const char* format = suffix == QStringLiteral("png")   ? "PNG"
                         : suffix == QStringLiteral("bmp") ? "BMP"
                                                           : nullptr;
    if (format == nullptr || size.width() < 1 || size.height() < 1 || size.width() > kMaxPictureSide ||
        size.height() > kMaxPictureSide) {
        return false;
    }
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull()) {
        return false;
    }
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        PaintDispersion(painter, picture.rect(), image, options);
    }
    QSaveFile file(name);
    return file.open(QIODevice::WriteOnly) && picture.save(&file, format) && file.commit();
}

} // namespace kvt
