#include "batch/FileListModel.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

using Step = FileListModel::MoveStep;
using Files = std::vector<std::string>;
using Rows = std::vector<int32_t>;

FileListModel ListOf(const Files& files) {
    FileListModel list;
    for (const auto& f : files) {
        EXPECT_TRUE(list.Add(f)) << f;
    }
    return list;
}

TEST(FileListModel, AddsPathsContainingSrwOnceEachAndDeletesSelectedRows) {
    FileListModel list;
    EXPECT_FALSE(list.Add("/d/x.sgy"));
    EXPECT_FALSE(list.Add("/d/srw"));
    // ".srw" in any case anywhere in the path; duplicates are the identical path only.
    list = ListOf({"/d/a.srw", "/d/A.SRW", "/d/x.srw.bak", "/d.srw/notes.txt"});
    EXPECT_FALSE(list.Add("/d/a.srw"));
    list.Delete({3, 1, 9, -1, 1});
    EXPECT_EQ(list.Files(), (Files{"/d/a.srw", "/d/x.srw.bak"}));
    list.Replace(1, "/d/x_rs.srw");
    list.Replace(5, "ignored");
    EXPECT_EQ(list.Files(), (Files{"/d/a.srw", "/d/x_rs.srw"}));
    EXPECT_EQ(FileListModel::DisplayName(list.Files()[1]), "x_rs.srw");
}

TEST(FileListModel, MovesTheSelectionAsABlockAndStopsAtTheEdge) {
    struct Case {
        bool up;
        Rows rows;
        Step step;
        Rows selection;
        Files after;
    };
    const Case cases[] = {
        {true, {2, 1}, Step::Moved, {0, 1}, {"1", "2", "0", "3", "4"}},
        {true, {0, 3}, Step::FocusOnly, {0, 3}, {"1", "2", "0", "3", "4"}},
        {true, {1, 3}, Step::Moved, {0, 2}, {"2", "1", "3", "0", "4"}},
        {true, {}, Step::Redisplay, {}, {"2", "1", "3", "0", "4"}},
        {false, {1, 3}, Step::Moved, {2, 4}, {"2", "3", "1", "4", "0"}},
        {false, {2, 3}, Step::Moved, {3, 4}, {"2", "3", "0", "1", "4"}},
        {false, {4}, Step::FocusOnly, {4}, {"2", "3", "0", "1", "4"}},
        {false, {7}, Step::Redisplay, {}, {"2", "3", "0", "1", "4"}},
    };
    FileListModel list = ListOf({"0.srw", "1.srw", "2.srw", "3.srw", "4.srw"});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.up ? "up " : "down ") << testing::PrintToString(c.rows));
        const auto result = c.up ? list.MoveUp(c.rows) : list.MoveDown(c.rows);
        EXPECT_EQ(result.step, c.step);
        EXPECT_EQ(result.selection, c.selection);
        Files expected;
        for (const auto& name : c.after) {
            expected.push_back(name + ".srw");
        }
        EXPECT_EQ(list.Files(), expected);
    }
}

TEST(FileListModel, SortsFullPathsByUtf16CodeUnits) {
    // Upper case before lower case; U+1F600 before U+FF41 because its first unit is a surrogate
    // (0xD83D); a malformed byte becomes the unit 0xDC00 + byte and sorts between them.
    const Files ascending = {"/B/z.srw", "/a/a.srw",    "/b/c.srw",           "/测/x.srw",
                             "/😀/x.srw", "/\xFF/x.srw", "/\xEF\xBD\x81/x.srw"};
    FileListModel list = ListOf(
        {ascending[6], ascending[1], ascending[0], ascending[5], ascending[3], ascending[4], ascending[2]});
    list.SortAscending();
    EXPECT_EQ(list.Files(), ascending);
    list.SortDescending();
    EXPECT_EQ(list.Files(), Files(ascending.rbegin(), ascending.rend()));
}

} // namespace
} // namespace kvt
