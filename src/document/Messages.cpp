#include "Messages.h"

#include <utility>

namespace kvt {

namespace {

// The number goes where the text carries "%n", as in the desktop program's translations.
std::string WithCount(const std::string& text, int count) {
    const size_t at = text.find("%n");
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

// Adds one piece to a composed text, formatted as the core shows it.
void Append(Message& message, MessagePiece piece) {
    message.text += piece.verbatim ? piece.source : WithCount(piece.source, piece.count);
    message.pieces.push_back(std::move(piece));
}

struct BatchToolTexts {
    const char* success;       // "%n": the number of files used
    const char* inconsistency; // ends the note that names the list's first entry
    const char* failure;
    const char* caption;
};

const BatchToolTexts& TextsOf(BatchTool tool) {
    static const BatchToolTexts combine{
        QT_TRANSLATE_N_NOOP("Messages", "成功合并%n个文件"),
        QT_TRANSLATE_NOOP("Messages", " 采样参数不一致,未参与合并"),
        QT_TRANSLATE_NOOP("Messages", "合并文件失败"),
        QT_TRANSLATE_NOOP("Messages", "合并文件"),
    };
    static const BatchToolTexts extract{
        QT_TRANSLATE_N_NOOP("Messages", "成功提取%n个文件"),
        QT_TRANSLATE_NOOP("Messages", " 采样参数不一致,未参与提取"),
        QT_TRANSLATE_NOOP("Messages", "通道提取失败"),
        QT_TRANSLATE_NOOP("Messages", "通道提取"),
    };
    static const BatchToolTexts stack{
        QT_TRANSLATE_N_NOOP("Messages", "成功垂直叠加%n个文件"),
        QT_TRANSLATE_NOOP("Messages", " 采样参数不一致,未参与叠加"),
        QT_TRANSLATE_NOOP("Messages", "垂直叠加失败"),
        QT_TRANSLATE_NOOP("Messages", "垂直叠加"),
    };
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
        return QT_TRANSLATE_NOOP("Messages", "文件不存在或无法读取");
    case ReadError::UnknownFileType:
        return QT_TRANSLATE_NOOP("Messages", "无法从文件名识别记录格式");
    case ReadError::WrongSignature:
        return QT_TRANSLATE_NOOP("Messages", "文件标识不符，不是该格式的记录");
    case ReadError::Truncated:
        return QT_TRANSLATE_NOOP("Messages", "文件不完整，数据被截断");
    case ReadError::CountsExceedFile:
        return QT_TRANSLATE_NOOP("Messages", "道数或采样点数与文件长度不符");
    case ReadError::UnsupportedSampleFormat:
        return QT_TRANSLATE_NOOP("Messages", "不支持的数据格式代码");
    case ReadError::InconsistentHeaders:
        return QT_TRANSLATE_NOOP("Messages", "文件头中的数值互相矛盾");
    case ReadError::UnsupportedLayout:
        return QT_TRANSLATE_NOOP("Messages", "不支持的文件结构");
    }
    return "";
}

Message OpenFailedMessage(ReadError reason) {
    Message message = FileError(QT_TRANSLATE_NOOP("Messages", "文件打开失败"));
    message.detail = ReadErrorText(reason);
    return message;
}

Message SaveFailedMessage() {
    return FileError(QT_TRANSLATE_NOOP("Messages", "保存文件失败"));
}

Message PointIntervalDiffersMessage() {
    return FileError(QT_TRANSLATE_NOOP("Messages", "采样间隔不同，无法加载"));
}

Message PointLengthDiffersMessage() {
    return FileError(QT_TRANSLATE_NOOP("Messages", "采样长度不同，无法加载"));
}

Message ResampleIntervalRangeMessage() {
    return Notice(QT_TRANSLATE_NOOP("Messages", "采样间隔应在0.001-100 ms之间！"), kAppCaption);
}

Message ResampleCountRangeMessage() {
    return Notice(QT_TRANSLATE_NOOP("Messages", "采样长度应在512-16384 之间！"), kAppCaption);
}

Message ImageWidthInvalidMessage() {
    return Notice(QT_TRANSLATE_NOOP("Messages", "宽度设置错误"), kAppCaption);
}

Message ImageHeightInvalidMessage() {
    return Notice(QT_TRANSLATE_NOOP("Messages", "高度设置错误"), kAppCaption);
}

Message BmpWriteFailedMessage() {
    return Notice(QT_TRANSLATE_NOOP("Messages", "打开Bmp文件失败！"), QT_TRANSLATE_NOOP("Messages", "错误"));
}

Message FilterCornerOutOfBandMessage() {
    return {QT_TRANSLATE_NOOP("Messages", "截止频率必须大于 0 且小于采样频率的一半。"),
            QT_TRANSLATE_NOOP("Messages", "滤波"), MessageIcon::Warning, ""};
}

Message BatchResultMessage(BatchTool tool, int used, const std::vector<std::string>& files) {
    const BatchToolTexts& texts = TextsOf(tool);
    if (used < 1) {
        return Notice(texts.failure, texts.caption);
    }
    Message message = Notice("", texts.caption);
    Append(message, {texts.success, used});
    const int entries = static_cast<int>(files.size());
    if (used < entries) {
        Append(message, {QT_TRANSLATE_N_NOOP("Messages", ",有%n个文件与\r\n"), entries - used});
        Append(message, {files.front(), -1, true});
        Append(message, {texts.inconsistency});
    }
    return message;
}

Message ResampleResultMessage(int successes) {
    if (successes < 1) {
        return Notice(QT_TRANSLATE_NOOP("Messages", "批量重采样失败"), kBatchResampleCaption);
    }
    Message message = Notice("", kBatchResampleCaption);
    Append(message, {QT_TRANSLATE_N_NOOP("Messages", "成功重采样%n个文件"), successes});
    return message;
}

} // namespace kvt
