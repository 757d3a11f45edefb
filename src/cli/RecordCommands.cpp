// dump, info and convert: opening and saving exactly as the document does; info adds what a SEG-Y file's
// own headers say, convert --standard writes the SEG-Y other programs read.
#include "CliHost.h"
#include "Commands.h"
#include "JsonText.h"
#include "base/TextCase.h"
#include "document/CKVTDoc.h"
#include "document/Messages.h"
#include "formats/CPointFile.h"
#include "formats/SegyProbe.h"
#include "formats/SegyTextHeader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <iterator>
#include <string>

namespace kvt::cli {

namespace {

void PrintRecordJson(const CKVTDoc& doc) {
    const ShotHeader& h = doc.Header();
    std::string out;
    out.reserve(64 + static_cast<size_t>(std::max(h.m_nTraceCount, 0)) *
                         static_cast<size_t>(std::max(h.m_nSampleCount, 0)) * 8);
    auto key = [&out](const char* name, const std::string& value) {
        out += "  \"";
        out += name;
        out += "\": ";
        out += value;
        out += ",\n";
    };
    out += "{\n";
    key("format", std::to_string(static_cast<int32_t>(doc.GetFileType())));
    key("path", JsonString(h.m_strPathName));
    key("project", JsonString(h.m_strProject));
    key("company", JsonString(h.m_strCompany));
    key("operator", JsonString(h.m_strOperator));
    key("profile", JsonString(h.m_strProfile));
    key("test_date", JsonString(h.m_strTestDate));
    key("aux1", std::to_string(h.m_nAux1));
    key("trace_count", std::to_string(h.m_nTraceCount));
    key("sample_interval", JsonFloat(h.m_fSampleInterval));
    key("sample_count", std::to_string(h.m_nSampleCount));
    key("aux2", std::to_string(h.m_nAux2));
    key("trace_spacing", JsonFloat(h.m_fTraceSpacing));
    key("offset", JsonFloat(h.m_fOffset));
    key("aux3", JsonFloat(h.m_fAux3));
    key("aux4", JsonFloat(h.m_fAux4));
    key("aux5", std::to_string(h.m_nAux5));
    key("aux6", std::to_string(h.m_nAux6));
    key("max_abs", std::to_string(doc.Record().m_nMaxAbs));
    const ShotPoint& shot = doc.Record().m_shot;
    key("shot", "{\"number\": " + JsonFloat(shot.fNumber) + ", \"x\": " + JsonFloat(shot.fX) +
                    ", \"y\": " + JsonFloat(shot.fY) + "}");
    out += "  \"receivers\": [";
    const auto& receivers = doc.Record().m_receivers;
    for (size_t i = 0; i < receivers.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        out += "{\"channel\": " + std::to_string(receivers[i].nChannel) +
               ", \"position\": " + JsonFloat(receivers[i].fPosition) +
               ", \"cdp\": " + JsonFloat(receivers[i].fCdp) + "}";
    }
    out += receivers.empty() ? "],\n" : "\n  ],\n";
    out += "  \"traces\": [";
    const CTraceMatrix& traces = doc.Traces();
    for (int32_t i = 0; i < traces.TraceCount(); ++i) {
        out += i == 0 ? "\n    [" : ",\n    [";
        const auto& samples = traces.m_arrTraces[static_cast<size_t>(i)];
        for (size_t j = 0; j < samples.size(); ++j) {
            if (j > 0) {
                out += ", ";
            }
            out += std::to_string(samples[j]);
        }
        out += "]";
    }
    out += traces.TraceCount() == 0 ? "]\n}\n" : "\n  ]\n}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
}

int DumpPoint(const std::string& path, CliHost& host) {
    CPointFile point;
    if (const ReadError error = point.Read(path); error != ReadError::None) {
        host.ShowMessage(OpenFailedMessage(error));
        return kExitFailed;
    }
    std::string out = "{\n  \"sample_interval\": " + JsonFloat(point.m_fSampleInterval) +
                      ",\n  \"sample_count\": " + std::to_string(point.m_nSampleCount) +
                      ",\n  \"samples\": [";
    for (size_t i = 0; i < point.m_samples.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        out += std::to_string(point.m_samples[i]);
    }
    out += "]\n}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

const char* SampleFormatName(int16_t code, SegyLayout layout) {
    switch (code) {
    case 1:
        return layout == SegyLayout::Kvt ? "IEEE 浮点" : "IBM 浮点";
    case 2:
        return "32 位整数";
    case 3:
        return "16 位整数";
    case 5:
        return "IEEE 浮点";
    case 6:
        return "IEEE 双精度浮点";
    case 7:
        return "24 位整数";
    case 8:
        return "8 位整数";
    case 9:
        return "64 位整数";
    case 10:
        return "32 位无符号整数";
    case 11:
        return "16 位无符号整数";
    case 12:
        return "64 位无符号整数";
    case 15:
        return "24 位无符号整数";
    case 16:
        return "8 位无符号整数";
    default:
        return "未知";
    }
}

// Which layout the reader took the file for, its byte order and sample format, and its textual header.
void PrintSegyHeader(const std::string& path, SegyLayout layout) {
    FileSource source(path);
    std::array<uint8_t, 3200> text{};
    if (!source.IsOpen() || !source.ReadAt(0, text.data(), text.size())) {
        return;
    }
    const SegyProbe probe = ProbeSegy(source);
    if (layout == SegyLayout::Standard) {
        std::printf("SEG-Y 布局: 标准 (3600 字节文件头), 修订版 %d.%d, %s, 数据格式 %d (%s)\n",
                    probe.revision, probe.minorRevision, probe.bigEndian ? "大端" : "小端", probe.formatCode,
                    SampleFormatName(probe.formatCode, layout));
    } else {
        std::printf("SEG-Y 布局: KVT (3592 字节文件头), %s\n", probe.bigEndian ? "大端" : "小端");
    }
    const std::vector<std::string> lines = TextHeaderLines(text);
    if (std::all_of(lines.begin(), lines.end(), [](const std::string& line) { return line.empty(); })) {
        std::printf("文本头: 空\n");
        return;
    }
    std::printf("文本头 (%s):\n", GuessTextEncoding(text) == TextEncoding::Ebcdic ? "EBCDIC" : "ASCII");
    for (const std::string& line : lines) {
        std::printf("  %s\n", line.c_str());
    }
}

const char* FormatName(FileType type) {
    switch (type) {
    case FileType::Native:
        return "KVT 原始记录 (.srw)";
    case FileType::Seg2:
        return "SEG-2";
    case FileType::Segy:
        break;
    }
    return "SEG-Y";
}

} // namespace

int RunDump(const Args& args) {
    const Command& self = CommandNamed("dump");
    if (args.size() != 1) {
        return UsageError(self, "expected one PATH");
    }
    const std::string& path = args[0];
    CliHost host;
    if (!FileTypeOfPath(path) && ToLowerAscii(path).find(".point") != std::string::npos) {
        return DumpPoint(path, host);
    }
    CKVTDoc doc(host);
    if (!doc.OpenDocument(path)) {
        return kExitFailed;
    }
    PrintRecordJson(doc);
    return kExitOk;
}

int RunInfo(const Args& args) {
    const Command& self = CommandNamed("info");
    if (args.size() != 1) {
        return UsageError(self, "expected one PATH");
    }
    CliHost host;
    CKVTDoc doc(host);
    if (!doc.OpenDocument(args[0])) {
        return kExitFailed;
    }
    const ShotHeader& h = doc.Header();
    std::printf("文件: %s\n", h.m_strPathName.c_str());
    std::printf("格式: %s\n", FormatName(doc.GetFileType()));
    std::printf("工程名称: %s\n", h.m_strProject.c_str());
    std::printf("检测单位: %s\n", h.m_strCompany.c_str());
    std::printf("检测人员: %s\n", h.m_strOperator.c_str());
    std::printf("剖面编号: %s\n", h.m_strProfile.c_str());
    std::printf("测试日期: %s\n", h.m_strTestDate.c_str());
    std::printf("采样率(ms): %.3f\n", static_cast<double>(h.m_fSampleInterval) / 1000.0);
    std::printf("采样点数: %d\n", h.m_nSampleCount);
    std::printf("道间距(m): %.0f\n", static_cast<double>(h.m_fTraceSpacing));
    std::printf("偏移距(m): %.0f\n", static_cast<double>(h.m_fOffset));
    std::printf("道数: %d\n", h.m_nTraceCount);
    const auto& receivers = doc.Record().m_receivers;
    if (receivers.empty()) {
        std::printf("检波点: 无\n");
    } else {
        std::printf("检波点: %zu 个, 道 %d 位于 %.2f m 至道 %d 位于 %.2f m\n", receivers.size(),
                    receivers.front().nChannel, static_cast<double>(receivers.front().fPosition),
                    receivers.back().nChannel, static_cast<double>(receivers.back().fPosition));
    }
    const ShotPoint& shot = doc.Record().m_shot;
    std::printf("炮点: 编号 %g, X %.2f m, Y %.2f m\n", static_cast<double>(shot.fNumber),
                static_cast<double>(shot.fX), static_cast<double>(shot.fY));
    std::printf("最大振幅: %d\n", doc.Record().m_nMaxAbs);
    if (const int32_t power = doc.Record().m_nSampleScalePower; power != 0) {
        std::printf("采样值系数: 10^%d (浮点采样乘以此数后取整)\n", power);
    }
    if (doc.GetFileType() == FileType::Segy) {
        PrintSegyHeader(h.m_strPathName, doc.GetSegyLayout());
    }
    return kExitOk;
}

int RunConvert(const Args& args) {
    const Command& self = CommandNamed("convert");
    Args paths;
    std::copy_if(args.begin(), args.end(), std::back_inserter(paths),
                 [](const std::string& a) { return a != "--standard"; });
    const bool standard = paths.size() < args.size();
    if (paths.size() != 2) {
        return UsageError(self, "expected IN and OUT");
    }
    if (standard && FileTypeOfPath(paths[1]) != FileType::Segy) {
        return UsageError(self, "--standard writes SEG-Y: OUT must name a .sgy or .segy file");
    }
    CliHost host;
    CKVTDoc doc(host);
    if (!doc.OpenDocument(paths[0])) {
        return kExitFailed;
    }
    if (standard) {
        return doc.SaveStandardSegy(paths[1]) ? kExitOk : kExitFailed;
    }
    if (!FileTypeOfPath(paths[1])) {
        host.ShowMessage(SaveFailedMessage());
        return kExitFailed;
    }
    return doc.SaveByPath(paths[1]) ? kExitOk : kExitFailed;
}

} // namespace kvt::cli
