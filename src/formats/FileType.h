// The record formats and how a path chooses one: a case-insensitive search of the whole path for
// ".srw", ".sg2", ".seg2", ".sgy", ".segy" in that order, so a folder name can decide. A record to open
// whose path names none of them is recognised by its first bytes.
#pragma once

#include "ReadError.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvt {

enum class FileType : int32_t { Native = 0, Seg2 = 1, Segy = 2 };

std::optional<FileType> FileTypeOfPath(std::string_view path);

// The format of a record to open: the path's when it names one, without reading the file; otherwise
// SEG-2 when the file starts with a SEG-2 file descriptor (Geode and SmartSeis records are named
// NNNN.dat). CannotOpen when the file has to be read and cannot be, UnknownFileType when it is none.
ReadError RecordFileType(const std::string& path, FileType& type);

} // namespace kvt
