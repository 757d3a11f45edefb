#include "CSrwFile.h"

#include "SampleWords.h"
#include "TraceBytes.h"
#include "base/AnsiText.h"
#include "base/ByteOrder.h"

#include <cstring>

namespace kvt {

namespace {

constexpr size_t kTextWidth = 80;
constexpr size_t kDateWidth = 10;
constexpr size_t kSection1Size = 4 * kTextWidth + 11 * 4 + kDateWidth + 8 + 4;
constexpr size_t kTablesSize = 8 + 24 * 4;
// A file whose traces hold no samples takes no bytes for them; this bounds what such a file may claim.
constexpr int32_t kMaxEmptyTraces = 65536;

std::string HeaderText(const uint8_t* field) {
    char text[kTextWidth];
    std::memcpy(text, field, kTextWidth);
    // Trailing spaces end the text; a zero-padded field ends in a zero byte and is left alone.
    for (size_t i = kTextWidth; i-- > 0 && text[i] == ' ';) {
        text[i] = '\0';
    }
    return AnsiToUtf8(FieldText(text, kTextWidth));
}

} // namespace

ReadError CSrwFile::Read(const ByteSource& source) {
    uint8_t head[kSection1Offset];
    if (!source.ReadAt(0, head, sizeof head)) {
        return ReadError::Truncated;
    }
    const std::string_view tag(reinterpret_cast<const char*>(head), 3);
    if (tag == "OLD" || (tag != "DLQ" && tag != "dlq") || le::I32(head + 40) != 0) {
        return ReadError::WrongSignature;
    }
    const int64_t section1 = le::I32(head + 44);
    const int64_t section2 = le::I32(head + 48);
    const int64_t section3 = le::I32(head + 52);
    if (section1 < 0 || section2 < 0 || section3 < 0) {
        return ReadError::Truncated;
    }

    std::vector<uint8_t> s1;
    if (!source.ReadVector(static_cast<uint64_t>(section1), kSection1Size, s1)) {
        return ReadError::Truncated;
    }
    m_strProject = HeaderText(&s1[0]);
    m_strCompany = HeaderText(&s1[80]);
    m_strOperator = HeaderText(&s1[160]);
    m_strProfile = HeaderText(&s1[240]);
    const uint8_t* n = &s1[320];
    m_nAux1 = le::I32(n);
    m_nTraceCount = le::I32(n + 4);
    m_fSampleInterval = le::F32(n + 8);
    m_nSampleCount = le::I32(n + 12);
    m_nAux2 = le::I32(n + 16);
    m_fTraceSpacing = le::F32(n + 20);
    m_fOffset = le::F32(n + 24);
    m_fAux3 = le::F32(n + 28);
    m_fAux4 = le::F32(n + 32);
    m_nAux5 = le::I32(n + 36);
    m_nAux6 = le::I32(n + 40);
    if (m_fSampleInterval <= 9.0f) {
        m_fSampleInterval = 10.0f;
    }
    m_strTestDate = AnsiToUtf8(FieldText(reinterpret_cast<const char*>(n + 44), kDateWidth));

    std::vector<uint8_t> s2;
    if (!source.ReadVector(static_cast<uint64_t>(section2), kTablesSize, s2)) {
        return ReadError::Truncated;
    }
    m_nWordA = le::I32(&s2[0]);
    m_nWordB = le::I32(&s2[4]);
    for (size_t i = 0; i < 24; ++i) {
        m_afTableA[i] = le::F32(&s2[8 + 4 * i]);
    }
    // The second table is there only when section 2 is longer than its first part.
    if (section2 + 108 < section3) {
        std::vector<uint8_t> tableB;
        if (!source.ReadVector(static_cast<uint64_t>(section2 + 108), 24 * 4, tableB)) {
            return ReadError::Truncated;
        }
        for (size_t i = 0; i < 24; ++i) {
            m_anTableB[i] = le::I32(&tableB[4 * i]);
        }
    }

    // Every count is checked against the file's length before anything is allocated.
    if (m_nTraceCount < 0 || m_nSampleCount < 0) {
        return ReadError::CountsExceedFile;
    }
    const uint64_t traceBytes = 4 * static_cast<uint64_t>(m_nSampleCount);
    if (!source.Contains(static_cast<uint64_t>(section3),
                         traceBytes * static_cast<uint64_t>(m_nTraceCount)) ||
        (m_nSampleCount == 0 && m_nTraceCount > kMaxEmptyTraces)) {
        return ReadError::CountsExceedFile;
    }

    // The samples land in the record's traces in one read and are turned into thousandths there.
    const auto count = static_cast<size_t>(m_nTraceCount);
    AllocateTraces(count, static_cast<size_t>(m_nSampleCount));
    TraceBytes stored;
    for (size_t m = 0; m < count; ++m) {
        stored.AddSamples(static_cast<uint64_t>(section3) + traceBytes * m, static_cast<size_t>(traceBytes),
                          m_arrTraces[m].data(), true);
    }
    if (!stored.Read(source)) {
        m_arrTraces.clear();
        return ReadError::Truncated;
    }
    m_receivers.clear();
    m_receivers.reserve(count);
    for (size_t m = 0; m < count; ++m) {
        std::vector<int32_t>& samples = m_arrTraces[m];
        DecodeFloat32(stored.Samples(m), samples.size(), false, 1000.0, samples.data());
        m_receivers.push_back(
            {static_cast<int32_t>(m) + 1, static_cast<float>(m) * m_fTraceSpacing + m_fOffset, 0.0f});
    }
    return ReadError::None;
}

bool CSrwFile::WriteTo(ByteSink& sink) const {
    if (!TracesMatchHeader()) {
        return false;
    }
    le::Buffer head;
    head.Field("BAD-KVT-2.1.0-20130618", 40);
    head.Zeros(16);
    head.Field(Utf8ToAnsi(m_strProject), kTextWidth);
    head.Field(Utf8ToAnsi(m_strCompany), kTextWidth);
    head.Field(Utf8ToAnsi(m_strOperator), kTextWidth);
    head.Field(Utf8ToAnsi(m_strProfile), kTextWidth);
    head.I32(m_nAux1);
    head.I32(m_nTraceCount);
    head.F32(m_fSampleInterval);
    head.I32(m_nSampleCount);
    head.I32(m_nAux2);
    head.F32(m_fTraceSpacing);
    head.F32(m_fOffset);
    head.F32(m_fAux3);
    head.F32(m_fAux4);
    head.I32(m_nAux5);
    head.I32(m_nAux6);
    head.Field(Utf8ToAnsi(m_strTestDate), kDateWidth);
    head.Zeros(12);
    head.I32(m_nWordA);
    head.I32(m_nWordB);
    for (float v : m_afTableA) {
        head.F32(v);
    }
    head.I32(0);
    for (int32_t v : m_anTableB) {
        head.I32(v);
    }
    if (!sink.Write(head.bytes)) {
        return false;
    }

    le::Buffer trace;
    for (int32_t i = 0; i < m_nTraceCount; ++i) {
        trace.bytes.clear();
        const auto& samples = m_arrTraces[static_cast<size_t>(i)];
        for (int32_t j = 0; j < m_nSampleCount; ++j) {
            trace.F32(static_cast<float>(static_cast<double>(samples[static_cast<size_t>(j)]) / 1000.0));
        }
        if (!sink.Write(trace.bytes)) {
            return false;
        }
    }

    uint8_t offsets[12];
    le::PutI32(offsets, static_cast<int32_t>(kSection1Offset));
    le::PutI32(offsets + 4, static_cast<int32_t>(kSection2Offset));
    le::PutI32(offsets + 8, static_cast<int32_t>(kSection3Offset));
    return sink.WriteAt(44, offsets, sizeof offsets) && sink.WriteAt(0, "DLQ", 3);
}

void CSrwFile::CopyTextsFrom(const ShotHeader& h) {
    m_strProject = h.m_strProject;
    m_strCompany = h.m_strCompany;
    m_strOperator = h.m_strOperator;
    m_strProfile = h.m_strProfile;
    m_strTestDate = h.m_strTestDate;
}

void CSrwFile::CopyTextsTo(ShotHeader& h) const {
    h.m_strProject = m_strProject;
    h.m_strCompany = m_strCompany;
    h.m_strOperator = m_strOperator;
    h.m_strProfile = m_strProfile;
    h.m_strTestDate = m_strTestDate;
}

} // namespace kvt
