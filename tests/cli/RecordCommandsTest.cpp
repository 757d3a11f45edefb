// The commands on one record end to end (dump, info, convert, spectrum, filter), and the exit statuses
// and usage texts every command shares. spectrum and filter must print and save what the document makes.
#include "CliRun.h"
#include "FileBytes.h"
#include "SegyTestFiles.h"
#include "SyntheticGather.h"
#include "TempDir.h"
#include "document/CKVTDoc.h"
#include "document/Messages.h"
#include "formats/CPointFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace kvt {
namespace {

using test::ExpectCli;
using test::ExpectInOrder;
using test::RunCli;

std::string Demo(const test::TempDir& dir) {
    synth::GatherShape shape;
    shape.channels = 3;
    shape.samples = 4;
    CSrwFile file = synth::MakeGather(shape);
    file.m_arrTraces = {{1000, -2000, 3000, 0}, {5, 6, -7, 8}, {0, 0, 0, -4000}};
    file.m_strProject = "工程 \"A\"";
    file.m_nAux5 = 9;
    EXPECT_TRUE(file.Write(dir.File("demo.srw")));
    return dir.File("demo.srw");
}

void Open(CKVTDoc& doc, const std::string& path, const std::vector<int32_t>& traces) {
    ASSERT_TRUE(doc.OpenDocument(path)) << path;
    if (!traces.empty()) {
        doc.SetSelectMode(SelectMode::MultiTrace);
        for (int32_t t : traces) {
            doc.AddSelTrace(t);
        }
    }
}

// What spectrum should print: the document's own spectrum of the same file.
std::string CoreSpectrum(const std::string& path, int32_t divisor, const std::vector<int32_t>& traces) {
    CKVTDoc doc;
    Open(doc, path, traces);
    FilterSettings settings = doc.Filter();
    settings.m_nFreqDivisor = divisor;
    doc.SetFilter(settings);
    const std::vector<float> spectrum = doc.ComputeRecordSpectrum();
    std::string text;
    char line[96];
    for (int32_t k = 0; k < doc.SpectrumLength() / 2; ++k) {
        std::snprintf(line, sizeof line, "%d\t%.9g\t%.9g\n", k, doc.SpectrumBinHz(k),
                      static_cast<double>(spectrum[static_cast<size_t>(k)]));
        text += line;
    }
    return text;
}

// The file the document saves after filtering traces 0 and 2 at 20 Hz with the type's pass band.
std::vector<uint8_t> CoreFiltered(const std::string& in, const std::string& out,
                                  FilterType type = FilterType::LowPass) {
    CKVTDoc doc;
    Open(doc, in, {0, 2});
    FilterSettings settings = doc.Filter();
    settings.m_nFilterType = type;
    doc.SetFilter(settings);
    doc.SetFilterCornerHz(20.0f);
    doc.ApplyFilter();
    EXPECT_TRUE(doc.SaveByPath(out));
    return test::ReadBytes(out);
}

TEST(CliDump, PrintsEveryFieldInOrderAndPointFilesTheirSamples) {
    test::TempDir dir;
    ExpectInOrder(
        ExpectCli({"dump", Demo(dir)}, 0, "").out,
        {"{\n  \"format\": 0,\n  \"path\"", "\"project\": \"工程 \\\"A\\\"\"", "\"company\"", "\"operator\"",
         "\"profile\"", "\"test_date\"", "\"aux1\": 1", "\"trace_count\": 3", "\"sample_interval\": 250",
         "\"sample_count\": 4", "\"aux2\": 1", "\"trace_spacing\": 2", "\"offset\": 5", "\"aux3\": 0",
         "\"aux4\": 512", "\"aux5\": 9", "\"aux6\": 1", "\"max_abs\": 4000",
         "\"shot\": {\"number\": 0, \"x\": 0, \"y\": 0}", "\"receivers\": [\n    {\"channel\": 1,",
         "{\"channel\": 3, \"position\": 9, \"cdp\": 0}\n  ],",
         // 5 thousandths come back as 4: the native file keeps float thousandths.
         "\"traces\": [\n    [1000, -2000, 3000, 0],\n    [4, 6, -7, 8],\n    [0, 0, 0, -4000]\n  ]\n}\n"});

    // A point file holds one trace: its interval, its count and its samples.
    CPointFile point;
    point.m_fSampleInterval = 125.0000076f;
    point.m_nSampleCount = 3;
    point.m_samples = {1, -2, 3};
    ASSERT_TRUE(point.Write(dir.File("t.POINT")));
    EXPECT_EQ(
        ExpectCli({"dump", dir.File("t.POINT")}, 0, "").out,
        "{\n  \"sample_interval\": 125.000008,\n  \"sample_count\": 3,\n  \"samples\": [1, -2, 3]\n}\n");
}

TEST(CliDump, EachRefusalNamesItsReason) {
    test::TempDir dir;
    test::HandMadeSegy made;
    made.traces = {{1, 2, 3}};
    std::vector<uint8_t> cut = test::SegyBytes(made);
    cut.pop_back();
    test::WriteBytes(dir.File("cut.sgy"), cut);
    test::WriteBytes(dir.File("x.dat"), {1, 2, 3});
    test::WriteBytes(dir.File("zeros.srw"), std::vector<uint8_t>(700, 0));
    test::WriteBytes(dir.File("short.sg2"), {0x55, 0x3A, 1, 0, 4, 0});
    const std::pair<std::string, ReadError> cases[] = {
        {dir.File("missing.srw"), ReadError::CannotOpen},   {dir.File("x.dat"), ReadError::UnknownFileType},
        {dir.File("zeros.srw"), ReadError::WrongSignature}, {dir.File("short.sg2"), ReadError::Truncated},
        {dir.File("cut.sgy"), ReadError::CountsExceedFile},
    };
    for (const auto& [path, reason] : cases) {
        test::ExpectDumpRefused(path, ReadErrorText(reason));
    }
}

TEST(CliDump, RealGeodeRecordDumpsUnderASeg2Name) {
    const std::string real = test::RealTestFile("swprocess_wghs_6.dat");
    if (real.empty()) {
        GTEST_SKIP() << "real test data not present";
    }
    test::TempDir dir;
    std::filesystem::copy_file(real, dir.File("6.sg2"));
    ExpectInOrder(ExpectCli({"dump", dir.File("6.sg2")}, 0, "").out,
                  {"\"format\": 1", "\"trace_count\": 24", "\"sample_count\": 1500", "\"trace_spacing\": 2",
                   "\"offset\": 0", "\"shot\": {\"number\": 6, \"x\": -5, \"y\": 0}",
                   "{\"channel\": 24, \"position\": 46", "[27, 19, 21, 23, 19,"});
}

TEST(CliInfo, LabelsTheHeaderAsTheSidePanelDoes) {
    test::TempDir dir;
    ExpectInOrder(ExpectCli({"info", Demo(dir)}, 0, "").out,
                  {"格式: KVT 原始记录 (.srw)", "采样率(ms): 0.250\n采样点数: 4\n", "道数: 3",
                   "检波点: 3 个, 道 1 位于 5.00 m 至道 3 位于 9.00 m", "最大振幅: 4000"});
}

TEST(CliConvert, NativeToSeg2ToSegyAndBackKeepsSamplesAndGeometry) {
    test::TempDir dir;
    test::WriteGather(dir.File("a.srw"), 3, 64);
    const char* chain[] = {"a.srw", "b.sg2", "c.SEGY", "d.srw"};
    for (size_t i = 1; i < std::size(chain); ++i) {
        ExpectCli({"convert", dir.File(chain[i - 1]), dir.File(chain[i])}, 0, "");
    }
    ExpectCli({"convert", dir.File("a.srw"), dir.File("direct.srw")}, 0, "");
    // From "trace_spacing" on; SEG-2 keeps the interval as float seconds, the native file its samples
    // as float thousandths, so a native file is compared with a native file.
    const auto numbers = [&](const char* name) {
        const std::string dump = RunCli({"dump", dir.File(name)}).out;
        return dump.substr(dump.find("\"trace_spacing\""));
    };
    EXPECT_EQ(numbers("b.sg2"), numbers("a.srw"));
    EXPECT_EQ(numbers("c.SEGY"), numbers("a.srw"));
    EXPECT_EQ(numbers("d.srw"), numbers("direct.srw"));
    for (const char* out : {"copy.txt", "no/folder/x.srw"}) {
        ExpectCli({"convert", dir.File("a.srw"), dir.File(out)}, 1, "Error: 保存文件失败\n");
    }
}

TEST(CliSpectrumFilter, PrintAndSaveWhatTheDocumentMakesOfTheListedTraces) {
    test::TempDir dir;
    const std::string in = test::WriteGather(dir.File("shot.srw"), 6, 1024, 1000.0f);
    EXPECT_EQ(ExpectCli({"spectrum", in}, 0, "").out, CoreSpectrum(in, 4, {})) << "the dialog starts at 4";
    const std::string chosen = CoreSpectrum(in, 1, {4, 1});
    EXPECT_EQ(ExpectCli({"spectrum", in, "--traces", "4,1", "--divisor", "1"}, 0, "").out, chosen);
    EXPECT_NE(chosen, CoreSpectrum(in, 1, {}));

    // No --type is the dialog's 低通.
    const std::pair<std::vector<std::string>, FilterType> types[] = {
        {{}, FilterType::LowPass},
        {{"--type", "low"}, FilterType::LowPass},
        {{"--type", "high"}, FilterType::HighPass}};
    for (const auto& [type, filter] : types) {
        std::vector<std::string> args = {"filter",   in,   "-o",       dir.File("out.srw"),
                                         "--corner", "20", "--traces", "0,2"};
        args.insert(args.end(), type.begin(), type.end());
        ExpectCli(args, 0, "");
        EXPECT_EQ(test::ReadBytes(dir.File("out.srw")), CoreFiltered(in, dir.File("expected.srw"), filter));
    }
    // A corner outside the band is refused with the filter dialog's message and writes nothing.
    for (const char* corner : {"0", "500"}) {
        ExpectCli({"filter", in, "-o", dir.File("same.srw"), "--corner", corner}, 1,
                  "滤波: 截止频率必须大于 0 且小于采样频率的一半。\n");
        EXPECT_FALSE(std::filesystem::exists(dir.File("same.srw"))) << corner;
    }
    ExpectCli({"filter", in, "-o", dir.File("out.txt"), "--corner", "20"}, 1, "Error: 保存文件失败\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.txt")));
}

TEST(CliUsage, HelpSucceedsAndWrongArgumentsAreUsageErrors) {
    for (const std::vector<std::string>& help : {std::vector<std::string>{"--help"}, {"dump", "--help"}}) {
        EXPECT_EQ(ExpectCli(help, 0, "").out.rfind("usage: kvt-cli ", 0), 0u);
    }
    test::TempDir dir;
    const std::string in = Demo(dir), out = dir.File("o.srw");
    // Options are checked before the file is opened, trace indices against the opened record (0 to 2).
    const std::vector<std::string> wrong[] = {{},
                                              {"frobnicate"},
                                              {"convert", in},
                                              {"spectrum", in, "--divisor", "17"},
                                              {"filter", in, "-o", out, "--corner", "20", "--traces", "3"},
                                              {"filter", in, "-o", out, "--corner", "20", "--type", "band"}};
    for (const auto& args : wrong) {
        const auto r = RunCli(args);
        const std::string usage = args.empty() || args[0] == "frobnicate" ? "COMMAND" : args[0];
        EXPECT_EQ(r.exitCode, 2) << usage;
        EXPECT_NE(r.err.find("usage: kvt-cli " + usage), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

} // namespace
} // namespace kvt
