#include "processing/Resampling.h"
#include "BatchTestSupport.h"
#include "record/CKVTDoc.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

std::optional<Message> Check(const char* interval, const char* count) {
    return ValidateResample(ReadResampleSettings(interval, count));
}

TEST(ResampleValidation, BoundsIncludeTheirEndsAndTheIntervalIsCheckedFirst) {
    const Message intervalMessage{"采样间隔应在0.001-100 ms之间！", "KVT", MessageIcon::None};
    const Message countMessage{"采样长度应在512-16384 之间！", "KVT", MessageIcon::None};
    for (const char* ok : {"0.001", "100", "0.25", " 2ms"}) {
        EXPECT_FALSE(Check(ok, "1024")) << ok;
    }
    for (const char* bad : {"0.0009", "100.01", "abc", "", "-1", "nan", "inf"}) {
        EXPECT_EQ(Check(bad, "1024"), intervalMessage) << bad;
    }
    for (const char* ok : {"512", "16384", "2048abc"}) {
        EXPECT_FALSE(Check("1", ok)) << ok;
    }
    for (const char* bad : {"511", "16385", "x", "99999999999999999999999", "-512"}) {
        EXPECT_EQ(Check("1", bad), countMessage) << bad;
    }
    EXPECT_EQ(Check("0", "0"), intervalMessage);
    // Text longer than any buffer is read whole: leading zeros do not push the digits out.
    EXPECT_FALSE(Check("1", "000000000000000000000000000001024"));
}

TEST(ResampleValidation, TheIntervalGoesOnInMicrosecondsRoundedToFloat) {
    EXPECT_EQ(ReadResampleSettings("0.25", "1024").IntervalMicroseconds(), 250.0f);
    EXPECT_EQ(ReadResampleSettings("0.125", "1024").IntervalMicroseconds(), 125.0f);
    EXPECT_EQ(ReadResampleSettings("0.1", "1024").IntervalMicroseconds(),
              static_cast<float>(static_cast<double>(0.1f) * 1000.0));
    EXPECT_EQ(ReadResampleSettings("1", "2048").sampleCount, 2048);
}

TEST(ResampleTraces, CutsOrPadsAtTheEndAndReportsWhetherAnythingChanged) {
    std::vector<std::vector<int32_t>> traces = {{1, 2, 3, 4}, {5, 6, 7, 8}};
    int32_t count = 4;
    float interval = 250.0f;
    EXPECT_FALSE(ResampleTraces(traces, count, interval, 4, 250.0f));

    EXPECT_TRUE(ResampleTraces(traces, count, interval, 6, 250.0f));
    EXPECT_EQ(count, 6);
    EXPECT_EQ(traces[1], (std::vector<int32_t>{5, 6, 7, 8, 0, 0}));

    EXPECT_TRUE(ResampleTraces(traces, count, interval, 2, 500.0f));
    EXPECT_EQ(traces[0], (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(interval, 500.0f);

    EXPECT_TRUE(ResampleTraces(traces, count, interval, 2, 125.0f));
    EXPECT_EQ(traces[0], (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(interval, 125.0f);
}

class ResampleRecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        ShotHeader& h = doc.Header();
        h.m_strPathName = "/data/a.srw";
        h.m_nTraceCount = 2;
        h.m_nSampleCount = 1024;
        h.m_fSampleInterval = 250.0f;
        doc.Traces().Allocate(2, 1024);
        for (int32_t j = 0; j < 1024; ++j) {
            doc.Traces().TraceAt(1)[j] = j + 1;
        }
        doc.m_arrHistory.push_back(doc.Traces());
        doc.m_nUndoPos = 1;
    }

    test::RecordingHost host;
    CKVTDoc doc{host};
};

TEST_F(ResampleRecordTest, LongerTracesGainZerosMarkTheRecordAndDropTheHistory) {
    EXPECT_TRUE(doc.ResampleRecord(2048, 250.0f));
    EXPECT_EQ(doc.Header().m_nSampleCount, 2048);
    EXPECT_EQ(doc.Traces().m_nSamples, 2048);
    const int32_t* trace = doc.Traces().TraceAt(1);
    EXPECT_EQ(trace[1023], 1024);
    EXPECT_EQ(trace[1024], 0);
    EXPECT_EQ(trace[2047], 0);
    EXPECT_TRUE(doc.m_bDataChanged);
    EXPECT_EQ(host.infoChanges, 1);
    EXPECT_TRUE(doc.m_arrHistory.empty());
    EXPECT_EQ(doc.m_nUndoPos, 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ResampleRecordTest, ANewIntervalAloneKeepsTheSamples) {
    const CTraceMatrix before = doc.Traces();
    EXPECT_TRUE(doc.ResampleRecord(1024, 500.0f));
    EXPECT_EQ(doc.Header().m_fSampleInterval, 500.0f);
    EXPECT_EQ(doc.Traces(), before);
    EXPECT_TRUE(doc.m_bDataChanged);
    EXPECT_TRUE(doc.m_arrHistory.empty());
}

TEST_F(ResampleRecordTest, UnchangedValuesChangeNothing) {
    EXPECT_TRUE(doc.ResampleRecord(1024, 250.0f));
    EXPECT_FALSE(doc.m_bDataChanged);
    EXPECT_EQ(host.infoChanges, 0);
    EXPECT_EQ(doc.m_arrHistory.size(), 1u);
}

} // namespace
} // namespace kvt
