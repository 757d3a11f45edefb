#include "ByteSource.h"

#include <cstring>
#include <sys/stat.h>

namespace kvt {

bool ByteSource::ReadVector(uint64_t offset, size_t count, std::vector<uint8_t>& out) const {
    out.clear();
    if (!Contains(offset, count)) {
        return false;
    }
    out.resize(count);
    return count == 0 || ReadAt(offset, out.data(), count);
}

bool MemorySource::ReadAt(uint64_t offset, void* out, size_t count) const {
    if (!Contains(offset, count)) {
        return false;
    }
    if (count > 0) {
        std::memcpy(out, m_bytes.data() + offset, count);
    }
    return true;
}

FileSource::FileSource(const std::string& path) {
    m_file = std::fopen(path.c_str(), "rb");
    if (m_file == nullptr) {
        return;
    }
    struct stat st {};
    // Only regular files: a folder or a device has no length to check counts against.
    if (fstat(fileno(m_file), &st) != 0 || !S_ISREG(st.st_mode)) {
        std::fclose(m_file);
        m_file = nullptr;
        return;
    }
    m_size = static_cast<uint64_t>(st.st_size);
}

FileSource::~FileSource() {
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
}

bool FileSource::ReadAt(uint64_t offset, void* out, size_t count) const {
    if (m_file == nullptr || !Contains(offset, count)) {
        return false;
    }
    if (fseeko(m_file, static_cast<off_t>(offset), SEEK_SET) != 0) {
        return false;
    }
    return std::fread(out, 1, count, m_file) == count;
}

} // namespace kvt
