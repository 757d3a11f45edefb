#include "OpenRecord.h"

namespace kvt::cli {

bool OpenRecord(CKVTDoc& doc, CliHost& host, const std::string& path) {
    doc.ResetDocument();
    const int32_t type = FileTypeOfPath(path);
    if (type < 0) {
        host.ShowMessage(OpenFailedMessage());
        return false;
    }
    doc.m_nFileType = type;
    return doc.OpenByPath(path);
}

} // namespace kvt::cli
