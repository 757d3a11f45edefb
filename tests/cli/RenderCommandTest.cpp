// render end to end: the picture files' sizes and formats, and the sizes it refuses.
#include "CliRun.h"
#include "FileBytes.h"
#include "TempDir.h"
#include "base/ByteOrder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kvt {
namespace {

using test::ExpectCli;

TEST(CliRender, WritesSizedPicturesAndRefusesBadSizesLeavingNoFile) {
    test::TempDir dir;
    const auto in = test::WriteGather(dir.File("gather.srw"), 12, 1024);
    EXPECT_EQ(ExpectCli({"render", in, "-o", dir.File("section.bmp")}, 0, "").out, "");
    const auto bmp = test::ReadBytes(dir.File("section.bmp"));
    ASSERT_EQ(bmp.size(), 54u + 3u * 1024u * 768u);
    EXPECT_EQ(le::I32(&bmp[18]), 1024);
    EXPECT_EQ(le::I32(&bmp[22]), 768);
    EXPECT_EQ(le::U16(&bmp[28]), 24u);

    ExpectCli({"render", in, "-o", dir.File("c.PNG"), "--width", "301", "--height", "200"}, 0, "");
    const auto png = test::ReadBytes(dir.File("c.PNG"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(std::vector<uint8_t>(png.begin(), png.begin() + 4),
              (std::vector<uint8_t>{0x89, 'P', 'N', 'G'}));
    EXPECT_EQ(be::U32(&png[16]), 301u);
    EXPECT_EQ(be::U32(&png[20]), 200u);

    const std::string out = dir.File("x.bmp");
    ExpectCli({"render", in, "-o", out, "--width", "0", "--height", "abc"}, 1,
              "KVT: 宽度设置错误\nKVT: 高度设置错误\n");
    // The BMP's 32-bit size field bounds every picture, PNG included.
    ExpectCli({"render", in, "-o", dir.File("x.png"), "--width", "70000", "--height", "70000"}, 1,
              "kvt-cli render: a 70000 x 70000 picture is too large\n");
    ExpectCli({"render", in, "-o", dir.File("no/x.bmp")}, 1, "错误: 打开Bmp文件失败！\n");
    const auto r = test::RunCli({"render", in, "-o", dir.File("x.jpg")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("usage: kvt-cli render"), std::string::npos) << r.err;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);
}

} // namespace
} // namespace kvt
