// dispersion end to end: the peak lines, the picks file, the picture, and what it refuses.
#include "CliRun.h"
#include "FileBytes.h"
#include "SyntheticGather.h"
#include "TempDir.h"
#include "base/ByteOrder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace kvt {
namespace {

using test::ExpectCli;
using Args = std::vector<std::string>;

TEST(CliDispersion, PrintsAndWritesThePeakPerFrequency) {
    test::TempDir dir;
    const auto in = test::WriteGather(dir.File("gather.srw"), 24, 2048);
    const auto out = ExpectCli({"dispersion", in, "--fmin", "12", "--fmax", "36", "--df", "4", "--vmin",
                                "100", "--picks", dir.File("picks.csv")},
                               0, "")
                         .out;
    const std::vector<uint8_t> written = test::ReadBytes(dir.File("picks.csv"));
    std::istringstream lines(out), csv(std::string(written.begin(), written.end()));
    std::string line, row, expected(64, '\0');
    ASSERT_TRUE(std::getline(csv, row));
    EXPECT_EQ(row, "frequency_hz,velocity_m_s,wavelength_m");
    for (double f = 12; f <= 36; f += 4) {
        double v = 0, power = 0;
        ASSERT_TRUE(std::getline(lines, line) && std::getline(csv, row));
        ASSERT_EQ(std::sscanf(line.c_str(), "%*f %lf %lf", &v, &power), 2) << line;
        EXPECT_EQ(line, expected.substr(0, std::snprintf(&expected[0], 64, "%.2f %.1f %.4f", f, v, power)));
        EXPECT_EQ(row, expected.substr(0, std::snprintf(&expected[0], 64, "%.2f,%.1f,%.3f", f, v, v / f)));
        EXPECT_NEAR(v, synth::PhaseVelocity(f), 0.02 * synth::PhaseVelocity(f)) << line;
        EXPECT_GT(power, 0.9);
    }
    EXPECT_FALSE(std::getline(lines, line) || std::getline(csv, row));
    // An absurd but valid velocity prints in full: 1e300 has 301 digits.
    const auto huge =
        ExpectCli({"dispersion", in, "--fmax", "5", "--vmin", "1e300", "--vmax", "1e300"}, 0, "").out;
    EXPECT_EQ(huge.size(), 5 + 304 + 7) << huge.substr(0, 40);

    // The picture, or in a build without Qt the note that there is none.
    const auto picture = test::RunCli({"dispersion", in, "--fmax", "40", "-o", dir.File("image.png")});
    if (picture.exitCode == 0) {
        const auto png = test::ReadBytes(dir.File("image.png"));
        ASSERT_GT(png.size(), 24u);
        EXPECT_EQ(std::make_pair(be::U32(&png[16]), be::U32(&png[20])), std::make_pair(1024u, 768u));
    } else {
        EXPECT_EQ(picture.err,
                  "kvt-cli dispersion: -o is not available in this build (it was built without Qt)\n");
    }
}

TEST(CliDispersion, RefusalsKeepThePreviousPicksAndPrintNothing) {
    test::TempDir dir;
    const auto in = test::WriteGather(dir.File("gather.srw"), 4, 256);
    const std::string picks = dir.File("picks.csv");
    test::WriteBytes(picks, {'o', 'l', 'd'});
    EXPECT_EQ(
        ExpectCli(
            {"dispersion", in, "--df", "1e-9", "--picks", picks}, 1,
            "Error: 频率范围无效：须 0 < 最低频率 ≤ 最高频率 ≤ 奈奎斯特频率，步长大于 0，至多 2000 个频率\n")
            .out,
        "");
    ExpectCli({"dispersion", in, "--traces", "2"}, 1, "Error: 道数不足：至少需要两道有信号的道\n");
    ExpectCli({"dispersion", in, "--picks", dir.File("no/picks.csv")}, 1, "Error: 保存文件失败\n");
    EXPECT_EQ(test::ReadBytes(picks), (std::vector<uint8_t>{'o', 'l', 'd'}));
    for (const auto& args :
         {Args{"dispersion", in, "--traces", "4"}, Args{"dispersion", in, "-o", "image.jpg"}}) {
        const auto usage = test::RunCli(args);
        EXPECT_EQ(usage.exitCode, 2) << usage.err;
        EXPECT_NE(usage.err.find("usage: kvt-cli dispersion"), std::string::npos) << usage.err;
    }
}

} // namespace
} // namespace kvt
