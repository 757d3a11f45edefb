// Display-menu commands and the printable rectangle.
#include "SectionRecords.h"
#include "display/DisplayCommands.h"
#include "display/PrintableRect.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

TEST(DisplayCommands, FillAndScaleModes) {
    CKVTDoc doc;
    EXPECT_EQ(RunDisplayCommand(doc, DisplayCommand::FillNegative), DisplayEffect::Repaint);
    EXPECT_EQ(doc.m_nFillMode, 1);
    EXPECT_TRUE(StateOfDisplayCommand(doc, DisplayCommand::FillNegative).checked);
    EXPECT_FALSE(StateOfDisplayCommand(doc, DisplayCommand::FillPositive).checked);
    EXPECT_EQ(RunDisplayCommand(doc, DisplayCommand::Wiggle), DisplayEffect::Repaint);
    EXPECT_EQ(doc.m_nFillMode, 2);

    // Choosing the active scaling again does not repaint.
    EXPECT_EQ(RunDisplayCommand(doc, DisplayCommand::ScaleGlobal), DisplayEffect::None);
    EXPECT_EQ(RunDisplayCommand(doc, DisplayCommand::ScaleTrace), DisplayEffect::Repaint);
    EXPECT_EQ(doc.m_nScaleMode, 1);
    EXPECT_EQ(RunDisplayCommand(doc, DisplayCommand::ScaleTrace), DisplayEffect::None);
}

TEST(DisplayCommands, NormalizeTogglesTheScaleAndNeedsARecord) {
    CKVTDoc doc;
    EXPECT_FALSE(StateOfDisplayCommand(doc, DisplayCommand::Normalize).enabled);
    test::LoadTraces(doc, {{1}});
    EXPECT_TRUE(StateOfDisplayCommand(doc, DisplayCommand::Normalize).enabled);
    EXPECT_EQ(RunDisplayCommand(doc, DisplayCommand::Normalize), DisplayEffect::Repaint);
    EXPECT_TRUE(StateOfDisplayCommand(doc, DisplayCommand::Normalize).checked);
    EXPECT_EQ(RunDisplayCommand(doc, DisplayCommand::Normalize), DisplayEffect::Repaint);
    EXPECT_EQ(doc.m_nScaleMode, 0);
    doc.m_nScaleMode = 4;
    EXPECT_EQ(RunDisplayCommand(doc, DisplayCommand::Normalize), DisplayEffect::None);
    EXPECT_EQ(doc.m_nScaleMode, 4);
}

TEST(DisplayCommands, StretchStopsAtFiveAndCompressAtOne) {
    CKVTDoc doc;
    EXPECT_FALSE(StateOfDisplayCommand(doc, DisplayCommand::StretchH).enabled);
    test::LoadTraces(doc, {{1}});
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(StateOfDisplayCommand(doc, DisplayCommand::StretchH).enabled);
        EXPECT_EQ(RunDisplayCommand(doc, DisplayCommand::StretchH), DisplayEffect::Relayout);
    }
    EXPECT_EQ(doc.m_nHStretch, 5);
    EXPECT_FALSE(StateOfDisplayCommand(doc, DisplayCommand::StretchH).enabled);
    EXPECT_EQ(RunDisplayCommand(doc, DisplayCommand::StretchH), DisplayEffect::None);
    EXPECT_EQ(doc.m_nHStretch, 5);

    EXPECT_FALSE(StateOfDisplayCommand(doc, DisplayCommand::CompressV).enabled);
    EXPECT_EQ(RunDisplayCommand(doc, DisplayCommand::CompressV), DisplayEffect::None);
    EXPECT_EQ(RunDisplayCommand(doc, DisplayCommand::StretchV), DisplayEffect::Relayout);
    EXPECT_TRUE(StateOfDisplayCommand(doc, DisplayCommand::CompressV).enabled);
    EXPECT_EQ(RunDisplayCommand(doc, DisplayCommand::CompressV), DisplayEffect::Relayout);
    EXPECT_EQ(doc.m_nVStretch, 1);

    doc.m_nGainDb = 12;
    doc.m_nAmpRange = 4;
    doc.m_nFillMode = 2;
    ResetDisplaySettings(doc);
    EXPECT_EQ(doc.m_nHStretch, 1);
    EXPECT_EQ(doc.m_nGainDb, 0);
    EXPECT_EQ(doc.m_nAmpRange, 2);
    EXPECT_EQ(doc.m_nFillMode, 0);
}

TEST(PrintableRect, MarginsCountFromThePaperEdgeButNotInsideTheBorder) {
    CKVTDoc doc;
    doc.m_nMarginLeft = 10;
    doc.m_nMarginRight = 0;
    doc.m_nMarginTop = 20;
    doc.m_nMarginBottom = 1;
    const PrinterMetrics printer{100, 80, 600, 600, 4800, 6600};
    const PixelRect rect = PrintableRect(doc, printer);
    EXPECT_EQ(rect.left, 136);              // 236 - 100
    EXPECT_EQ(rect.top, 472 - 80);          // (int)(600 * 20 / 25.4) = 472
    EXPECT_EQ(rect.right, 4800);            // margin 0: the border itself
    EXPECT_EQ(rect.bottom, 6600 + 80 - 80); // 23 pixels are inside the 80-pixel border
}

} // namespace
} // namespace kvt
