#include "ByteSource.h"

#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <sys/uio.h>

namespace kvt {

bool ByteSource::ReadRanges(std::span<const ByteRange> ranges) const {
    for (const ByteRange& range : ranges) {
        if (!Contains(range.offset, range.count)) {
            return false;
        }
    }
    for (const ByteRange& range : ranges) {
        if (range.count > 0 && !ReadAt(range.offset, range.out, range.count)) {
            return false;
        }
    }
    return true;
}

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

bool FileSource::ReadRanges(std::span<const ByteRange> ranges) const {
    if (m_file == nullptr) {
        return false;
    }
    for (const ByteRange& range : ranges) {
        if (!Contains(range.offset, range.count)) {
            return false;
        }
    }
    // Runs of adjacent ranges, each with one scattering read; positioned reads leave the stream's own
    // position and buffer alone.
    std::vector<iovec> pieces;
    for (size_t first = 0; first < ranges.size();) {
        pieces.clear();
        size_t total = 0;
        size_t last = first;
        for (; last < ranges.size() && pieces.size() < IOV_MAX; ++last) {
            const ByteRange& range = ranges[last];
            if (last > first && range.offset != ranges[last - 1].offset + ranges[last - 1].count) {
                break;
            }
            pieces.push_back({range.out, range.count});
            total += range.count;
        }
        const ssize_t got = preadv(fileno(m_file), pieces.data(), static_cast<int>(pieces.size()),
                                   static_cast<off_t>(ranges[first].offset));
        if (got < 0 || static_cast<size_t>(got) != total) {
            // A short read (a signal, a file shrinking under us): the run once more, range by range.
            if (!ByteSource::ReadRanges(ranges.subspan(first, last - first))) {
                return false;
            }
        }
        first = last;
    }
    return true;
}

} // namespace kvt
