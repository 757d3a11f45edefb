#include "NativeInputs.h"

#include "OrderedWork.h"
#include "document/Messages.h"

#include <memory>

namespace kvt {

namespace {

// The record is held by pointer: the format objects declare a destructor and so have no move
// constructor, and copying a record's samples from slot to slot would cost as much as reading it.
struct NativeInput {
    ReadError error = ReadError::None;
    std::unique_ptr<CSrwFile> file = std::make_unique<CSrwFile>();
};

} // namespace

bool ReadNativeFile(const std::string& path, CSrwFile& file, DocumentHost& host) {
    const ReadError error = file.Read(path);
    if (error != ReadError::None) {
        host.ShowMessage(OpenFailedMessage(error));
    }
    return error == ReadError::None;
}

bool ForEachNativeFile(const std::vector<std::string>& paths, DocumentHost& host,
                       const BatchProgress& progress, const std::function<void(CSrwFile& file)>& use,
                       int threads) {
    OrderedWork<NativeInput> reads(paths.size(), threads, ItemsAhead(threads), [&paths](size_t i) {
        NativeInput input;
        input.error = input.file->Read(paths[i]);
        return input;
    });
    const int total = static_cast<int>(paths.size());
    for (int i = 0; i < total; ++i) {
        const std::string& path = paths[static_cast<size_t>(i)];
        if (progress && !progress(i, total, path)) {
            return false;
        }
        NativeInput input = reads.Take(static_cast<size_t>(i));
        if (input.error != ReadError::None) {
            host.ShowMessage(OpenFailedMessage(input.error));
        } else {
            use(*input.file);
        }
    }
    return true;
}

} // namespace kvt
