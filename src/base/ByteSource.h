// Where a reader takes its bytes from: a file on disk or a buffer in memory. Readers ask for byte
// ranges by offset and learn the total length first, so they can check every declared count and
// offset against it before they allocate anything.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace kvt {

// One range of a source and where its bytes go.
struct ByteRange {
    uint64_t offset = 0;
    void* out = nullptr;
    size_t count = 0;
};

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual uint64_t Size() const = 0;
    // Copies `count` bytes starting at `offset` into `out`; false when the range is not all inside.
    virtual bool ReadAt(uint64_t offset, void* out, size_t count) const = 0;
    // Every range into its own destination, all checked before any is read; false when one lies
    // outside or a read fails. A file reads each run of adjacent ranges with one system call.
    virtual bool ReadRanges(std::span<const ByteRange> ranges) const;

    bool Contains(uint64_t offset, uint64_t count) const {
        return offset <= Size() && count <= Size() - offset;
    }
    // The bytes of [offset, offset + count) as a vector; empty and false when out of range.
    bool ReadVector(uint64_t offset, size_t count, std::vector<uint8_t>& out) const;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const uint8_t> bytes) : m_bytes(bytes) {}
    uint64_t Size() const override { return m_bytes.size(); }
    bool ReadAt(uint64_t offset, void* out, size_t count) const override;

private:
    std::span<const uint8_t> m_bytes;
};

class FileSource final : public ByteSource {
public:
    // Opens `path` for reading; check IsOpen() before use.
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool IsOpen() const { return m_file != nullptr; }
    uint64_t Size() const override { return m_size; }
    bool ReadAt(uint64_t offset, void* out, size_t count) const override;
    bool ReadRanges(std::span<const ByteRange> ranges) const override;

private:
    std::FILE* m_file = nullptr;
    uint64_t m_size = 0;
};

} // namespace kvt
