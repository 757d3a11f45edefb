#include "SpectrumPlot.h"

#include "algorithms/CAlgorithm.h"
#include "base/Truncate.h"
#include "document/DocumentModes.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kvt {

namespace {

// Hertz between major ticks; the axis takes the largest that leaves five steps.
constexpr std::array<int32_t, 35> kSteps = {
    5,      10,     20,     50,     100,    200,    250,    300,    400,    500,    600,    750,
    800,    1000,   2000,   5000,   10000,  15000,  20000,  25000,  30000,  50000,  75000,  100000,
    125000, 150000, 175000, 200000, 250000, 300000, 350000, 400000, 500000, 750000, 1000000};

// The plot frame's distance from the view's edges: room for the labels left and below.
constexpr int32_t kFrameLeft = 40;
constexpr int32_t kFrameTop = 10;
constexpr int32_t kFrameRight = 10;
constexpr int32_t kFrameBottom = 40;

const QColor kFillGrey(0xDC, 0xDC, 0xDC);

// Ticks and grid lines are measured from their start and stop one pixel short of their end, so that a
// 6-pixel tick covers six pixels.
void AxisLine(QPainter& painter, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int32_t dx = (x2 > x1) - (x2 < x1);
    const int32_t dy = (y2 > y1) - (y2 < y1);
    if (dx != 0 || dy != 0) {
        painter.drawLine(x1, y1, x2 - dx, y2 - dy);
    }
}

// Text placed by the top-left corner of its cell.
void TextAt(QPainter& painter, int32_t x, int32_t y, const std::string& text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), QString::fromStdString(text));
}

// min(height / 2, 80) tenths of a point in whole pixels of the device, so that a small view gets
// smaller labels.
QFont AxisFont(const QPaintDevice& device, int32_t height) {
    const int64_t tenths = std::clamp<int64_t>(height / 2, 0, 80);
    const int64_t pixels = static_cast<int64_t>(device.logicalDpiY()) * tenths / 720;
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(static_cast<int>(std::max<int64_t>(pixels, 1)));
    return font;
}

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void DrawFrequencyAxis(QPainter& painter, const FrequencyAxis& axis, int32_t count, const QSize& size,
                       bool grid, const QPen& pen, const QPen& dotted) {
    const int32_t left = kFrameLeft;
    const int32_t width = size.width() - kFrameRight - left;
    const int32_t y0 = size.height() - kFrameBottom;
    const float xs = static_cast<float>(width) / static_cast<float>(count);
    painter.setPen(pen);
    TextAt(painter, left + width / 2, size.height() - 15, axis.unitLabel);
    const int32_t minor = TruncateToInt32(static_cast<double>(count) * axis.step / axis.fmax / 5.0);
    for (int32_t i = 0; i <= axis.majors; ++i) {
        const int32_t x = MajorTickX(axis, i, count, left, width);
        AxisLine(painter, x, y0, x, y0 + 6);
        if (grid && i > 0) {
            painter.setPen(dotted);
            AxisLine(painter, x, y0, x, kFrameTop);
            painter.setPen(pen);
        }
        if (i != axis.majors) {
            for (int32_t k = 1; k <= 4; ++k) {
                const int32_t xm =
                    TruncateToInt32(static_cast<float>(x) + static_cast<float>(k * minor) * xs);
                AxisLine(painter, xm, y0, xm, y0 + 3);
            }
        }
        const std::string label = axis.Label(i);
        TextAt(painter, x - 3 * static_cast<int32_t>(label.size()), y0 + 8, label);
    }
}

// Six ticks from 0.0 (the bottom) to 1.0 (the spectrum's peak), with grid lines at and between them.
void DrawAmplitudeAxis(QPainter& painter, const QSize& size, bool grid, const QPen& pen, const QPen& dotted) {
    const int32_t x1 = kFrameLeft;
    const int32_t right = size.width() - kFrameRight;
    const int32_t y0 = size.height() - kFrameBottom;
    const int32_t v = y0 - (kFrameTop + 10);
    for (int32_t j = 0; j <= 5; ++j) {
        const int32_t y = y0 - j * v / 5;
        AxisLine(painter, x1 - 5, y, x1, y);
        if (grid && j > 0) {
            painter.setPen(dotted);
            AxisLine(painter, x1, y, right, y);
            const int32_t half = TruncateToInt32(y0 - (j - 0.5) * v / 5.0);
            AxisLine(painter, x1, half, right, half);
            painter.setPen(pen);
        }
        TextAt(painter, x1 - 30, y - 6, Format("%.1f", j * 0.2));
    }
}

// Where the spectrum entries and the gate go: inside the frame, below a 10-pixel band at its top.
PixelRect InnerArea(const PixelRect& frame) {
    return {frame.left + 1, frame.top + 10, frame.right - 1, frame.bottom - 1};
}

void DrawCurve(QPainter& painter, const float* spectrum, int32_t count, float xs, float ys,
               const PixelRect& inner, const FilterSettings& settings) {
    QPolygon points(count);
    for (int32_t k = 0; k < count; ++k) {
        points[k] = QPoint(TruncateToInt32(static_cast<float>(inner.left) + static_cast<float>(k) * xs),
                           TruncateToInt32(static_cast<float>(inner.bottom) - spectrum[k] * ys));
    }
    const QPoint bottomLeft(inner.left, inner.bottom);
    if (settings.m_bSpectrumFill) {
        QPolygon area;
        area.reserve(count + 2);
        area << bottomLeft << points << QPoint(inner.right, inner.bottom);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kFillGrey);
        painter.drawPolygon(area);
    }
    painter.setPen(QPen(ColorFromRef(settings.m_crSpectrumCurve), 1));
    painter.setBrush(Qt::NoBrush);
    points.prepend(bottomLeft);
    painter.drawPolyline(points);
}

// The gate: a smooth shoulder through 72 % of the peak at the corner and 28 % a twentieth of the range
// beyond it (above the corner for the low-pass gate, below it for the high-pass one), falling to the
// bottom on the stop side. The points sit on a ramp from the peak down to the right, so the shoulder
// leans with it.
void DrawGate(QPainter& painter, FilterType type, float corner, float fmax, float peak, int32_t count,
              float xs, float ys, const PixelRect& in) {
    std::vector<float> ramp(static_cast<size_t>(count));
    for (int32_t k = 0; k < count; ++k) {
        ramp[static_cast<size_t>(k)] = peak / static_cast<float>(count) * static_cast<float>(count - k);
    }
    const auto index = [&](float hz) {
        return std::clamp(TruncateToInt32(hz / fmax * static_cast<float>(count)), 0, count - 1);
    };
    const auto x = [&](int32_t i) {
        return TruncateToInt32(static_cast<float>(i) * xs + static_cast<float>(in.left));
    };
    // Read after the entry was raised or lowered to its gate level.
    const auto y = [&](int32_t i) {
        return TruncateToInt32(static_cast<float>(in.bottom) - ramp[static_cast<size_t>(i)] * ys);
    };
    QPainterPath path;
    if (type == FilterType::LowPass) {
        const int32_t i1 = index(corner);
        ramp[static_cast<size_t>(i1)] = 0.72f * peak;
        const QPoint p0(in.left, y(1));
        const QPoint p1(x(i1), y(i1));
        path.moveTo(p0);
        path.cubicTo(QPoint(in.left + (p1.x() - in.left) / 3, p0.y()), QPoint(p1.x(), p0.y() / 2), p1);
        const int32_t i2 = index(corner + fmax / 20.0f);
        ramp[static_cast<size_t>(i2)] = 0.28f * peak;
        const QPoint p2(x(i2), y(i2));
        path.lineTo(p2);
        path.cubicTo(QPoint(p2.x(), p2.y() + (in.bottom - p2.y()) / 2),
                     QPoint(p2.x() + (in.right - p2.x()) / 3, in.bottom + 10), QPoint(in.right, in.bottom));
    } else {
        const int32_t i1 = std::max(index(std::min(corner, fmax) - fmax / 20.0f), 1);
        ramp[static_cast<size_t>(i1)] = 0.28f * peak;
        const QPoint p0(in.left, in.bottom);
        const QPoint p1(x(i1), y(i1));
        path.moveTo(p0);
        path.cubicTo(QPoint((p1.x() - in.left) / 3 + in.left, in.bottom + 10),
                     QPoint(p1.x(), in.bottom + (p1.y() - in.bottom) / 2), p1);
        const int32_t i2 = index(corner);
        ramp[static_cast<size_t>(i2)] = 0.72f * peak;
        const QPoint p2(x(i2), y(i2));
        path.lineTo(p2);
        const int32_t top = TruncateToInt32(static_cast<float>(in.bottom) - peak * ys);
        path.cubicTo(QPoint(p2.x(), p2.y() + (top - p2.y()) / 2),
                     QPoint(p2.x() + (in.right - p2.x()) / 3, top - 10), QPoint(in.right, top));
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

} // namespace

QColor ColorFromRef(uint32_t ref) {
    return {static_cast<int>(ref & 0xFFu), static_cast<int>((ref >> 8) & 0xFFu),
            static_cast<int>((ref >> 16) & 0xFFu)};
}

uint32_t RefFromColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<uint32_t>(rgb.red()) | static_cast<uint32_t>(rgb.green()) << 8 |
           static_cast<uint32_t>(rgb.blue()) << 16;
}

std::string FrequencyAxis::Label(int32_t i) const {
    const double value = static_cast<double>(i) * step / unit;
    return Format(step * (majors - 1) / unit > 5.0 ? "%.0f" : "%.2f", value);
}

FrequencyAxis MakeFrequencyAxis(float sampleIntervalUs, int32_t divisor) {
    FrequencyAxis axis;
    if (!std::isfinite(sampleIntervalUs) || !(sampleIntervalUs > 0.0f)) {
        return axis;
    }
    // 1,024,000 rather than 10^6: the axis reaches 2.4 % beyond the decimated Nyquist frequency.
    const float perSecond = 1024000.0f / sampleIntervalUs;
    const float fmax = perSecond / static_cast<float>(2 * std::max(divisor, 1));
    if (!std::isfinite(fmax) || !(fmax > 0.0f)) {
        return axis;
    }
    axis.fmax = fmax;
    if (fmax >= 1000000.0f) {
        axis.unit = 1000000.0;
        axis.unitLabel = "Mz";
    } else if (fmax >= 1000.0f) {
        axis.unit = 1000.0;
        axis.unitLabel = "kHz";
    }
    axis.step = kSteps.front();
    for (int32_t step : kSteps) {
        if (fmax / static_cast<float>(step) >= 5.0f) {
            axis.step = step;
        }
    }
    axis.majors = TruncateToInt32(fmax / static_cast<float>(axis.step));
    return axis;
}

int32_t MajorTickX(const FrequencyAxis& axis, int32_t i, int32_t count, int32_t left, int32_t width) {
    if (count <= 0 || !(axis.fmax > 0.0f)) {
        return left;
    }
    const float xs = static_cast<float>(width) / static_cast<float>(count);
    const int32_t bin = TruncateToInt32(static_cast<double>(count) * axis.step * i / axis.fmax);
    return TruncateToInt32(static_cast<float>(left) + static_cast<float>(bin) * xs);
}

float CornerAtX(int32_t x, const PixelRect& frame, float fmax) {
    const int32_t width = frame.right - frame.left;
    if (width <= 0 || !(fmax > 0.0f)) {
        return 0.0f;
    }
    const float f = static_cast<float>(x - frame.left) * fmax / static_cast<float>(width);
    return std::clamp(f, 0.0f, fmax);
}

void DrawSpectrum(QPainter& painter, QSize size, const std::vector<float>& spectrum, int32_t count,
                  const FilterSettings& settings, float cornerHz, float sampleIntervalUs,
                  SpectrumLayout& layout) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), size), ColorFromRef(settings.m_crSpectrumBack));
    const FrequencyAxis axis = MakeFrequencyAxis(sampleIntervalUs, settings.m_nFreqDivisor);
    count = std::min(count, static_cast<int32_t>(spectrum.size()));
    if (count < 1 || !(axis.fmax > 0.0f)) {
        painter.restore();
        return;
    }

    const QColor axisColour = settings.m_crSpectrumBack == 0 ? Qt::white : Qt::black;
    const QPen pen(axisColour, 1);
    const QPen dotted(axisColour, 1, Qt::DotLine);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(AxisFont(*painter.device(), size.height()));
    DrawFrequencyAxis(painter, axis, count, size, settings.m_bShowGrid, pen, dotted);
    DrawAmplitudeAxis(painter, size, settings.m_bShowGrid, pen, dotted);

    const PixelRect frame{kFrameLeft, kFrameTop, size.width() - kFrameRight, size.height() - kFrameBottom};
    layout.m_rcFrame = frame;
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.left, frame.top, frame.Width() - 1, frame.Height() - 1);

    const PixelRect inner = InnerArea(frame);
    const float peak = spectrum[static_cast<size_t>(CAlgorithm::FindMaxAbsIndex(spectrum.data(), count))];
    const float xs = static_cast<float>(inner.Width()) / static_cast<float>(count);
    // A flat (all-zero) spectrum has nothing to normalise to: no curve and no gate, only the point.
    const bool hasPeak = std::isfinite(peak) && peak > 0.0f;
    const float ys = hasPeak ? static_cast<float>(inner.Height()) / peak : 0.0f;
    if (hasPeak) {
        DrawCurve(painter, spectrum.data(), count, xs, ys, inner, settings);
    }

    const FilterType type = settings.m_nFilterType;
    if (settings.m_bShowGate && (type == FilterType::LowPass || type == FilterType::HighPass)) {
        const QColor gate = ColorFromRef(settings.m_crGateCurve);
        painter.setPen(QPen(gate, 1));
        if (settings.m_bShowControlPoints) {
            const int32_t px =
                TruncateToInt32(static_cast<float>(inner.left) +
                                cornerHz / axis.fmax * static_cast<float>(inner.Width()) - 5.0f);
            const int32_t py = TruncateToInt32(inner.bottom - 0.72 * inner.Height() - 5.0);
            painter.fillRect(QRect(px, py, 5, 5), gate);
            layout.m_rcControlPoints[static_cast<size_t>(type)] = {px, py, px + 5, py + 5};
        }
        if (hasPeak && count >= 2) {
            DrawGate(painter, type, cornerHz, axis.fmax, peak, count, xs, ys, inner);
        }
    }
    painter.restore();
}

} // namespace kvt
