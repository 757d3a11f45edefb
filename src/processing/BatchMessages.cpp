#include "BatchMessages.h"

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

} // namespace

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

Message BatchResultMessage(BatchTool tool, int used, const std::vector<std::string>& files) {
    const BatchToolTexts& texts = TextsOf(tool);
    if (used < 1) {
        return {texts.failure, texts.caption, MessageIcon::None};
    }
    std::string text = WithCount(texts.success, used);
    const int entries = static_cast<int>(files.size());
    if (used < entries) {
        text += WithCount(",有%d个文件与\r\n", entries - used);
        text += files.front();
        text += texts.inconsistency;
    }
    return {text, texts.caption, MessageIcon::None};
}

Message ResampleResultMessage(int successes) {
    if (successes < 1) {
        return {"批量重采样失败", kBatchResampleCaption, MessageIcon::None};
    }
    return {WithCount("成功重采样%d个文件", successes), kBatchResampleCaption, MessageIcon::None};
}

} // namespace kvt
