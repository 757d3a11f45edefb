// Why a reader refused a file. Readers never show anything; the document turns a refusal into the
// open-failure message with the reason's text as its detail.
#pragma once

#include <cstdint>

namespace kvt {

enum class ReadError : uint8_t {
    None,                    // the file was read
    CannotOpen,              // missing, unreadable, or not a regular file
    UnknownFileType,         // the path names no record format
    WrongSignature,          // the file does not start as a file of this format does
    Truncated,               // a header, table or block lies beyond the end of the file
    CountsExceedFile,        // trace or sample counts that the file's length cannot hold
    UnsupportedSampleFormat, // a sample format code this reader does not convert
    InconsistentHeaders,     // header values that contradict each other or the file's structure
    UnsupportedLayout,       // a structure of the format this reader does not follow
};

} // namespace kvt
