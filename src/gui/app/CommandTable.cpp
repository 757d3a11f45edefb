#include "CommandTable.h"

#include "document/CKVTDoc.h"
#include "render/DisplayCommands.h"

#include <QCoreApplication>

namespace kvt {

namespace {

using K = QKeySequence;

const char* const kFile = QT_TRANSLATE_NOOP("CommandTable", "文件(&F)");
const char* const kView = QT_TRANSLATE_NOOP("CommandTable", "视图(&V)");
const char* const kDisplay = QT_TRANSLATE_NOOP("CommandTable", "显示");
const char* const kEdit = QT_TRANSLATE_NOOP("CommandTable", "编辑(&E)");
const char* const kProcess = QT_TRANSLATE_NOOP("CommandTable", "处理");
const char* const kHelp = QT_TRANSLATE_NOOP("CommandTable", "帮助(&H)");

CommandRow Row(CommandId id, const char* menu, const char* caption, const char* prompt,
               const char* artwork = "", bool checkable = false, bool separatorAfter = false,
               QList<QKeySequence> keys = {}) {
    return {id, menu, "", caption, prompt, artwork, checkable, separatorAfter, std::move(keys)};
}

std::vector<CommandRow> MakeCommands() {
    using C = CommandId;
    std::vector<CommandRow> rows = {
        Row(C::Open, kFile, QT_TRANSLATE_NOOP("CommandTable", "打开(&O)..."),
            QT_TRANSLATE_NOOP("CommandTable", "打开现有文档\n打开"), "open", false, false,
            {K(Qt::CTRL | Qt::Key_O)}),
        Row(C::Save, kFile, QT_TRANSLATE_NOOP("CommandTable", "保存(&S)"),
            QT_TRANSLATE_NOOP("CommandTable", "保存活动文档\n保存"), "save", false, false,
            {K(Qt::CTRL | Qt::Key_S)}),
        Row(C::SaveAs, kFile, QT_TRANSLATE_NOOP("CommandTable", "另存为(&A)..."),
            QT_TRANSLATE_NOOP("CommandTable", "用新名称保存活动文档\n另存为")),
        Row(C::ReadPoint, kFile, QT_TRANSLATE_NOOP("CommandTable", "单波读取"), ""),
        Row(C::SavePoint, kFile, QT_TRANSLATE_NOOP("CommandTable", "单波保存"), "", "", false, true),
        Row(C::PrintPreview, kFile, QT_TRANSLATE_NOOP("CommandTable", "打印预览(&V)"), ""),
        // The menu's 打印 opens the program's own print dialog; Ctrl+P is the standard print.
        Row(C::PrintDialog, kFile, QT_TRANSLATE_NOOP("CommandTable", "打印(&P)...\tCtrl+P"), "", "", false,
            true),
        Row(C::CloseDocument, kFile, QT_TRANSLATE_NOOP("CommandTable", "关闭文档(&C)"),
            QT_TRANSLATE_NOOP("CommandTable", "关闭当前文档\n关闭"), "close"),
        Row(C::Exit, kFile, QT_TRANSLATE_NOOP("CommandTable", "退出(&X)"),
            QT_TRANSLATE_NOOP("CommandTable", "退出应用程序；提示保存文档\n退出")),
        Row(C::SidePanel, kView, QT_TRANSLATE_NOOP("CommandTable", "主面板(&M)"), "", "", true),
        Row(C::ToolBar, kView, QT_TRANSLATE_NOOP("CommandTable", "工具栏(&T)"),
            QT_TRANSLATE_NOOP("CommandTable", "显示或隐藏工具栏\n切换工具栏"), "", true),
        Row(C::StatusBar, kView, QT_TRANSLATE_NOOP("CommandTable", "状态栏(&S)"),
            QT_TRANSLATE_NOOP("CommandTable", "显示或隐藏状态栏\n切换状态栏"), "", true),
        Row(C::FillPositive, kDisplay, QT_TRANSLATE_NOOP("CommandTable", "正向填充"),
            QT_TRANSLATE_NOOP("CommandTable", "\n正向填充"), "", true),
        Row(C::FillNegative, kDisplay, QT_TRANSLATE_NOOP("CommandTable", "反向填充"),
            QT_TRANSLATE_NOOP("CommandTable", "\n反向填充"), "", true),
        Row(C::Wiggle, kDisplay, QT_TRANSLATE_NOOP("CommandTable", "波形"),
            QT_TRANSLATE_NOOP("CommandTable", "\n波形"), "", true, true),
        Row(C::ScaleGlobal, kDisplay, QT_TRANSLATE_NOOP("CommandTable", "全局最大值"), "", "", true),
        Row(C::ScaleTrace, kDisplay, QT_TRANSLATE_NOOP("CommandTable", "单道最大值"), "", "", true),
        Row(C::StretchH, kDisplay, QT_TRANSLATE_NOOP("CommandTable", "水平拉伸"),
            QT_TRANSLATE_NOOP("CommandTable", "\n水平拉伸"), "h_stretch"),
        Row(C::CompressH, kDisplay, QT_TRANSLATE_NOOP("CommandTable", "水平压缩"),
            QT_TRANSLATE_NOOP("CommandTable", "\n水平压缩"), "h_compress"),
        Row(C::StretchV, kDisplay, QT_TRANSLATE_NOOP("CommandTable", "垂直拉伸"),
            QT_TRANSLATE_NOOP("CommandTable", "\n垂直拉伸"), "v_stretch"),
        Row(C::CompressV, kDisplay, QT_TRANSLATE_NOOP("CommandTable", "垂直压缩"),
            QT_TRANSLATE_NOOP("CommandTable", "\n垂直压缩"), "v_compress", false, true),
        Row(C::WaveSettings, kDisplay, QT_TRANSLATE_NOOP("CommandTable", "设置(&S)..."), ""),
        Row(C::AreaEdit, kEdit, QT_TRANSLATE_NOOP("CommandTable", "区域编辑"),
            QT_TRANSLATE_NOOP("CommandTable", "\n区域编辑"), "area_edit", true),
        Row(C::Operation, kEdit, QT_TRANSLATE_NOOP("CommandTable", "操作命令"),
            QT_TRANSLATE_NOOP("CommandTable", "\n操作命令"), "operate", true),
        Row(C::DelayCorrection, kEdit, QT_TRANSLATE_NOOP("CommandTable", "延迟修正"),
            QT_TRANSLATE_NOOP("CommandTable", "\n触发修正"), "delay", true),
        Row(C::ShotTime, kEdit, QT_TRANSLATE_NOOP("CommandTable", "炮时修正"),
            QT_TRANSLATE_NOOP("CommandTable", "\n炮时修正"), "shot_time", true, true),
        Row(C::Copy, kEdit, QT_TRANSLATE_NOOP("CommandTable", "复制(&C)"),
            QT_TRANSLATE_NOOP("CommandTable", "复制选定内容并将其放到剪贴板上\n复制"), "", false, false,
            {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)}),
        Row(C::Paste, kEdit, QT_TRANSLATE_NOOP("CommandTable", "粘贴(&P)"),
            QT_TRANSLATE_NOOP("CommandTable", "插入剪贴板内容\n粘贴"), "", false, true,
            {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)}),
        Row(C::Undo, kEdit, QT_TRANSLATE_NOOP("CommandTable", "撤消(&U)"),
            QT_TRANSLATE_NOOP("CommandTable", "撤消上一操作\n撤消"), "undo", false, false,
            {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)}),
        Row(C::Redo, kEdit, QT_TRANSLATE_NOOP("CommandTable", "恢复(&R)"),
            QT_TRANSLATE_NOOP("CommandTable", "恢复上次撤消的操作\n恢复"), "redo", false, false,
            {K(Qt::CTRL | Qt::Key_R)}),
        Row(C::Geometry, kProcess, QT_TRANSLATE_NOOP("CommandTable", "参数排列..."),
            QT_TRANSLATE_NOOP("CommandTable", "\n参数排列"), "geometry"),
        Row(C::Resample, kProcess, QT_TRANSLATE_NOOP("CommandTable", "重采样..."),
            QT_TRANSLATE_NOOP("CommandTable", "\n重采样"), "resample", false, true),
        Row(C::VerticalStack, kProcess, QT_TRANSLATE_NOOP("CommandTable", "垂直叠加..."),
            QT_TRANSLATE_NOOP("CommandTable", "\n垂直叠加"), "vertical_stack"),
        Row(C::BatchResample, kProcess, QT_TRANSLATE_NOOP("CommandTable", "批量重采样..."),
            QT_TRANSLATE_NOOP("CommandTable", "\n批量重采样")),
        Row(C::Combine, kProcess, QT_TRANSLATE_NOOP("CommandTable", "合并文件..."),
            QT_TRANSLATE_NOOP("CommandTable", "\n合并文件"), "combine"),
        Row(C::Extract, kProcess, QT_TRANSLATE_NOOP("CommandTable", "通道提取..."),
            QT_TRANSLATE_NOOP("CommandTable", "\n通道提取"), "extract"),
        Row(C::Filter, kProcess, QT_TRANSLATE_NOOP("CommandTable", "滤波..."),
            QT_TRANSLATE_NOOP("CommandTable", "对波形进行滤波处理\n滤波"), "filter"),
        Row(C::Normalize, kProcess, QT_TRANSLATE_NOOP("CommandTable", "归一化"),
            QT_TRANSLATE_NOOP("CommandTable", "\n归一化"), "normalise", true, true),
        Row(C::ImageOutput, kProcess, QT_TRANSLATE_NOOP("CommandTable", "图像输出..."),
            QT_TRANSLATE_NOOP("CommandTable", "\n图像输出"), "image_output", false, true),
        Row(C::Dispersion, kProcess, QT_TRANSLATE_NOOP("CommandTable", "频散分析"),
            QT_TRANSLATE_NOOP("CommandTable", "计算当前记录的频散图像并拾取基阶模式曲线\n频散分析")),
        Row(C::About, kHelp, QT_TRANSLATE_NOOP("CommandTable", "关于 KVT(&A)..."),
            QT_TRANSLATE_NOOP("CommandTable", "显示程序信息、版本号和版权\n关于")),
        Row(C::StandardPrint, "", "", "", "", false, false, {K(Qt::CTRL | Qt::Key_P)}),
        Row(C::SelectAbove, "", QT_TRANSLATE_NOOP("CommandTable", "上方"), ""),
        Row(C::SelectBelow, "", QT_TRANSLATE_NOOP("CommandTable", "下方"), ""),
        Row(C::SelectSingle, "", QT_TRANSLATE_NOOP("CommandTable", "单道"), ""),
        Row(C::SelectMulti, "", QT_TRANSLATE_NOOP("CommandTable", "多道"), ""),
        Row(C::ResetSelection, "", QT_TRANSLATE_NOOP("CommandTable", "重设"), ""),
        Row(C::Amplify, "", QT_TRANSLATE_NOOP("CommandTable", "放大"), ""),
        Row(C::Attenuate, "", QT_TRANSLATE_NOOP("CommandTable", "缩小"), ""),
        Row(C::Cut, "", QT_TRANSLATE_NOOP("CommandTable", "切除"), ""),
        Row(C::Swap, "", QT_TRANSLATE_NOOP("CommandTable", "调换"), ""),
        Row(C::Polarity, "", QT_TRANSLATE_NOOP("CommandTable", "极性反转"), ""),
    };
    for (CommandRow& row : rows) {
        if (row.id == C::ScaleGlobal || row.id == C::ScaleTrace) {
            row.submenu = QT_TRANSLATE_NOOP("CommandTable", "比例调节");
        }
    }
    return rows;
}

bool Loaded(const CKVTDoc& doc) {
    return doc.IsLoaded();
}

CommandState ToolState(const CKVTDoc& doc, EditTool tool) {
    return {Loaded(doc), doc.GetEditTool() == tool};
}

CommandState DisplayState(const CKVTDoc& doc, DisplayCommand command) {
    const DisplayCommandState state = StateOfDisplayCommand(doc, command);
    return {state.enabled, state.checked};
}

} // namespace

QString CommandText(const char* text) {
    return *text == '\0' ? QString() : QCoreApplication::translate("CommandTable", text);
}

const std::vector<CommandRow>& Commands() {
    static const std::vector<CommandRow> rows = MakeCommands();
    return rows;
}

const std::vector<int>& ToolbarLayout() {
    using C = CommandId;
    static const std::vector<int> layout = {
        int(C::Open),
        int(C::Save),
        0,
        int(C::Geometry),
        int(C::Resample),
        0,
        int(C::AreaEdit),
        int(C::Operation),
        int(C::DelayCorrection),
        int(C::ShotTime),
        int(C::Normalize),
        0,
        int(C::VerticalStack),
        int(C::Combine),
        int(C::Extract),
        int(C::Filter),
        int(C::Undo),
        int(C::Redo),
        int(C::ImageOutput),
        0,
        int(C::StretchH),
        int(C::CompressH),
        int(C::StretchV),
        int(C::CompressV),
        int(C::CloseDocument),
    };
    return layout;
}

bool FollowsDocument(CommandId id) {
    switch (id) {
    case CommandId::SidePanel:
    case CommandId::ToolBar:
    case CommandId::StatusBar:
        return false;
    default:
        return true;
    }
}

CommandState StateOfCommand(CommandId id, const CKVTDoc& doc) {
    using C = CommandId;
    switch (id) {
    case C::Save:
        return {doc.IsDataChanged(), false};
    case C::SaveAs:
    case C::PrintPreview:
    case C::PrintDialog:
    case C::StandardPrint:
    case C::CloseDocument:
    case C::Geometry:
    case C::Resample:
    case C::Filter:
    case C::Dispersion:
    case C::ImageOutput:
        return {Loaded(doc), false};
    case C::ReadPoint:
    case C::SavePoint:
        return {doc.CanUsePointFile(), false};
    case C::FillPositive:
    case C::FillNegative:
    case C::Wiggle:
    case C::ScaleGlobal:
    case C::ScaleTrace:
    case C::StretchH:
    case C::CompressH:
    case C::StretchV:
    case C::CompressV:
    case C::Normalize:
        return DisplayState(doc, static_cast<DisplayCommand>(id));
    case C::AreaEdit:
        return ToolState(doc, EditTool::AreaEdit);
    case C::Operation:
        return ToolState(doc, EditTool::Operation);
    case C::DelayCorrection:
        return ToolState(doc, EditTool::DelayCorrection);
    case C::ShotTime:
        return ToolState(doc, EditTool::ShotTime);
    case C::Copy:
    case C::Paste:
        return {doc.CanCopyPaste(), false};
    case C::Undo:
        return {doc.CanUndo(), false};
    case C::Redo:
        return {doc.CanRedo(), false};
    default:
        return {};
    }
}

} // namespace kvt
