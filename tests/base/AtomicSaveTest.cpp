#include "FileBytes.h"
#include "TempDir.h"
#include "base/ByteSink.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace kvt {
namespace {

using Bytes = std::vector<uint8_t>;

size_t FilesIn(const std::filesystem::path& dir) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

TEST(AtomicSave, TheTargetAppearsOnlyWhenFinishedWithOrdinaryPermissions) {
    test::TempDir dir;
    const std::string target = dir.File("r.srw");
    {
        AtomicFileSink sink(target);
        ASSERT_TRUE(sink.IsOpen());
        ASSERT_TRUE(sink.Write("abc", 3));
        ASSERT_TRUE(sink.Write(nullptr, 0)); // what an empty vector's data() may give
        EXPECT_FALSE(std::filesystem::exists(target));
        ASSERT_TRUE(sink.WriteAt(1, "X", 1));
        ASSERT_TRUE(sink.Write("d", 1));
        ASSERT_TRUE(sink.Finish());
    }
    EXPECT_EQ(test::ReadBytes(target), (Bytes{'a', 'X', 'c', 'd'}));
    EXPECT_EQ(FilesIn(dir.Path()), 1u) << "no temporary file is left behind";
    struct stat st {};
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_NE(st.st_mode & S_IRGRP, 0u) << "not the private mode of a temporary file";
}

// Runs `write` on a sink over an existing file, which must then be as it was, with nothing beside it.
void ExpectPreviousFileKept(const std::function<void(AtomicFileSink&)>& write) {
    test::TempDir dir;
    const std::string target = dir.File("r.srw");
    test::WriteBytes(target, {1, 2, 3});
    {
        AtomicFileSink sink(target);
        ASSERT_TRUE(sink.IsOpen());
        write(sink);
    }
    EXPECT_EQ(test::ReadBytes(target), (Bytes{1, 2, 3}));
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(AtomicSave, AFailedOrAbandonedWriteLeavesThePreviousFileAndNoTemporary) {
    ExpectPreviousFileKept([](AtomicFileSink& sink) { EXPECT_TRUE(sink.Write("never finished", 14)); });
    ExpectPreviousFileKept([](AtomicFileSink& sink) {
        EXPECT_TRUE(sink.Write("ab", 2));
        EXPECT_FALSE(sink.WriteAt(1, "xyz", 3)); // beyond the written bytes
        EXPECT_FALSE(sink.Finish());
    });
    // A file-size limit makes the write fail part-way, as a full disk would.
    ExpectPreviousFileKept([](AtomicFileSink& sink) {
        struct rlimit old {};
        getrlimit(RLIMIT_FSIZE, &old);
        auto previous = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old;
        small.rlim_cur = 100000;
        setrlimit(RLIMIT_FSIZE, &small);
        const Bytes block(400000, 1);
        const bool saved = sink.Write(block.data(), block.size()) && sink.Finish();
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
        EXPECT_FALSE(saved);
    });
}

} // namespace
} // namespace kvt
