// Every text the document and the batch tools show, in one place: the message, its caption and icon
// exactly as users know them, and one short reason for each way a reader can refuse a file. The texts
// are marked for the desktop program's translation (context kMessageContext); the core itself, and so
// kvt-cli, always shows them as written here.
#pragma once

#include "DocumentHost.h"
#include "base/TranslationMarks.h"
#include "formats/ReadError.h"

#include <string>
#include <vector>

namespace kvt {

// The translation context of every marked text of the core.
inline constexpr const char* kMessageContext = "Messages";

// The caption of the program's own validation boxes.
inline constexpr const char* kAppCaption = "KVT";
inline constexpr const char* kBatchResampleCaption = QT_TRANSLATE_NOOP("Messages", "批量重采样");
inline constexpr const char* kSaveChangesQuestion = QT_TRANSLATE_NOOP("Messages", "数据已修改是否保存？");
inline constexpr const char* kSaveChangesCaption = QT_TRANSLATE_NOOP("Messages", "提示保存变化的数据");

// The reason shown under "文件打开失败"; "" for ReadError::None.
const char* ReadErrorText(ReadError reason);

// "文件打开失败", with the reason as its detail when there is one.
Message OpenFailedMessage(ReadError reason = ReadError::None);
Message SaveFailedMessage();
// A point file whose trace does not fit the record.
Message PointIntervalDiffersMessage();
Message PointLengthDiffersMessage();
// The resample dialogs' validation, interval first.
Message ResampleIntervalRangeMessage();
Message ResampleCountRangeMessage();
// The image output's size check, width first; and the picture file that cannot be written.
Message ImageWidthInvalidMessage();
Message ImageHeightInvalidMessage();
Message BmpWriteFailedMessage();
// 应用 of the filter dialog with a corner the section cannot use (0 Hz, or fs/2 and above).
Message FilterCornerOutOfBandMessage();

enum class BatchTool { Combine, Extract, Stack };

// After a combine, extract or stack that used `used` of `files`: the failure text when none was used;
// otherwise the success text, followed, when some were left out, by how many and the first entry's
// path with the inconsistency text.
Message BatchResultMessage(BatchTool tool, int used, const std::vector<std::string>& files);
// After a batch resample with `successes` files written.
Message ResampleResultMessage(int successes);

} // namespace kvt
