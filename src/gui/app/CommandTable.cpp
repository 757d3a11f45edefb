#include "CommandTable.h"

#include "document/CKVTDoc.h"
#include "render/DisplayCommands.h"

namespace kvt {

namespace {

using K = QKeySequence;

const char* const kFile = "文件(&F)";
const char* const kView = "视图(&V)";
const char* const kDisplay = "显示";
const char* const kEdit = "编辑(&E)";
const char* const kProcess = "处理";
const char* const kHelp = "帮助(&H)";

CommandRow Row(CommandId id, const char* menu, const char* caption, const char* prompt,
               const char* artwork = "", bool checkable = false, bool separatorAfter = false,
               QList<QKeySequence> keys = {}) {
    return {id, menu, "", caption, prompt, artwork, checkable, separatorAfter, std::move(keys)};
}

std::vector<CommandRow> MakeCommands() {
    using C = CommandId;
    std::vector<CommandRow> rows = {
        Row(C::Open, kFile, "打开(&O)...", "打开现有文档\n打开", "open", false, false,
            {K(Qt::CTRL | Qt::Key_O)}),
        Row(C::Save, kFile, "保存(&S)", "保存活动文档\n保存", "save", false, false,
            {K(Qt::CTRL | Qt::Key_S)}),
        Row(C::SaveAs, kFile, "另存为(&A)...", "用新名称保存活动文档\n另存为"),
        Row(C::ReadPoint, kFile, "单波读取", ""),
        Row(C::SavePoint, kFile, "单波保存", "", "", false, true),
        Row(C::PrintPreview, kFile, "打印预览(&V)", ""),
        // The menu's 打印 opens the program's own print dialog; Ctrl+P is the standard print.
        Row(C::PrintDialog, kFile, "打印(&P)...\tCtrl+P", "", "", false, true),
        Row(C::CloseDocument, kFile, "关闭文档(&C)", "关闭当前文档\n关闭", "close"),
        Row(C::Exit, kFile, "退出(&X)", "退出应用程序；提示保存文档\n退出"),
        Row(C::SidePanel, kView, "主面板(&M)", "", "", true),
        Row(C::ToolBar, kView, "工具栏(&T)", "显示或隐藏工具栏\n切换工具栏", "", true),
        Row(C::StatusBar, kView, "状态栏(&S)", "显示或隐藏状态栏\n切换状态栏", "", true),
        Row(C::FillPositive, kDisplay, "正向填充", "\n正向填充", "", true),
        Row(C::FillNegative, kDisplay, "反向填充", "\n反向填充", "", true),
        Row(C::Wiggle, kDisplay, "波形", "\n波形", "", true, true),
        Row(C::ScaleGlobal, kDisplay, "全局最大值", "", "", true),
        Row(C::ScaleTrace, kDisplay, "单道最大值", "", "", true),
        Row(C::StretchH, kDisplay, "水平拉伸", "\n水平拉伸", "h_stretch"),
        Row(C::CompressH, kDisplay, "水平压缩", "\n水平压缩", "h_compress"),
        Row(C::StretchV, kDisplay, "垂直拉伸", "\n垂直拉伸", "v_stretch"),
        Row(C::CompressV, kDisplay, "垂直压缩", "\n垂直压缩", "v_compress", false, true),
        Row(C::WaveSettings, kDisplay, "设置(&S)...", ""),
        Row(C::AreaEdit, kEdit, "区域编辑", "\n区域编辑", "area_edit", true),
        Row(C::Operation, kEdit, "操作命令", "\n操作命令", "operate", true),
        Row(C::DelayCorrection, kEdit, "延迟修正", "\n触发修正", "delay", true),
        Row(C::ShotTime, kEdit, "炮时修正", "\n炮时修正", "shot_time", true, true),
        Row(C::Copy, kEdit, "复制(&C)", "复制选定内容并将其放到剪贴板上\n复制", "", false, false,
            {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)}),
        Row(C::Paste, kEdit, "粘贴(&P)", "插入剪贴板内容\n粘贴", "", false, true,
            {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)}),
        Row(C::Undo, kEdit, "撤消(&U)", "撤消上一操作\n撤消", "undo", false, false,
            {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)}),
        Row(C::Redo, kEdit, "恢复(&R)", "恢复上次撤消的操作\n恢复", "redo", false, false,
            {K(Qt::CTRL | Qt::Key_R)}),
        Row(C::Geometry, kProcess, "参数排列...", "\n参数排列", "geometry"),
        Row(C::Resample, kProcess, "重采样...", "\n重采样", "resample", false, true),
        Row(C::VerticalStack, kProcess, "垂直叠加...", "\n垂直叠加", "vertical_stack"),
        Row(C::BatchResample, kProcess, "批量重采样...", "\n批量重采样"),
        Row(C::Combine, kProcess, "合并文件...", "\n合并文件", "combine"),
        Row(C::Extract, kProcess, "通道提取...", "\n通道提取", "extract"),
        Row(C::Filter, kProcess, "滤波...", "对波形进行滤波处理\n滤波", "filter"),
        Row(C::Normalize, kProcess, "归一化", "\n归一化", "normalise", true, true),
        Row(C::ImageOutput, kProcess, "图像输出...", "\n图像输出", "image_output"),
        Row(C::About, kHelp, "关于 KVT(&A)...", "显示程序信息、版本号和版权\n关于"),
        Row(C::StandardPrint, "", "", "", "", false, false, {K(Qt::CTRL | Qt::Key_P)}),
        Row(C::SelectAbove, "", "上方", ""),
        Row(C::SelectBelow, "", "下方", ""),
        Row(C::SelectSingle, "", "单道", ""),
        Row(C::SelectMulti, "", "多道", ""),
        Row(C::ResetSelection, "", "重设", ""),
        Row(C::Amplify, "", "放大", ""),
        Row(C::Attenuate, "", "缩小", ""),
        Row(C::Cut, "", "切除", ""),
        Row(C::Swap, "", "调换", ""),
        Row(C::Polarity, "", "极性反转", ""),
    };
    for (CommandRow& row : rows) {
        if (row.id == C::ScaleGlobal || row.id == C::ScaleTrace) {
            row.submenu = "比例调节";
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
