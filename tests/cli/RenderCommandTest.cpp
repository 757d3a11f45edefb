#include "CliRun.h"
#include "FileBytes.h"
#include "SyntheticGather.h"
#include "TempDir.h"
#include "formats/LittleEndian.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kvt {
namespace {

using test::RunCli;

std::string Gather(const test::TempDir& dir) {
    synth::GatherShape shape;
    shape.channels = 12;
    shape.samples = 1024;
    EXPECT_TRUE(synth::MakeGather(shape).Write(dir.File("gather.srw")));
    return dir.File("gather.srw");
}

TEST(CliRender, WritesTheDefaultSizedBmp) {
    test::TempDir dir;
    const auto r = RunCli({"render", Gather(dir), "-o", dir.File("section.bmp")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "");
    const auto bytes = test::ReadBytes(dir.File("section.bmp"));
    ASSERT_EQ(bytes.size(), 2359350u);
    EXPECT_EQ(le::I32(&bytes[18]), 1024);
    EXPECT_EQ(le::I32(&bytes[22]), 768);
    EXPECT_EQ(le::U16(&bytes[28]), 24u);
    // Bottom-up: the last stored row is the picture's top, white above the header band's labels.
    EXPECT_EQ(bytes[bytes.size() - 3], 255);
    size_t black = 0;
    for (size_t i = 54; i < bytes.size(); i += 3) {
        black += bytes[i] == 0 && bytes[i + 1] == 0 && bytes[i + 2] == 0;
    }
    EXPECT_GT(black, 10000u); // axes, traces, fills
}

TEST(CliRender, OptionsChangeThePictureAndPngIsWritten) {
    test::TempDir dir;
    const auto in = Gather(dir);
    ASSERT_EQ(RunCli({"render", in, "-o", dir.File("a.bmp"), "--width", "300", "--height", "200"}).exitCode,
              0);
    ASSERT_EQ(RunCli({"render", in, "-o", dir.File("b.bmp"), "--width", "300", "--height", "200", "--fill",
                      "wiggle", "--scale", "trace", "--gain", "-12", "--range", "5"})
                  .exitCode,
              0);
    const auto a = test::ReadBytes(dir.File("a.bmp")), b = test::ReadBytes(dir.File("b.bmp"));
    EXPECT_EQ(a.size(), 54u + 900u * 200u);
    EXPECT_EQ(a.size(), b.size());
    EXPECT_NE(a, b);

    const auto png = RunCli({"render", in, "-o", dir.File("c.PNG"), "--width", "300", "--height", "200"});
    ASSERT_EQ(png.exitCode, 0) << png.err;
    const auto bytes = test::ReadBytes(dir.File("c.PNG"));
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4),
              (std::vector<uint8_t>{0x89, 'P', 'N', 'G'}));
}

TEST(CliRender, BadSizesGiveTheDialogsMessages) {
    test::TempDir dir;
    const auto in = Gather(dir);
    auto r = RunCli({"render", in, "-o", dir.File("x.bmp"), "--width", "0", "--height", "abc"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "KVT: 宽度设置错误\nKVT: 高度设置错误\n");
    r = RunCli({"render", in, "-o", dir.File("x.bmp"), "--height", "-5"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "KVT: 高度设置错误\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.bmp")));
}

TEST(CliRender, FailuresAreReportedAndLeaveNoFile) {
    test::TempDir dir;
    const auto in = Gather(dir);
    auto r = RunCli({"render", dir.File("missing.srw"), "-o", dir.File("x.bmp")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Error: 文件打开失败\n");

    r = RunCli({"render", in, "-o", dir.File("no/such/folder/x.bmp")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "错误: 打开Bmp文件失败！\n");

    r = RunCli({"render", in, "-o", dir.File("x.bmp"), "--width", "70000", "--height", "70000"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("too large"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.bmp")));
}

TEST(CliRender, UsageErrors) {
    test::TempDir dir;
    const auto in = Gather(dir);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"render", in},
             {"render", "-o", dir.File("x.bmp")},
             {"render", in, "-o", dir.File("x.jpg")},
             {"render", in, "-o", dir.File("x.bmp"), "--fill", "solid"},
             {"render", in, "-o", dir.File("x.bmp"), "--scale", "local"},
             {"render", in, "-o", dir.File("x.bmp"), "--gain", "61"},
             {"render", in, "-o", dir.File("x.bmp"), "--range", "0"},
             {"render", in, "-o", dir.File("x.bmp"), "--width"},
             {"render", in, "-o", dir.File("x.bmp"), "--colour", "red"},
         }) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.back();
        EXPECT_NE(r.err.find("usage: kvt-cli render"), std::string::npos) << r.err;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

} // namespace
} // namespace kvt
