#include "CliRun.h"
#include "FileBytes.h"
#include "SyntheticGather.h"
#include "TempDir.h"
#include "record/CKVTDoc.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace kvt {
namespace {

using test::RunCli;

// Six channels of 1024 samples at 1 ms: a surface wave of 4 to 52 Hz, strongest near 18 Hz.
std::string Gather(const test::TempDir& dir) {
    synth::GatherShape shape;
    shape.channels = 6;
    shape.samples = 1024;
    shape.interval = 1000.0f;
    EXPECT_TRUE(synth::MakeGather(shape).Write(dir.File("shot.srw")));
    return dir.File("shot.srw");
}

// What spectrum should print: the document's own spectrum of the same file.
std::string CoreSpectrum(const std::string& path, int32_t divisor, const std::vector<int32_t>& traces) {
    CKVTDoc doc;
    EXPECT_TRUE(doc.OpenByPath(path));
    doc.m_nFreqDivisor = divisor;
    doc.m_nSelectMode = traces.empty() ? 0 : 3;
    doc.m_arrSelTraces = traces;
    const std::vector<float> spectrum = doc.ComputeRecordSpectrum();
    std::string text;
    char line[96];
    for (int32_t k = 0; k < doc.m_nSpectrumLength / 2; ++k) {
        std::snprintf(line, sizeof line, "%d\t%.9g\t%.9g\n", k, doc.SpectrumBinHz(k),
                      static_cast<double>(spectrum[static_cast<size_t>(k)]));
        text += line;
    }
    return text;
}

std::vector<std::vector<int32_t>> TracesOf(const std::string& path) {
    CKVTDoc doc;
    EXPECT_TRUE(doc.OpenByPath(path)) << path;
    return doc.Traces().m_arrTraces;
}

// The traces of `in` saved again unfiltered: the native file keeps samples as floats in thousandths,
// so a save may move a sample by one unit, and "unchanged" means "as a plain save leaves it".
std::vector<std::vector<int32_t>> ResavedTracesOf(const std::string& in, const test::TempDir& dir) {
    CKVTDoc doc;
    EXPECT_TRUE(doc.OpenByPath(in));
    EXPECT_TRUE(doc.SaveByPath(dir.File("resaved.srw")));
    return TracesOf(dir.File("resaved.srw"));
}

TEST(CliSpectrum, PrintsTheDocumentsSpectrumWithFrequencies) {
    test::TempDir dir;
    const std::string path = Gather(dir);
    const auto r = RunCli({"spectrum", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, CoreSpectrum(path, 4, {})) << "the dialog's starting divisor is 4";

    const auto chosen = RunCli({"spectrum", path, "--traces", "4,1", "--divisor", "1"});
    ASSERT_EQ(chosen.exitCode, 0) << chosen.err;
    const std::string expected = CoreSpectrum(path, 1, {4, 1});
    EXPECT_EQ(chosen.out, expected);
    EXPECT_NE(expected, CoreSpectrum(path, 1, {}));

    // N/2 = 512 lines, bins 1000/1024 Hz apart, the strongest inside the wave's band.
    std::istringstream lines(chosen.out);
    int index = 0, count = 0;
    double hz = 0, amplitude = 0, bestHz = 0, best = -1;
    while (lines >> index >> hz >> amplitude) {
        EXPECT_EQ(index, count++);
        EXPECT_NEAR(hz, index * 1000.0 / 1024.0, 1e-6);
        if (amplitude > best) {
            best = amplitude;
            bestHz = hz;
        }
    }
    EXPECT_EQ(count, 512);
    EXPECT_GT(bestHz, 8.0);
    EXPECT_LT(bestHz, 30.0);
}

TEST(CliSpectrum, WrongArgumentsAreUsageErrors) {
    test::TempDir dir;
    const std::string path = Gather(dir);
    const std::vector<std::vector<std::string>> wrong = {
        {"spectrum"},
        {"spectrum", path, path},
        {"spectrum", path, "--divisor"},
        {"spectrum", path, "--divisor", "0"},
        {"spectrum", path, "--divisor", "17"},
        {"spectrum", path, "--traces", ""},
        {"spectrum", path, "--traces", "1,,2"},
        {"spectrum", path, "--traces", "6"},
        {"spectrum", path, "--traces", "-1"},
        {"spectrum", path, "--window", "3"},
    };
    for (const auto& args : wrong) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.back();
        EXPECT_NE(r.err.find("usage: kvt-cli spectrum"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    const auto help = RunCli({"spectrum", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--divisor"), std::string::npos);

    const auto missing = RunCli({"spectrum", dir.File("missing.srw")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Error: 文件打开失败\n");
}

TEST(CliFilter, SavesWhatTheDocumentsFilterMakes) {
    test::TempDir dir;
    const std::string in = Gather(dir);
    const auto r = RunCli({"filter", in, "-o", dir.File("out.srw"), "--corner", "20", "--traces", "0,2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");

    CKVTDoc doc;
    ASSERT_TRUE(doc.OpenByPath(in));
    doc.m_fHighPassHz = 20.0f;
    doc.m_nSelectMode = 3;
    doc.m_arrSelTraces = {0, 2};
    EXPECT_EQ(doc.ApplyFilter(), 2);
    ASSERT_TRUE(doc.SaveByPath(dir.File("expected.srw")));
    EXPECT_EQ(test::ReadBytes(dir.File("out.srw")), test::ReadBytes(dir.File("expected.srw")));

    const auto before = ResavedTracesOf(in, dir), after = TracesOf(dir.File("out.srw"));
    EXPECT_NE(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]);
    EXPECT_NE(after[2], before[2]);
    EXPECT_EQ(after[5], before[5]);

    ASSERT_EQ(RunCli({"filter", in, "-o", dir.File("all.srw"), "--corner", "20"}).exitCode, 0);
    const auto all = TracesOf(dir.File("all.srw"));
    EXPECT_EQ(all[0], after[0]);
    EXPECT_NE(all[5], before[5]);
}

TEST(CliFilter, ACornerOutsideTheBandSavesTheTracesUnchanged) {
    test::TempDir dir;
    const std::string in = Gather(dir);
    for (const char* corner : {"0", "500", "abc"}) {
        const auto r = RunCli({"filter", in, "-o", dir.File("same.srw"), "--corner", corner});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(TracesOf(dir.File("same.srw")), ResavedTracesOf(in, dir)) << corner;
    }
}

TEST(CliFilter, FailuresAndWrongArguments) {
    test::TempDir dir;
    const std::string in = Gather(dir);
    auto r = RunCli({"filter", in, "-o", dir.File("out.txt"), "--corner", "20"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Error: 保存文件失败\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.txt")));

    r = RunCli({"filter", dir.File("missing.srw"), "-o", dir.File("out.srw"), "--corner", "20"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Error: 文件打开失败\n");

    const std::vector<std::vector<std::string>> wrong = {
        {"filter", in, "--corner", "20"},
        {"filter", in, "-o", dir.File("out.srw")},
        {"filter", "-o", dir.File("out.srw"), "--corner", "20"},
        {"filter", in, "-o", dir.File("out.srw"), "--corner", "20", "--traces", "9"},
        {"filter", in, "-o", dir.File("out.srw"), "--corner"},
    };
    for (const auto& args : wrong) {
        r = RunCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.size();
        EXPECT_NE(r.err.find("usage: kvt-cli filter"), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.srw")));
    EXPECT_EQ(RunCli({"filter", "--help"}).exitCode, 0);
}

} // namespace
} // namespace kvt
