// The commands of the main window: their ids, menu places, captions, prompts, keys and artwork in one
// table, and the rule that enables and ticks each of them from the document.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <vector>

namespace kvt {

class CKVTDoc;

enum class CommandId : int {
    Open = 57601,
    Save = 57603,
    SaveAs = 57604,
    ReadPoint = 32845,
    SavePoint = 32846,
    PrintPreview = 32855,
    PrintDialog = 32856,
    CloseDocument = 32835,
    Exit = 57665,
    SidePanel = 32788,
    ToolBar = 59392,
    StatusBar = 59393,
    FillPositive = 32801,
    FillNegative = 32802,
    Wiggle = 32803,
    ScaleGlobal = 32839,
    ScaleTrace = 32840,
    StretchH = 32849,
    CompressH = 32850,
    StretchV = 32853,
    CompressV = 32854,
    WaveSettings = 32859,
    AreaEdit = 32798,
    Operation = 32799,
    DelayCorrection = 32797,
    ShotTime = 32800,
    Copy = 57634,
    Paste = 57637,
    Undo = 57643,
    Redo = 57644,
    Geometry = 32789,
    Resample = 32790,
    VerticalStack = 32792,
    BatchResample = 32793,
    Combine = 32794,
    Extract = 32796,
    Filter = 32809,
    Dispersion = 32870,
    Normalize = 32805,
    ImageOutput = 32806,
    About = 57664,
    StandardPrint = 57607, // Ctrl+P: no menu item
    // The palettes' buttons as commands of the main window, without menu items.
    SelectAbove = 32820,
    SelectBelow = 32821,
    SelectSingle = 32826,
    SelectMulti = 32825,
    ResetSelection = 32827,
    Amplify = 32828,
    Attenuate = 32829,
    Cut = 32830,
    Swap = 32831,
    Polarity = 32833,
};

// The texts are the interface's own Chinese, marked for translation in the context "CommandTable".
struct CommandRow {
    CommandId id;
    const char* menu;    // top-level menu caption; "" for a command without a menu item
    const char* submenu; // "" when the item sits directly in the menu
    const char* caption; // may carry "\t<keys>" for a key shown but handled elsewhere
    const char* prompt;  // status text, line feed, tooltip and button text
    const char* artwork; // toolbar drawing, "" when the command has no button
    bool checkable;
    bool separatorAfter;
    QList<QKeySequence> keys;
};

// Every command, menu items in menu order.
const std::vector<CommandRow>& Commands();
// A menu title, caption or prompt of the table in the interface's language; empty for "".
QString CommandText(const char* text);
// The toolbar from left to right; std::nullopt-like 0 marks a separator.
const std::vector<int>& ToolbarLayout();

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

// Enabling and ticking of the commands that follow the document; the others (bars, panel) keep their
// own state.
CommandState StateOfCommand(CommandId id, const CKVTDoc& doc);
bool FollowsDocument(CommandId id);

} // namespace kvt
