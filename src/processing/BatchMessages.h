// The result messages of the batch tools, built here once for the dialogs and kvt-cli alike.
#pragma once

#include "record/DocumentHost.h"

#include <string>
#include <vector>

namespace kvt {

enum class BatchTool { Combine, Extract, Stack };

struct BatchToolTexts {
    const char* success;       // formatted with the number of files used
    const char* inconsistency; // ends the note that names the list's first entry
    const char* failure;
    const char* caption;
};

const BatchToolTexts& TextsOf(BatchTool tool);

// After a combine, extract or stack that used `used` of `files`: the failure text when none was used;
// otherwise the success text, followed, when some were left out, by how many and the first entry's
// path with the inconsistency text.
Message BatchResultMessage(BatchTool tool, int used, const std::vector<std::string>& files);

// After a batch resample with `successes` files written.
Message ResampleResultMessage(int successes);

inline constexpr const char* kBatchResampleCaption = "批量重采样";

} // namespace kvt
