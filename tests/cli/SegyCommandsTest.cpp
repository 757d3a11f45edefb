#include "CliRun.h"
#include "FileBytes.h"
#include "SegyTestFiles.h"
#include "SyntheticGather.h"
#include "TempDir.h"
#include "formats/CSegyFile.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

using test::RunCli;

// The dump from "aux1" on: every number, the shot, the receivers and the samples, but not the format,
// the path or the texts, which depend on where the record came from.
std::string NumbersAndSamples(const std::string& dump) {
    const size_t at = dump.find("\"aux1\"");
    return at == std::string::npos ? std::string() : dump.substr(at);
}

std::string Dump(const std::string& path) {
    const auto r = RunCli({"dump", path});
    EXPECT_EQ(r.exitCode, 0) << path << "\n" << r.err;
    EXPECT_EQ(r.err, "");
    return r.out;
}

TEST(CliSegy, DumpReadsLittleAndBigEndianFilesAlike) {
    test::TempDir dir;
    CSegyFile written;
    written.m_nTraceCount = 2;
    written.m_nSampleCount = 3;
    written.m_fSampleInterval = 125.0f;
    written.m_fTraceSpacing = 2.5f;
    written.m_fOffset = 2.5f;
    written.m_arrTraces = {{1, -2, 3}, {-400000, 0, 7}};
    written.m_receivers = {{1, 2.5f, 11.0f}, {2, 5.0f, 12.0f}};
    written.m_shot = {7.0f, 1.5f, -2.0f};
    ASSERT_TRUE(written.Write(dir.File("little.sgy")));

    test::HandMadeSegy big;
    big.bigEndian = true;
    big.interval = 125;
    big.samples = 3;
    big.spacing = 2.5f;
    big.firstReceiver = 2.5f;
    big.traces = {{1, -2, 3}, {-400000, 0, 7}};
    big.groupX = {2500, 5000};
    big.cdp = {11, 12};
    big.shotNumber = 7;
    big.sourceX = 1500;
    big.sourceY = -2000;
    test::WriteBytes(dir.File("BIG.SEGY"), test::SegyBytes(big));

    const std::string little = Dump(dir.File("little.sgy"));
    const char* keys[] = {"\"format\": 2",
                          "\"project\": \"MORAVENT\"",
                          "\"test_date\": \"2013-8-15\"",
                          "\"aux1\": 1",
                          "\"trace_count\": 2",
                          "\"sample_interval\": 125",
                          "\"sample_count\": 3",
                          "\"trace_spacing\": 2.5",
                          "\"offset\": 2.5",
                          "\"aux4\": 512",
                          "\"max_abs\": 400000",
                          "\"shot\": {\"number\": 7, \"x\": 1.5, \"y\": -2}",
                          "{\"channel\": 1, \"position\": 2.5, \"cdp\": 11}",
                          "{\"channel\": 2, \"position\": 5, \"cdp\": 12}",
                          "[1, -2, 3]",
                          "[-400000, 0, 7]"};
    size_t at = 0;
    for (const char* key : keys) {
        const size_t found = little.find(key, at);
        ASSERT_NE(found, std::string::npos) << key << "\n" << little;
        at = found;
    }
    const std::string bigDump = Dump(dir.File("BIG.SEGY"));
    EXPECT_NE(bigDump.find("\"format\": 2"), std::string::npos);
    EXPECT_EQ(NumbersAndSamples(bigDump), NumbersAndSamples(little));
}

TEST(CliSegy, DamagedFilesFailWithTheOpenMessage) {
    test::TempDir dir;
    test::HandMadeSegy made;
    made.traces = {{1, 2, 3}};
    auto bytes = test::SegyBytes(made);
    bytes.pop_back();
    test::WriteBytes(dir.File("cut.sgy"), bytes);
    test::WriteBytes(dir.File("short.sgy"), std::vector<uint8_t>(100, 0));
    for (const char* name : {"cut.sgy", "short.sgy"}) {
        test::ExpectDumpRefused(dir.File(name));
    }
}

TEST(CliSegy, ConvertNativeToSegyAndBackKeepsSamplesAndGeometry) {
    test::TempDir dir;
    synth::GatherShape shape;
    shape.channels = 3;
    shape.samples = 64;
    ASSERT_TRUE(synth::MakeGather(shape).Write(dir.File("in.srw")));

    auto r = RunCli({"convert", dir.File("in.srw"), dir.File("mid.sgy")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(dir.File("mid.sgy")).size(), 3592u + 3u * (240u + 4u * 64u));
    r = RunCli({"convert", dir.File("mid.sgy"), dir.File("out.srw")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = RunCli({"convert", dir.File("in.srw"), dir.File("direct.srw")});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    const std::string in = NumbersAndSamples(Dump(dir.File("in.srw")));
    ASSERT_NE(in, "");
    EXPECT_EQ(NumbersAndSamples(Dump(dir.File("mid.sgy"))), in);
    EXPECT_EQ(NumbersAndSamples(Dump(dir.File("out.srw"))), NumbersAndSamples(Dump(dir.File("direct.srw"))));
}

} // namespace
} // namespace kvt
