// Opening a record the way the document's callers do, shared by every kvt-cli command that reads one.
#pragma once

#include "CliHost.h"
#include "record/CKVTDoc.h"

#include <string>

namespace kvt::cli {

// Reset, choose the format by the path, open. A path with no known extension is refused the same way
// as a file the reader refuses ("Error: 文件打开失败").
bool OpenRecord(CKVTDoc& doc, CliHost& host, const std::string& path);

} // namespace kvt::cli
