#include "NativeInputs.h"

#include "document/Messages.h"

namespace kvt {

bool ReadNativeFile(const std::string& path, CSrwFile& file, DocumentHost& host) {
    const ReadError error = file.Read(path);
    if (error != ReadError::None) {
        host.ShowMessage(OpenFailedMessage(error));
    }
    return error == ReadError::None;
}

bool ForEachNativeFile(const std::vector<std::string>& paths, DocumentHost& host,
                       const BatchProgress& progress, const std::function<void(CSrwFile& file)>& use) {
    const int total = static_cast<int>(paths.size());
    for (int i = 0; i < total; ++i) {
        const std::string& path = paths[static_cast<size_t>(i)];
        if (progress && !progress(i, total, path)) {
            return false;
        }
        if (CSrwFile file; ReadNativeFile(path, file, host)) {
            use(file);
        }
    }
    return true;
}

} // namespace kvt
