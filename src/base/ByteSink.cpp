#include "ByteSink.h"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace kvt {

bool MemorySink::Write(const void* data, size_t count) {
    const auto* b = static_cast<const uint8_t*>(data);
    bytes.insert(bytes.end(), b, b + count);
    return true;
}

bool MemorySink::WriteAt(uint64_t offset, const void* data, size_t count) {
    if (offset > bytes.size() || count > bytes.size() - offset) {
        return false;
    }
    std::memcpy(bytes.data() + offset, data, count);
    return true;
}

namespace {

// The process umask, read once. Linux reports it in /proc without changing it; setting it to 0 and
// back, the only other way, would let a file created meanwhile on another thread get mode 0666.
mode_t ReadUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

mode_t CurrentUmask() {
    static const mode_t mask = ReadUmask();
    return mask;
}

} // namespace

AtomicFileSink::AtomicFileSink(const std::string& targetPath) : m_target(targetPath) {
    std::filesystem::path target(targetPath);
    if (target.filename().empty()) {
        return;
    }
    std::filesystem::path folder = target.parent_path();
    std::string pattern = (folder.empty() ? std::string() : folder.string() + "/") + "." +
                          target.filename().string() + ".kvt-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0) {
        return;
    }
    m_temp = name.data();
    // mkstemp creates the file private; a saved record gets the ordinary permissions of a new file.
    fchmod(fd, 0666 & ~CurrentUmask());
    m_file = fdopen(fd, "w+b");
    if (m_file == nullptr) {
        close(fd);
        unlink(m_temp.c_str());
        m_temp.clear();
    }
}

AtomicFileSink::~AtomicFileSink() {
    Abandon();
}

void AtomicFileSink::Abandon() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_temp.empty()) {
        unlink(m_temp.c_str());
        m_temp.clear();
    }
}

bool AtomicFileSink::Write(const void* data, size_t count) {
    if (m_file == nullptr || m_failed) {
        return false;
    }
    // Seeking flushes the stream's buffer, so seek only after a patch moved the position.
    if (!m_atEnd && fseeko(m_file, static_cast<off_t>(m_end), SEEK_SET) != 0) {
        m_failed = true;
        return false;
    }
    m_atEnd = true;
    // An empty buffer may come with a null pointer, which fwrite must not be given.
    if (count != 0 && std::fwrite(data, 1, count, m_file) != count) {
        m_failed = true;
        return false;
    }
    m_end += count;
    return true;
}

bool AtomicFileSink::WriteAt(uint64_t offset, const void* data, size_t count) {
    if (m_file == nullptr || m_failed || offset > m_end || count > m_end - offset) {
        m_failed = true;
        return false;
    }
    if (fseeko(m_file, static_cast<off_t>(offset), SEEK_SET) != 0 ||
        std::fwrite(data, 1, count, m_file) != count) {
        m_failed = true;
        return false;
    }
    m_atEnd = offset + count == m_end;
    return true;
}

bool AtomicFileSink::Finish() {
    if (m_file == nullptr || m_failed) {
        Abandon();
        return false;
    }
    bool ok = std::fflush(m_file) == 0 && fsync(fileno(m_file)) == 0;
    ok = (std::fclose(m_file) == 0) && ok;
    m_file = nullptr;
    if (!ok || std::rename(m_temp.c_str(), m_target.c_str()) != 0) {
        Abandon();
        return false;
    }
    m_temp.clear();
    return true;
}

} // namespace kvt
