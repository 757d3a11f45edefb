#include "processing/BatchMessages.h"
#include "processing/OutputNames.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

TEST(BatchResultMessage, SuccessFailureAndTheNoteNamingTheFirstEntry) {
    const std::vector<std::string> three = {"/d/first.srw", "/d/b.srw", "/d/c.srw"};
    EXPECT_EQ(BatchResultMessage(BatchTool::Combine, 3, three), (Message{"成功合并3个文件", "合并文件"}));
    EXPECT_EQ(BatchResultMessage(BatchTool::Combine, 2, three),
              (Message{"成功合并2个文件,有1个文件与\r\n/d/first.srw 采样参数不一致,未参与合并", "合并文件"}));
    EXPECT_EQ(BatchResultMessage(BatchTool::Combine, 0, three), (Message{"合并文件失败", "合并文件"}));

    EXPECT_EQ(BatchResultMessage(BatchTool::Extract, 1, three),
              (Message{"成功提取1个文件,有2个文件与\r\n/d/first.srw 采样参数不一致,未参与提取", "通道提取"}));
    EXPECT_EQ(BatchResultMessage(BatchTool::Extract, 0, three), (Message{"通道提取失败", "通道提取"}));

    EXPECT_EQ(BatchResultMessage(BatchTool::Stack, 3, three), (Message{"成功垂直叠加3个文件", "垂直叠加"}));
    EXPECT_EQ(
        BatchResultMessage(BatchTool::Stack, 2, three),
        (Message{"成功垂直叠加2个文件,有1个文件与\r\n/d/first.srw 采样参数不一致,未参与叠加", "垂直叠加"}));
    EXPECT_EQ(BatchResultMessage(BatchTool::Stack, -1, three), (Message{"垂直叠加失败", "垂直叠加"}));
}

TEST(BatchResultMessage, ResampleCountsItsSuccesses) {
    EXPECT_EQ(ResampleResultMessage(2), (Message{"成功重采样2个文件", "批量重采样"}));
    EXPECT_EQ(ResampleResultMessage(0), (Message{"批量重采样失败", "批量重采样"}));
}

TEST(OutputNames, InsertBeforeTheFileNamesExtensionOrAppend) {
    EXPECT_EQ(ResampledPath("/d/a/b.srw"), "/d/a/b_rs.srw");
    EXPECT_EQ(ResampledPath("/d/a/b_rs.srw"), "/d/a/b_rs_rs.srw");
    EXPECT_EQ(ResampledPath("/d/a/b.srw.bak"), "/d/a/b.srw_rs.bak");
    EXPECT_EQ(ChannelPath("/out/line.sg2", 1), "/out/line_CH1.sg2");
    EXPECT_EQ(ChannelPath("/out/line.sg2", 24), "/out/line_CH24.sg2");
    // A "." in a folder name is not the file's extension.
    EXPECT_EQ(ChannelPath("/out.d/line", 2), "/out.d/line_CH2");
    EXPECT_EQ(ResampledPath("/x.y/z"), "/x.y/z_rs");
    EXPECT_EQ(ChannelPath("line", 3), "line_CH3");
    EXPECT_EQ(ChannelPath("line.sg2", 3), "line_CH3.sg2");
    EXPECT_EQ(ChannelPath("/out/.sg2", 3), "/out/_CH3.sg2");
}

} // namespace
} // namespace kvt
