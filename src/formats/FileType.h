// The record formats and how a path chooses one: a case-insensitive search of the whole path for
// ".srw", ".sg2", ".seg2", ".sgy", ".segy" in that order, so a folder name can decide.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kvt {

enum class FileType : int32_t { Native = 0, Seg2 = 1, Segy = 2 };

std::optional<FileType> FileTypeOfPath(std::string_view path);

} // namespace kvt
