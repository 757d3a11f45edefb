// An output written in full under a hidden name beside its target and put in place by Publish, so
// that several outputs can be written at once on worker threads and still appear one after another,
// none of them after one that failed.
#pragma once

#include "formats/FormatFile.h"

#include <string>

namespace kvt {

class StagedFile {
public:
    StagedFile() = default;
    ~StagedFile();
    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&& other) noexcept;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Writes `file` beside `target`; false, with nothing left behind, when any step fails. Safe to
    // call from several threads at once.
    bool Write(const FormatFile& file, const std::string& target);
    // Renames the written file over its target; false when it was not written or the rename failed.
    bool Publish();

private:
    // Removes a written file that was not published.
    void Discard();

    std::string m_staged;
    std::string m_target;
};

} // namespace kvt
