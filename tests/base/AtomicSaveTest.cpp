#include "FileBytes.h"
#include "TempDir.h"
#include "formats/ByteSink.h"
#include "formats/CSrwFile.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace kvt {
namespace {

size_t FilesIn(const std::filesystem::path& dir) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) {
        ++n;
    }
    return n;
}

TEST(AtomicSave, TheTargetAppearsOnlyWhenFinished) {
    test::TempDir dir;
    const std::string target = dir.File("r.srw");
    {
        AtomicFileSink sink(target);
        ASSERT_TRUE(sink.IsOpen());
        ASSERT_TRUE(sink.Write("abc", 3));
        const std::vector<uint8_t> noSamples; // its data() is null
        ASSERT_TRUE(sink.Write(noSamples.data(), noSamples.size()));
        EXPECT_FALSE(std::filesystem::exists(target));
        ASSERT_TRUE(sink.WriteAt(1, "X", 1));
        ASSERT_TRUE(sink.Write("d", 1));
        ASSERT_TRUE(sink.Finish());
    }
    EXPECT_EQ(test::ReadBytes(target), (std::vector<uint8_t>{'a', 'X', 'c', 'd'}));
    EXPECT_EQ(FilesIn(dir.Path()), 1u) << "no temporary file is left behind";
}

TEST(AtomicSave, AnAbandonedWriteLeavesThePreviousFileAndNoTemporary) {
    test::TempDir dir;
    const std::string target = dir.File("r.srw");
    test::WriteBytes(target, {1, 2, 3});
    {
        AtomicFileSink sink(target);
        ASSERT_TRUE(sink.Write("new", 3));
    }
    EXPECT_EQ(test::ReadBytes(target), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(AtomicSave, APatchOutsideTheWrittenBytesFailsTheWhole) {
    test::TempDir dir;
    const std::string target = dir.File("r.srw");
    test::WriteBytes(target, {9});
    AtomicFileSink sink(target);
    ASSERT_TRUE(sink.Write("ab", 2));
    EXPECT_FALSE(sink.WriteAt(1, "xyz", 3));
    EXPECT_FALSE(sink.Finish());
    EXPECT_EQ(test::ReadBytes(target), (std::vector<uint8_t>{9}));
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(AtomicSave, AFolderThatCannotBeWrittenFailsWithoutTouchingTheTarget) {
    test::TempDir dir;
    EXPECT_FALSE(CSrwFile().Write(dir.File("no/such/folder/r.srw")));
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    const std::string target = dir.File("r.srw");
    test::WriteBytes(target, {7});
    chmod(dir.Path().c_str(), 0555);
    CSrwFile file;
    file.m_nTraceCount = 0;
    EXPECT_FALSE(file.Write(target));
    chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(test::ReadBytes(target), (std::vector<uint8_t>{7}));
}

TEST(AtomicSave, AWriteErrorFailsTheSaveAndKeepsThePreviousFile) {
    // A file-size limit makes the writes fail part-way, as a full disk would.
    test::TempDir dir;
    const std::string target = dir.File("r.srw");
    test::WriteBytes(target, {5});
    CSrwFile file;
    file.m_nTraceCount = 4;
    file.m_nSampleCount = 65536;
    file.m_arrTraces.assign(4, std::vector<int32_t>(65536, 1));
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 100000;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = file.Write(target);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(saved);
    EXPECT_EQ(test::ReadBytes(target), (std::vector<uint8_t>{5}));
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(AtomicSave, SavedFilesGetOrdinaryPermissions) {
    test::TempDir dir;
    const std::string target = dir.File("r.srw");
    CSrwFile file;
    file.m_nTraceCount = 0;
    ASSERT_TRUE(file.Write(target));
    struct stat st {};
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_NE(st.st_mode & S_IRGRP, 0u) << "not the private mode of a temporary file";
}

} // namespace
} // namespace kvt
