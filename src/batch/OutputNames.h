// Names of the files the batch tools write beside a chosen path.
#pragma once

#include <cstdint>
#include <string>

namespace kvt {

// Inserts `tag` before the last "." of the file name (not of a folder name); appends it when the
// file name has no "." at all.
std::string InsertBeforeExtension(const std::string& path, const std::string& tag);

// The batch resample's output: /data/a.srw gives /data/a_rs.srw.
std::string ResampledPath(const std::string& path);

// The channel extraction's output for the 1-based channel: /out/line.sg2 gives /out/line_CH3.sg2.
std::string ChannelPath(const std::string& path, int32_t channel);

} // namespace kvt
