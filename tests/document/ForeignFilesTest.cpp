// Records from other systems in the document: instrument files named NNNN.dat, standard SEG-Y read,
// saved back in its own layout and written on request, and the power of ten small floats were scaled by.
#include "FileBytes.h"
#include "LoadedRecord.h"
#include "RecordingHost.h"
#include "SegyTestFiles.h"
#include "TempDir.h"
#include "base/ByteSource.h"
#include "document/Messages.h"
#include "formats/CSeg2File.h"
#include "formats/SegyTextHeader.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

using test::RecordingHost;

SegyLayout LayoutOfFile(const std::string& path) {
    FileSource source(path);
    return ProbeSegy(source).layout;
}

TEST(ForeignFiles, APathWithoutARecordExtensionOpensBySeg2Signature) {
    test::TempDir dir;
    CSeg2File seg2;
    seg2.m_nTraceCount = 2;
    seg2.m_nSampleCount = 3;
    seg2.m_arrTraces = {{1, 2, 3}, {4, 5, 6}};
    ASSERT_TRUE(seg2.Write(dir.File("seg2.tmp")));
    for (const char* name : {"1068.DAT", "6.dat", "record"}) {
        std::filesystem::copy_file(dir.File("seg2.tmp"), dir.File(name));
    }
    test::WriteBytes(dir.File("standard.dat"), test::StandardSegyBytes({.traces = {{1, 2, 3}}}));
    const std::pair<const char*, ReadError> cases[] = {
        {"1068.DAT", ReadError::None},
        {"6.dat", ReadError::None},
        {"record", ReadError::None},
        {"standard.dat", ReadError::UnknownFileType}, // only SEG-2 is told by its first bytes
        {"missing.dat", ReadError::CannotOpen},
    };
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(name);
        RecordingHost host;
        CKVTDoc doc(host);
        EXPECT_EQ(doc.OpenDocument(dir.File(name)), reason == ReadError::None);
        if (reason == ReadError::None) {
            EXPECT_TRUE(host.messages.empty());
            EXPECT_EQ(doc.GetFileType(), FileType::Seg2);
            EXPECT_EQ(doc.Traces().m_arrTraces, seg2.m_arrTraces);
        } else {
            EXPECT_EQ(host.messages, std::vector<Message>{OpenFailedMessage(reason)});
        }
    }
}

TEST(ForeignFiles, TheRecordCarriesTheFloatScaleUntilTheNextRecord) {
    test::TempDir dir;
    test::WriteBytes(dir.File("volts.sgy"),
                     test::StandardSegyBytes({.format = 5, .traces = {{0.0009765625, -0.001953125, 0}}}));
    CKVTDoc doc;
    ASSERT_TRUE(doc.OpenDocument(dir.File("volts.sgy")));
    EXPECT_EQ(doc.Record().m_nSampleScalePower, 9);
    EXPECT_EQ(doc.Record().m_nMaxAbs, 1953125);
    doc.ResetDocument();
    EXPECT_EQ(doc.Record().m_nSampleScalePower, 0);
}

TEST(ForeignFiles, SaveKeepsAStandardFileStandardAndSavingAsStandardIsAnExplicitChoice) {
    test::TempDir dir;
    test::WriteBytes(dir.File("other.sgy"),
                     test::StandardSegyBytes({.groupX = {250}, .traces = {{1, 2, 3}}}));
    CKVTDoc kvtSource;
    test::LoadRecord(kvtSource, 1, 3, 1000.0f, [](int32_t, int32_t i) { return i + 1; });
    ASSERT_TRUE(kvtSource.SaveByPath(dir.File("own.sgy")));
    for (const auto& [name, layout] :
         {std::pair{"other.sgy", SegyLayout::Standard}, {"own.sgy", SegyLayout::Kvt}}) {
        CKVTDoc doc;
        ASSERT_TRUE(doc.OpenDocument(dir.File(name)));
        EXPECT_EQ(doc.GetSegyLayout(), layout) << name;
        doc.ApplyDelayCorrection(1);
        doc.SaveCurrent();
        EXPECT_FALSE(doc.IsDataChanged());
        EXPECT_EQ(LayoutOfFile(dir.File(name)), layout) << name;
        // 另存为 with the SEG-Y type stays KVT's layout; the standard one is asked for by name.
        ASSERT_TRUE(doc.SaveByPath(dir.File("as.sgy")));
        EXPECT_EQ(LayoutOfFile(dir.File("as.sgy")), SegyLayout::Kvt);
    }

    CKVTDoc doc;
    test::LoadRecord(doc, 2, 4, 500.0f, [](int32_t t, int32_t i) { return (t + 1) * 1000 - i; });
    doc.CommitProjectInfo({"P1", "C1", "O1", "001", "2024-5-6"});
    ASSERT_TRUE(doc.SaveStandardSegy(dir.File("standard.SEGY")));
    const std::vector<uint8_t> bytes = test::ReadBytes(dir.File("standard.SEGY"));
    const std::vector<std::string> text = TextHeaderLines(std::span(bytes).first(3200));
    EXPECT_EQ(std::vector(text.begin() + 1, text.begin() + 6),
              (std::vector<std::string>{"C 2 PROJECT: P1", "C 3 COMPANY: C1", "C 4 OPERATOR: O1",
                                        "C 5 PROFILE: 001", "C 6 TEST DATE: 2024-5-6"}));
    CKVTDoc back;
    ASSERT_TRUE(back.OpenDocument(dir.File("standard.SEGY")));
    EXPECT_EQ(back.GetSegyLayout(), SegyLayout::Standard);
    EXPECT_EQ(back.Traces(), doc.Traces());
    EXPECT_EQ(back.Header().m_fSampleInterval, 500.0f);
}

} // namespace
} // namespace kvt
