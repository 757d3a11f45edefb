#include "algorithms/CAlgorithm.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace kvt {
namespace {

using Trace = std::vector<int32_t>;

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

Trace Cut(int32_t start, int32_t end, Trace trace) {
    CAlgorithm::CutTrace(start, end, trace.data(), static_cast<int32_t>(trace.size()));
    return trace;
}

Trace Shift(int32_t shift, Trace trace) {
    CAlgorithm::ShiftTrace(shift, trace.data(), static_cast<int32_t>(trace.size()));
    return trace;
}

Trace Amplify(Trace trace, int32_t factor) {
    CAlgorithm::AmplifyTrace(trace.data(), static_cast<int32_t>(trace.size()), factor);
    return trace;
}

TEST(PeakSearch, FirstOfEqualMagnitudesWins) {
    const std::vector<float> floats{-3.0f, 3.0f};
    EXPECT_EQ(CAlgorithm::FindMaxAbsIndex(floats.data(), 2), 0);
    EXPECT_EQ(CAlgorithm::FindMaxAbsIndex(floats.data(), 0), 0);
    const Trace ints{3, -5, 5};
    EXPECT_EQ(CAlgorithm::FindMaxAbsSample(ints.data(), 3), -5);
}

TEST(AmplifyTrace, RefusesTracesAboveTheThreshold) {
    EXPECT_EQ(Amplify({1, -100000000, 3}, 2), (Trace{2, -200000000, 6}));
    EXPECT_EQ(Amplify({1, 100000001, 3}, 2), (Trace{1, 100000001, 3}));
    EXPECT_EQ(Amplify({1, -100000001, 3}, 2), (Trace{1, -100000001, 3}));
    EXPECT_EQ(Amplify({kMin, 0}, 2), (Trace{kMin, 0}));
}

TEST(AmplifyTrace, LargeFactorsSaturateInsteadOfWrapping) {
    EXPECT_EQ(Amplify({100000000, -100000000, 7}, 1000), (Trace{kMax, kMin, 7000}));
    EXPECT_EQ(Amplify({5, -3}, -4), (Trace{-20, 12}));
}

TEST(ReversePolarity, NegatesAndKeepsTheMostNegativeSampleInRange) {
    Trace trace{1, -2, 0, kMin, kMax};
    CAlgorithm::ReversePolarity(trace.data(), 5);
    EXPECT_EQ(trace, (Trace{-1, 2, 0, kMax, -kMax}));
}

TEST(CutTrace, MuteBeforeTapersTheHalfCycleAtTheBoundary) {
    EXPECT_EQ(Cut(0, 4, {4, 6, -2, 8, 8, 3, -1, 5}), (Trace{0, 0, -2, 4, 2, 1, -1, 5}));
    // A zero at the boundary halves nothing.
    EXPECT_EQ(Cut(0, 3, {4, 6, -2, 0, 8, 3}), (Trace{0, 0, 0, 0, 8, 3}));
    // The halved reference is re-read: 1 becomes 0 and stops both walks.
    EXPECT_EQ(Cut(0, 2, {5, 5, 1, 5}), (Trace{0, 5, 0, 5}));
    // A walk running past the first sample zeroes nothing before it.
    EXPECT_EQ(Cut(0, 2, {-8, -8, -8, 3}), (Trace{-4, -4, -2, 3}));
}

TEST(CutTrace, MuteAfterTapersTheHalfCycleAtTheBoundary) {
    EXPECT_EQ(Cut(4, 8, {4, 6, -2, 8, 8, 3, -1, 5}), (Trace{4, 6, -2, 4, 2, 1, 0, 0}));
    // Same sign to the end: everything from the boundary is halved (it twice), nothing is zeroed.
    EXPECT_EQ(Cut(2, 5, {-1, 8, 8, 6, 4}), (Trace{-1, 4, 2, 3, 2}));
}

TEST(CutTrace, WholeTraceAndUnsupportedArguments) {
    const Trace trace{4, 6, -2, 8};
    EXPECT_EQ(Cut(0, 4, trace), (Trace{0, 0, 0, 0}));
    EXPECT_EQ(Cut(1, 3, trace), trace);
    EXPECT_EQ(Cut(0, -1, trace), trace);
    EXPECT_EQ(Cut(0, 5, trace), trace);
    EXPECT_EQ(Cut(-1, 4, trace), trace);
    EXPECT_EQ(Cut(4, 4, trace), trace);
    EXPECT_EQ(Cut(9, 4, trace), trace);
    EXPECT_EQ(Cut(0, 0, Trace{}), Trace{});
}

TEST(ShiftTrace, MovesAndZeroFills) {
    const Trace trace{1, 2, 3, 4, 5};
    EXPECT_EQ(Shift(2, trace), (Trace{0, 0, 1, 2, 3}));
    EXPECT_EQ(Shift(-2, trace), (Trace{3, 4, 5, 0, 0}));
    EXPECT_EQ(Shift(0, trace), trace);
    EXPECT_EQ(Shift(4, trace), (Trace{0, 0, 0, 0, 1}));
}

TEST(ShiftTrace, ShiftsOfTheWholeLengthOrMoreZeroTheTrace) {
    const Trace trace{1, 2, 3};
    for (int32_t shift : {3, -3, 1000, -1000, kMax, kMin}) {
        EXPECT_EQ(Shift(shift, trace), (Trace{0, 0, 0})) << shift;
    }
}

} // namespace
} // namespace kvt
