// The document's modes and the settings that belong together, with the values and defaults the
// windows, menus and files agree on.
#pragma once

#include <cstdint>
#include <string>

namespace kvt {

enum class EditTool : int32_t { None = 0, AreaEdit = 1, DelayCorrection = 2, Operation = 3, ShotTime = 4 };
enum class SelectMode : int32_t { Above = 0, Below = 1, SingleTrace = 2, MultiTrace = 3 };
enum class FillMode : int32_t { Positive = 0, Negative = 1, Wiggle = 2 };
enum class ScaleMode : int32_t { Global = 0, Trace = 1 };
// The filter dialog's 类型 combo: "低通" is a low-pass gate at the 高通 edit's corner, "高通" a
// high-pass gate at the 低通 edit's corner.
enum class FilterType : int32_t { LowPass = 0, HighPass = 1 };

// How the section is drawn.
struct DisplaySettings {
    FillMode m_nFillMode = FillMode::Positive;
    ScaleMode m_nScaleMode = ScaleMode::Global;
    int32_t m_nGainDb = 0;   // display gain, -60 to 60 dB
    int32_t m_nAmpRange = 2; // clip at this many half-cells, 1 to 5
    int32_t m_nHStretch = 1; // 1 to 5
    int32_t m_nVStretch = 1;

    bool operator==(const DisplaySettings&) const = default;
};

// The filter dialog and its spectrum view. Colours are 0x00BBGGRR.
struct FilterSettings {
    FilterType m_nFilterType = FilterType::LowPass;
    float m_fLowPassHz = 1000.0f;
    float m_fHighPassHz = 0.0f;
    float m_fLowSlope = 0.0f;
    float m_fHighSlope = 0.0f;
    int32_t m_nFreqDivisor = 4; // the 最大显示频率 slider, 1 to 16
    uint32_t m_crSpectrumBack = 0;
    uint32_t m_crSpectrumCurve = 0x0000FF;
    uint32_t m_crGateCurve = 0x00FF00;
    bool m_bSpectrumFill = true;
    bool m_bShowGate = true;
    bool m_bShowGrid = true;
    bool m_bShowControlPoints = true;

    bool operator==(const FilterSettings&) const = default;
};

// Page margins of the printed section, millimetres from the paper's edge.
struct PrintMargins {
    int32_t m_nMarginLeft = 0;
    int32_t m_nMarginRight = 0;
    int32_t m_nMarginTop = 0;
    int32_t m_nMarginBottom = 0;

    bool operator==(const PrintMargins&) const = default;
};

// The project texts of the record header that the side panel edits.
struct ProjectInfo {
    std::string m_strProject;
    std::string m_strCompany;
    std::string m_strOperator;
    std::string m_strProfile;
    std::string m_strTestDate;
};

} // namespace kvt
