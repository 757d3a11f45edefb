#include "StagedFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <utility>

namespace kvt {

StagedFile::~StagedFile() {
    Discard();
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : m_staged(std::exchange(other.m_staged, {})), m_target(std::move(other.m_target)) {}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
    if (this != &other) {
        Discard();
        m_staged = std::exchange(other.m_staged, {});
        m_target = std::move(other.m_target);
    }
    return *this;
}

bool StagedFile::Write(const FormatFile& file, const std::string& target) {
    Discard();
    const std::filesystem::path path(target);
    if (path.filename().empty()) {
        return false;
    }
    // mkstemp reserves a name no other file has; the writer then replaces that empty file whole.
    std::string name =
        (path.parent_path() / ("." + path.filename().string() + ".kvt-staged-XXXXXX")).string();
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        return false;
    }
    close(fd);
    m_staged = name;
    m_target = target;
    if (!file.Write(m_staged)) {
        Discard();
        return false;
    }
    return true;
}

bool StagedFile::Publish() {
    if (m_staged.empty() || std::rename(m_staged.c_str(), m_target.c_str()) != 0) {
        return false;
    }
    m_staged.clear();
    return true;
}

void StagedFile::Discard() {
    if (!m_staged.empty()) {
        unlink(m_staged.c_str());
        m_staged.clear();
    }
}

} // namespace kvt
