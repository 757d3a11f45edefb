// Whole-file reads and writes for tests, and the folder of real instrument files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kvt::test {

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// Path of a file in the real test-data folder, or "" when that folder is not beside the project.
std::string RealTestFile(const std::string& name);

} // namespace kvt::test
