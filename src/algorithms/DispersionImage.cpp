#include "DispersionImage.h"

#include "base/TranslationMarks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

namespace kvt {

namespace {

constexpr double kTwoPi = 6.283185307179586476925;

// Velocities handled together: their phase tables for every trace of a group stay in the first-level
// cache while the frequencies are stepped through.
constexpr size_t kVelocityBlock = 32;

// The unit spectra of a group of traces at every frequency are kept while the velocities are stepped
// through, and its samples as doubles while the spectra are taken; groups stay within this many bytes
// of each whatever the record holds.
constexpr size_t kGroupBytes = 16u << 20;

// How many points lo, lo + step, ... up to hi there are; 0 when the range is unusable or too long.
// The tolerance keeps hi on the grid when it is meant to be ((1.0 - 0.3) / 0.1 is 6.9999...).
size_t GridCount(double lo, double hi, double step) {
    if (!std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(step) || lo <= 0.0 || hi < lo ||
        step <= 0.0) {
        return 0;
    }
    const double steps = std::floor((hi - lo) / step * (1.0 + 1e-12) + 1e-9);
    if (!(steps < static_cast<double>(kDispersionMaxPoints))) {
        return 0;
    }
    return static_cast<size_t>(steps) + 1;
}

std::vector<double> Grid(double lo, double step, size_t count) {
    std::vector<double> values(count);
    for (size_t i = 0; i < count; ++i) {
        values[i] = lo + static_cast<double>(i) * step;
    }
    return values;
}

struct UsedTrace {
    const int32_t* samples;
    double mean;
    double scale; // sum of magnitudes: what rounding in the trace's spectrum is measured against
    double offset;
};

// The listed traces (all when none are listed) that have signal, in record order, each once.
std::vector<UsedTrace> UsedTraces(const CShotRecord& record, const std::vector<int>& wanted, size_t samples) {
    const int32_t count = record.m_traces.TraceCount();
    std::vector<bool> take(static_cast<size_t>(std::max(count, 0)), wanted.empty());
    for (int index : wanted) {
        if (index >= 0 && index < count) {
            take[static_cast<size_t>(index)] = true;
        }
    }
    std::vector<UsedTrace> used;
    for (int32_t i = 0; i < count; ++i) {
        const auto& trace = record.m_traces.m_arrTraces[static_cast<size_t>(i)];
        if (!take[static_cast<size_t>(i)] || samples == 0 || trace.size() < samples) {
            continue;
        }
        const int32_t* x = trace.data();
        if (std::all_of(x, x + samples, [first = x[0]](int32_t s) { return s == first; })) {
            continue;
        }
        double sum = 0.0, magnitude = 0.0;
        for (size_t n = 0; n < samples; ++n) {
            sum += x[n];
            magnitude += std::fabs(static_cast<double>(x[n]));
        }
        const float position = static_cast<size_t>(i) < record.m_receivers.size()
                                   ? record.m_receivers[static_cast<size_t>(i)].fPosition
                                   : 0.0f;
        const double offset =
            std::fabs(static_cast<double>(position) - static_cast<double>(record.m_shot.fX));
        used.push_back({x, sum / static_cast<double>(samples), magnitude, offset});
    }
    return used;
}

bool OffsetsDiffer(const std::vector<UsedTrace>& used) {
    double lo = std::numeric_limits<double>::infinity(), hi = 0.0;
    for (const UsedTrace& t : used) {
        if (!std::isfinite(t.offset)) {
            return false;
        }
        lo = std::min(lo, t.offset);
        hi = std::max(hi, t.offset);
    }
    return hi - lo > 1e-6 * std::max(hi, 1.0);
}

// e^{i·start}, e^{i·(start + step)}, ... for each entry: the current value and its step, each taken
// exactly, so advancing costs one complex multiply instead of a sine and a cosine.
struct Rotation {
    std::vector<double> re, im, stepRe, stepIm;

    void Resize(size_t size) {
        re.resize(size);
        im.resize(size);
        stepRe.resize(size);
        stepIm.resize(size);
    }
    // An angle beyond the double range (an absurdly slow velocity) gives an entry that adds nothing.
    void Set(size_t k, double start, double step) {
        if (!std::isfinite(start) || !std::isfinite(step)) {
            re[k] = im[k] = stepRe[k] = stepIm[k] = 0.0;
            return;
        }
        re[k] = std::cos(start);
        im[k] = std::sin(start);
        stepRe[k] = std::cos(step);
        stepIm[k] = std::sin(step);
    }
    // Double precision keeps the drift over the longest frequency axis near 1e-12.
    void Advance() {
        for (size_t k = 0; k < re.size(); ++k) {
            const double r = re[k] * stepRe[k] - im[k] * stepIm[k];
            im[k] = re[k] * stepIm[k] + im[k] * stepRe[k];
            re[k] = r;
        }
    }
};

// sum[k] += a·e[k], then e[k] one step forward: one pass over the phases. The arrays never overlap,
// which the compiler needs told to vectorise the loop.
void AccumulateAndStep(size_t count, double aRe, double aIm, double* __restrict eRe, double* __restrict eIm,
                       const double* __restrict stepRe, const double* __restrict stepIm,
                       double* __restrict sumRe, double* __restrict sumIm) {
    for (size_t k = 0; k < count; ++k) {
        const double er = eRe[k], ei = eIm[k];
        sumRe[k] += aRe * er - aIm * ei;
        sumIm[k] += aRe * ei + aIm * er;
        eRe[k] = er * stepRe[k] - ei * stepIm[k];
        eIm[k] = er * stepIm[k] + ei * stepRe[k];
    }
}

// out[j] = Σ x[n][j]·(re[n] + i·im[n]) for `traces` traces stored sample by sample: the inner loop runs
// over traces, so it vectorises without reordering any sum.
void Correlate(const double* __restrict x, size_t traces, const double* __restrict re,
               const double* __restrict im, size_t samples, double* __restrict outRe,
               double* __restrict outIm) {
    std::fill(outRe, outRe + traces, 0.0);
    std::fill(outIm, outIm + traces, 0.0);
    for (size_t n = 0; n < samples; ++n) {
        const double c = re[n], s = im[n];
        const double* row = x + n * traces;
        for (size_t j = 0; j < traces; ++j) {
            outRe[j] += row[j] * c;
            outIm[j] += row[j] * s;
        }
    }
}

// The spectrum of each trace at exactly each frequency, as a direct transform (no frequency is
// rounded to a bin), mean removed and reduced to unit magnitude: unit[f * traces.size() + j]. The
// kernel e^{-i2πf·n·dt} steps from one frequency to the next by one multiply per sample.
void UnitSpectra(std::span<const UsedTrace> traces, size_t samples, double dt,
                 const std::vector<double>& frequencies, double fStep, std::vector<double>& unitRe,
                 std::vector<double>& unitIm) {
    const size_t count = traces.size();
    std::vector<double> centred(samples * count);
    for (size_t j = 0; j < count; ++j) {
        for (size_t n = 0; n < samples; ++n) {
            centred[n * count + j] = static_cast<double>(traces[j].samples[n]) - traces[j].mean;
        }
    }
    unitRe.resize(frequencies.size() * count);
    unitIm.resize(frequencies.size() * count);
    Rotation kernel;
    kernel.Resize(samples);
    for (size_t n = 0; n < samples; ++n) {
        const double phase = -kTwoPi * static_cast<double>(n) * dt;
        kernel.Set(n, phase * frequencies.front(), phase * fStep);
    }
    for (size_t f = 0; f < frequencies.size(); ++f) {
        double* re = &unitRe[f * count];
        double* im = &unitIm[f * count];
        Correlate(centred.data(), count, kernel.re.data(), kernel.im.data(), samples, re, im);
        for (size_t j = 0; j < count; ++j) {
            const double magnitude = std::sqrt(re[j] * re[j] + im[j] * im[j]);
            // A spectrum at the level of rounding has no phase worth summing.
            const double scale = magnitude > 1e-9 * traces[j].scale ? 1.0 / magnitude : 0.0;
            re[j] *= scale;
            im[j] *= scale;
        }
        kernel.Advance();
    }
}

void FindPeaks(DispersionImage& image) {
    const size_t nv = image.velocities.size();
    for (size_t f = 0; f < image.frequencies.size(); ++f) {
        const float* row = image.power.data() + f * nv;
        const size_t best = static_cast<size_t>(std::max_element(row, row + nv) - row);
        image.peakVelocity[f] = image.velocities[best];
        image.peakPower[f] = row[best];
    }
}

} // namespace

// Marked in the core's message context, so the desktop program shows them translated.
const char* DispersionErrorText(DispersionError error) {
    switch (error) {
    case DispersionError::None:
        return "";
    case DispersionError::FrequencyRange:
        return QT_TRANSLATE_NOOP(
            "Messages",
            "频率范围无效：须 0 < 最低频率 ≤ 最高频率 ≤ 奈奎斯特频率，步长大于 0，至多 2000 个频率");
    case DispersionError::VelocityRange:
        return QT_TRANSLATE_NOOP("Messages",
                                 "速度范围无效：须 0 < 最低速度 ≤ 最高速度，步长大于 0，至多 2000 个速度");
    case DispersionError::TooFewTraces:
        return QT_TRANSLATE_NOOP("Messages", "道数不足：至少需要两道有信号的道");
    case DispersionError::NoOffsets:
        return QT_TRANSLATE_NOOP("Messages",
                                 "偏移距无差异：所用各道到炮点的距离相同，请先设置检波点和炮点位置");
    }
    return "";
}

std::vector<DispersionPick> PeakPicks(const DispersionImage& image) {
    std::vector<DispersionPick> picks;
    for (size_t f = 0; f < image.frequencies.size() && f < image.peakPower.size(); ++f) {
        if (image.peakPower[f] > 0.0f) {
            picks.push_back({image.frequencies[f], image.peakVelocity[f]});
        }
    }
    return picks;
}

DispersionError ComputeDispersion(const CShotRecord& record, const DispersionOptions& options,
                                  DispersionImage& image) {
    image = DispersionImage();
    const DispersionRange& range = options.range;
    const double dt = static_cast<double>(record.m_header.m_fSampleInterval) * 1e-6;
    const double nyquist = std::isfinite(dt) && dt > 0.0 ? 0.5 / dt : 0.0;
    const size_t nf = GridCount(range.fMin, range.fMax, range.fStep);
    if (nf == 0 || range.fMax > nyquist) {
        return DispersionError::FrequencyRange;
    }
    const size_t nv = GridCount(range.vMin, range.vMax, range.vStep);
    if (nv == 0) {
        return DispersionError::VelocityRange;
    }
    const size_t samples = static_cast<size_t>(std::max(record.m_traces.m_nSamples, 0));
    const std::vector<UsedTrace> used = UsedTraces(record, options.traces, samples);
    if (used.size() < 2) {
        return DispersionError::TooFewTraces;
    }
    if (!OffsetsDiffer(used)) {
        return DispersionError::NoOffsets;
    }

    image.frequencies = Grid(range.fMin, range.fStep, nf);
    image.velocities = Grid(range.vMin, range.vStep, nv);
    image.power.resize(nf * nv);

    // Traces in groups that fit kGroupBytes; beyond one group the complex sums are carried
    // from group to group.
    const size_t groupSize = std::clamp<size_t>(kGroupBytes / (16 * std::max(nf, samples)), 1, used.size());
    std::vector<double> carryRe, carryIm;
    if (groupSize < used.size()) {
        carryRe.assign(nf * nv, 0.0);
        carryIm.assign(nf * nv, 0.0);
    }
    const double perTrace = 1.0 / static_cast<double>(used.size());
    std::vector<double> unitRe, unitIm;
    Rotation shift;
    double sumRe[kVelocityBlock], sumIm[kVelocityBlock];
    for (size_t first = 0; first < used.size(); first += groupSize) {
        const size_t group = std::min(groupSize, used.size() - first);
        const bool last = first + group == used.size();
        UnitSpectra(std::span(used).subspan(first, group), samples, dt, image.frequencies, range.fStep,
                    unitRe, unitIm);
        shift.Resize(group * kVelocityBlock);
        for (size_t v0 = 0; v0 < nv; v0 += kVelocityBlock) {
            const size_t block = std::min(kVelocityBlock, nv - v0);
            // e^{i2πf·x/v} per trace and velocity: a wave leaving the shot at v arrives x/v later, which
            // the transform's e^{-i2πft} turns into e^{-i2πf·x/v}; this undoes it, so such a wave sums
            // in phase.
            for (size_t j = 0; j < group; ++j) {
                for (size_t b = 0; b < block; ++b) {
                    const double phase = kTwoPi * used[first + j].offset / image.velocities[v0 + b];
                    shift.Set(j * kVelocityBlock + b, phase * range.fMin, phase * range.fStep);
                }
            }
            for (size_t f = 0; f < nf; ++f) {
                const size_t cell = f * nv + v0;
                for (size_t b = 0; b < block; ++b) {
                    sumRe[b] = carryRe.empty() ? 0.0 : carryRe[cell + b];
                    sumIm[b] = carryIm.empty() ? 0.0 : carryIm[cell + b];
                }
                for (size_t j = 0; j < group; ++j) {
                    const size_t at = j * kVelocityBlock;
                    AccumulateAndStep(block, unitRe[f * group + j], unitIm[f * group + j], &shift.re[at],
                                      &shift.im[at], &shift.stepRe[at], &shift.stepIm[at], sumRe, sumIm);
                }
                for (size_t b = 0; b < block; ++b) {
                    if (last) {
                        const double magnitude = std::sqrt(sumRe[b] * sumRe[b] + sumIm[b] * sumIm[b]);
                        image.power[cell + b] = static_cast<float>(std::min(magnitude * perTrace, 1.0));
                    } else {
                        carryRe[cell + b] = sumRe[b];
                        carryIm[cell + b] = sumIm[b];
                    }
                }
            }
        }
    }
    if (options.normalise) {
        for (size_t f = 0; f < nf; ++f) {
            float* row = image.power.data() + f * nv;
            const float peak = *std::max_element(row, row + nv);
            if (peak > 0.0f) {
                std::transform(row, row + nv, row, [peak](float p) { return p / peak; });
            }
        }
    }
    image.peakVelocity.resize(nf);
    image.peakPower.resize(nf);
    FindPeaks(image);
    return DispersionError::None;
}

} // namespace kvt
