#include "processing/FileListModel.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

using Step = FileListModel::MoveStep;
using Files = std::vector<std::string>;

FileListModel ListOf(const Files& files) {
    FileListModel list;
    for (const auto& f : files) {
        EXPECT_TRUE(list.Add(f)) << f;
    }
    return list;
}

TEST(FileListAdd, TakesPathsContainingSrwOnceEachCaseSensitively) {
    FileListModel list;
    EXPECT_TRUE(list.Add("/d/a.srw"));
    EXPECT_FALSE(list.Add("/d/a.srw"));
    EXPECT_TRUE(list.Add("/d/A.SRW"));
    EXPECT_TRUE(list.Add("/d/x.srw.bak"));
    EXPECT_TRUE(list.Add("/d/y.Srw"));
    EXPECT_TRUE(list.Add("/d.srw/notes.txt")) << "the test looks at the whole path";
    EXPECT_FALSE(list.Add("/d/x.sgy"));
    EXPECT_FALSE(list.Add("/d/srw"));
    EXPECT_EQ(list.Files(), (Files{"/d/a.srw", "/d/A.SRW", "/d/x.srw.bak", "/d/y.Srw", "/d.srw/notes.txt"}));
}

TEST(FileListDelete, RemovesTheSelectedRowsAndIgnoresOthers) {
    FileListModel list = ListOf({"0.srw", "1.srw", "2.srw", "3.srw", "4.srw"});
    list.Delete({3, 1, 9, -1, 1});
    EXPECT_EQ(list.Files(), (Files{"0.srw", "2.srw", "4.srw"}));
    list.Delete({});
    EXPECT_EQ(list.Size(), 3u);
    list.Clear();
    EXPECT_EQ(list.Size(), 0u);
}

TEST(FileListMove, UpMovesTheSelectionAsABlockAndStopsAtTheTop) {
    FileListModel list = ListOf({"0.srw", "1.srw", "2.srw", "3.srw"});
    auto r = list.MoveUp({2, 1});
    EXPECT_EQ(r.step, Step::Moved);
    EXPECT_EQ(r.selection, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(list.Files(), (Files{"1.srw", "2.srw", "0.srw", "3.srw"}));

    r = list.MoveUp({0, 3});
    EXPECT_EQ(r.step, Step::FocusOnly);
    EXPECT_EQ(list.Files(), (Files{"1.srw", "2.srw", "0.srw", "3.srw"}));

    r = list.MoveUp({1, 3});
    EXPECT_EQ(r.step, Step::Moved);
    EXPECT_EQ(r.selection, (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(list.Files(), (Files{"2.srw", "1.srw", "3.srw", "0.srw"}));

    EXPECT_EQ(list.MoveUp({}).step, Step::Redisplay);
}

TEST(FileListMove, DownIsTheMirrorImage) {
    FileListModel list = ListOf({"0.srw", "1.srw", "2.srw", "3.srw", "4.srw"});
    auto r = list.MoveDown({1, 3});
    EXPECT_EQ(r.step, Step::Moved);
    EXPECT_EQ(r.selection, (std::vector<int32_t>{2, 4}));
    EXPECT_EQ(list.Files(), (Files{"0.srw", "2.srw", "1.srw", "4.srw", "3.srw"}));

    r = list.MoveDown({2, 3});
    EXPECT_EQ(r.selection, (std::vector<int32_t>{3, 4}));
    EXPECT_EQ(list.Files(), (Files{"0.srw", "2.srw", "3.srw", "1.srw", "4.srw"}));

    EXPECT_EQ(list.MoveDown({4}).step, Step::FocusOnly);
    EXPECT_EQ(list.MoveDown({7}).step, Step::Redisplay);
    EXPECT_EQ(list.Files(), (Files{"0.srw", "2.srw", "3.srw", "1.srw", "4.srw"}));
}

TEST(FileListSort, OrdersFullPathsByUtf16CodeUnits) {
    FileListModel list =
        ListOf({"/a/a.srw", "/B/z.srw", "/b/c.srw", "/测/x.srw", "/😀/x.srw", "/\xEF\xBD\x81/x.srw"});
    list.SortAscending();
    // Upper case before lower case; U+FF41 after U+1F600, whose first UTF-16 unit is a surrogate
    // (0xD83D), although its code point is larger.
    EXPECT_EQ(list.Files(),
              (Files{"/B/z.srw", "/a/a.srw", "/b/c.srw", "/测/x.srw", "/😀/x.srw", "/\xEF\xBD\x81/x.srw"}));
    list.SortDescending();
    EXPECT_EQ(list.Files(),
              (Files{"/\xEF\xBD\x81/x.srw", "/😀/x.srw", "/测/x.srw", "/b/c.srw", "/a/a.srw", "/B/z.srw"}));
}

TEST(FileListSort, MalformedBytesSortDeterministicallyAndApart) {
    FileListModel list = ListOf({"/\xFF.srw", "/\xFE.srw", "/a.srw"});
    list.SortAscending();
    EXPECT_EQ(list.Files(), (Files{"/a.srw", "/\xFE.srw", "/\xFF.srw"}));
}

TEST(FileListReplace, ChangesOneEntryAndShowsFileNames) {
    FileListModel list = ListOf({"/d/a.srw", "b.srw"});
    list.Replace(0, "/d/a_rs.srw");
    list.Replace(5, "ignored");
    EXPECT_EQ(list.Files(), (Files{"/d/a_rs.srw", "b.srw"}));
    EXPECT_EQ(FileListModel::DisplayName(list.Files()[0]), "a_rs.srw");
    EXPECT_EQ(FileListModel::DisplayName(list.Files()[1]), "b.srw");
}

} // namespace
} // namespace kvt
