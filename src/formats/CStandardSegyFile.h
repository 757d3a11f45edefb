// Standard SEG-Y, as every other program and instrument writes it: a 3200-byte textual header, a
// 400-byte binary header, any extended textual headers (revisions 1 and 2), then a 240-byte header and
// the samples of each trace. Read in either byte order and every sample format SegySamples converts;
// written as revision 1: big-endian, an EBCDIC textual header holding the project texts, 32-bit integer
// samples, coordinates in metres with the smallest scalar that holds them exactly.
#pragma once

#include "FormatFile.h"
#include "SegyProbe.h"

#include <array>
#include <string>
#include <vector>

namespace kvt {

class CStandardSegyFile : public FormatFile {
public:
    // The textual header as last read.
    std::array<uint8_t, 3200> m_abTextHeader{};
    // What the binary header said, as last read.
    SegyProbe m_probe;
    // The project texts the writer puts into the textual header.
    std::string m_strProject;
    std::string m_strCompany;
    std::string m_strOperator;
    std::string m_strProfile;
    std::string m_strTestDate;

    using FormatFile::Read;
    // Reads the file as the standard layout whatever ProbeSegy would choose. Refuses what the probe's
    // headers rule out, a sample format it does not convert, traces that do not end at the end of the
    // file, and traces padded to the longest that would hold more samples than the file has bytes.
    // Every trace reads into the receiver table (channel, receiver X, ensemble number); the last one
    // gives the shot point (source point number, source X and Y).
    ReadError Read(const ByteSource& source) override;
    // Refuses a record whose traces do not match its header, or whose trace count, sample count or
    // interval (rounded to whole microseconds) does not fit the 16-bit fields.
    bool WriteTo(ByteSink& sink) const override;

    void CopyTextsFrom(const ShotHeader& h);
    // The coordinate scalar the writer uses: 1 when every coordinate is a whole number of metres, else
    // -10, -100 or -1000, the first that holds every coordinate exactly; -1000 when none does.
    int16_t CoordinateScalar() const;
    // The forty lines of the textual header the writer makes.
    std::vector<std::string> TextLines() const;

private:
    void TakeTraceHeader(const uint8_t* header, int32_t index);
};

} // namespace kvt
