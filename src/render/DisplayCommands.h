// The commands of the display menu: fill style, scaling, stretch. They change only the document's
// display settings; the caller repaints or re-lays out the section as the result says.
#pragma once

#include <cstdint>

namespace kvt {

class CKVTDoc;

enum class DisplayCommand : int32_t {
    FillPositive = 32801, // 正向填充
    FillNegative = 32802, // 反向填充
    Wiggle = 32803,       // 波形
    Normalize = 32805,    // 归一化
    ScaleGlobal = 32839,  // 全局最大值
    ScaleTrace = 32840,   // 单道最大值
    StretchH = 32849,     // 水平拉伸
    CompressH = 32850,    // 水平压缩
    StretchV = 32853,     // 垂直拉伸
    CompressV = 32854,    // 垂直压缩
};

enum class DisplayEffect { None, Repaint, Relayout };

struct DisplayCommandState {
    bool enabled = true;
    bool checked = false;
    bool operator==(const DisplayCommandState&) const = default;
};

inline constexpr int32_t kMaxStretch = 5;

DisplayEffect RunDisplayCommand(CKVTDoc& doc, DisplayCommand command);
DisplayCommandState StateOfDisplayCommand(const CKVTDoc& doc, DisplayCommand command);

} // namespace kvt
