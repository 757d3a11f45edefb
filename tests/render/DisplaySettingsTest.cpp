// Display-menu commands and the printable rectangle.
#include "RecordingHost.h"
#include "SectionRecords.h"
#include "render/DisplayCommands.h"
#include "render/PrintableRect.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

TEST(DisplayCommands, EachCommandChangesItsSettingAndReportsOnlyARealChange) {
    using enum DisplayCommand;
    using Effect = DisplayEffect;
    const DisplaySettings plain, byTrace{.m_nScaleMode = ScaleMode::Trace},
        wiggle{.m_nFillMode = FillMode::Wiggle};
    const struct {
        DisplayCommand command;
        DisplaySettings before;
        Effect effect;
        DisplaySettings after;
        DisplayCommandState state; // afterwards
    } cases[] = {
        {FillNegative, plain, Effect::Repaint, {.m_nFillMode = FillMode::Negative}, {true, true}},
        {Wiggle, plain, Effect::Repaint, wiggle, {true, true}},
        {FillPositive, wiggle, Effect::Repaint, plain, {true, true}},
        {FillPositive, plain, Effect::Repaint, plain, {true, true}}, // repainted, but nothing changed
        {ScaleTrace, plain, Effect::Repaint, byTrace, {true, true}},
        {ScaleTrace, byTrace, Effect::None, byTrace, {true, true}}, // the active scaling again
        {ScaleGlobal, plain, Effect::None, plain, {true, true}},
        {Normalize, plain, Effect::Repaint, byTrace, {true, true}},
        {Normalize, byTrace, Effect::Repaint, plain, {true, false}},
        {StretchH, {.m_nHStretch = 4}, Effect::Relayout, {.m_nHStretch = 5}, {false, false}}, // up to five
        {StretchH, {.m_nHStretch = 5}, Effect::None, {.m_nHStretch = 5}, {false, false}},
        {CompressH, {.m_nHStretch = 2}, Effect::Relayout, plain, {false, false}},
        {CompressV, {.m_nVStretch = 3}, Effect::Relayout, {.m_nVStretch = 2}, {true, false}},
        {CompressV, plain, Effect::None, plain, {false, false}}, // down to one
    };
    test::RecordingHost host;
    CKVTDoc doc(host);
    test::LoadTraces(doc, {{1}});
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.command));
        doc.SetDisplay(c.before);
        host.Clear();
        EXPECT_EQ(RunDisplayCommand(doc, c.command), c.effect);
        EXPECT_EQ(doc.Display(), c.after);
        EXPECT_EQ(StateOfDisplayCommand(doc, c.command), c.state);
        EXPECT_EQ(host.changes, std::vector<ChangeSet>(c.after == c.before ? 0 : 1, Change::Display));
    }
    CKVTDoc empty; // normalize and stretch need a record
    empty.SetDisplay({.m_nHStretch = 3, .m_nVStretch = 3});
    for (DisplayCommand command : {Normalize, StretchH, CompressH, StretchV, CompressV}) {
        EXPECT_FALSE(StateOfDisplayCommand(empty, command).enabled) << static_cast<int>(command);
    }
}

TEST(PrintableRect, MarginsCountFromThePaperEdgeButNotInsideTheBorder) {
    CKVTDoc doc;
    doc.SetMargins({.m_nMarginLeft = 10, .m_nMarginRight = 0, .m_nMarginTop = 20, .m_nMarginBottom = 1});
    // 236 - 100; (int)(600 * 20 / 25.4) = 472; margin 0: the border itself; 23 pixels lie inside the border.
    EXPECT_EQ(PrintableRect(doc, {100, 80, 600, 600, 4800, 6600}), (PixelRect{136, 472 - 80, 4800, 6600}));
}

} // namespace
} // namespace kvt
