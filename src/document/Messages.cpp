#include "Messages.h"

#include <utility>

namespace kvt {

namespace {

// The texts carry printf's "%d" where the count goes.
std::string WithCount(const std::string& text, int count) {
    const size_t at = text.find("%d");
    if (at == std::string::npos) {
        return text;
    }
    return text.substr(0, at) + std::to_string(count) + text.substr(at + 2);
}

Message FileError(const char* text) {
    return {text, "Error", MessageIcon::Error, ""};
}

// A box without an icon: validation and result messages.
Message Notice(std::string text, const char* caption) {
    return {std::move(text), caption, MessageIcon::None, ""};
}

struct BatchToolTexts {
    const char* success;       // formatted with the number of files used
    const char* inconsistency; // ends the note that names the list's first entry
    const char* failure;
    const char* caption;
};

const BatchToolTexts& TextsOf(BatchTool tool) {
    static const BatchToolTexts combine{"成功合并%d个文件", " 采样参数不一致,未参与合并", "合并文件失败",
                                        "合并文件"};
    static const BatchToolTexts extract{"成功提取%d个文件", " 采样参数不一致,未参与提取", "通道提取失败",
                                        "通道提取"};
    static const BatchToolTexts stack{"成功垂直叠加%d个文件", " 采样参数不一致,未参与叠加", "垂直叠加失败",
                                      "垂直叠加"};
    switch (tool) {
    case BatchTool::Combine:
        return combine;
    case BatchTool::Extract:
        return extract;
    case BatchTool::Stack:
        break;
    }
    return stack;
}

} // namespace

const char* ReadErrorText(ReadError reason) {
    switch (reason) {
    case ReadError::None:
        return "";
    case ReadError::CannotOpen:
        return "文件不存在或无法读取";
    case ReadError::UnknownFileType:
        return "无法从文件名识别记录格式";
    case ReadError::WrongSignature:
        return "文件标识不符，不是该格式的记录";
    case ReadError::Truncated:
        return "文件不完整，数据被截断";
    case ReadError::CountsExceedFile:
        return "道数或采样点数与文件长度不符";
    case ReadError::UnsupportedSampleFormat:
        return "不支持的数据格式代码";
    case ReadError::InconsistentHeaders:
        return "文件头中的数值互相矛盾";
    case ReadError::UnsupportedLayout:
        return "不支持的文件结构";
    }
    return "";
}

Message OpenFailedMessage(ReadError reason) {
    Message message = FileError("文件打开失败");
    message.detail = ReadErrorText(reason);
    return message;
}

Message SaveFailedMessage() {
    return FileError("保存文件失败");
}

Message PointIntervalDiffersMessage() {
    return FileError("采样间隔不同，无法加载");
}

Message PointLengthDiffersMessage() {
    return FileError("采样长度不同，无法加载");
}

Message ResampleIntervalRangeMessage() {
    return Notice("采样间隔应在0.001-100 ms之间！", kAppCaption);
}

Message ResampleCountRangeMessage() {
    return Notice("采样长度应在512-16384 之间！", kAppCaption);
}

Message ImageWidthInvalidMessage() {
    return Notice("宽度设置错误", kAppCaption);
}

Message ImageHeightInvalidMessage() {
    return Notice("高度设置错误", kAppCaption);
}

Message BmpWriteFailedMessage() {
    return Notice("打开Bmp文件失败！", "错误");
}

Message FilterCornerOutOfBandMessage() {
    return {"截止频率必须大于 0 且小于采样频率的一半。", "滤波", MessageIcon::Warning, ""};
}

Message BatchResultMessage(BatchTool tool, int used, const std::vector<std::string>& files) {
    const BatchToolTexts& texts = TextsOf(tool);
    if (used < 1) {
        return Notice(texts.failure, texts.caption);
    }
    std::string text = WithCount(texts.success, used);
    const int entries = static_cast<int>(files.size());
    if (used < entries) {
        text += WithCount(",有%d个文件与\r\n", entries - used);
        text += files.front();
        text += texts.inconsistency;
    }
    return Notice(text, texts.caption);
}

Message ResampleResultMessage(int successes) {
    if (successes < 1) {
        return Notice("批量重采样失败", kBatchResampleCaption);
    }
    return Notice(WithCount("成功重采样%d个文件", successes), kBatchResampleCaption);
}

} // namespace kvt
