// Where a writer puts its bytes: a file that replaces its target only when complete, or a buffer in
// memory. A failed write never leaves a half-written file under the target's name.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace kvt {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Appends at the end of what has been written.
    virtual bool Write(const void* data, size_t count) = 0;
    // Overwrites bytes already written (signature patches, pointer tables).
    virtual bool WriteAt(uint64_t offset, const void* data, size_t count) = 0;
    // Makes the written bytes the result; false when anything failed on the way.
    virtual bool Finish() = 0;

    bool Write(const std::vector<uint8_t>& bytes) { return Write(bytes.data(), bytes.size()); }
};

class MemorySink final : public ByteSink {
public:
    std::vector<uint8_t> bytes;

    bool Write(const void* data, size_t count) override;
    bool WriteAt(uint64_t offset, const void* data, size_t count) override;
    bool Finish() override { return true; }
};

// Writes a temporary file beside the target and renames it over the target in Finish(). Anything that
// goes wrong removes the temporary file and leaves the target as it was.
class AtomicFileSink final : public ByteSink {
public:
    explicit AtomicFileSink(const std::string& targetPath);
    ~AtomicFileSink() override;
    AtomicFileSink(const AtomicFileSink&) = delete;
    AtomicFileSink& operator=(const AtomicFileSink&) = delete;

    // False when the temporary file could not be created (the writer's "cannot create" case).
    bool IsOpen() const { return m_file != nullptr; }
    bool Write(const void* data, size_t count) override;
    bool WriteAt(uint64_t offset, const void* data, size_t count) override;
    bool Finish() override;

private:
    void Abandon();

    std::string m_target;
    std::string m_temp;
    std::FILE* m_file = nullptr;
    uint64_t m_end = 0;
    bool m_atEnd = true;
    bool m_failed = false;
};

} // namespace kvt
