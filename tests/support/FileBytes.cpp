#include "FileBytes.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kvt::test {

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string RealTestFile(const std::string& name) {
#ifdef KVT_REAL_TESTDATA
    std::filesystem::path file = std::filesystem::path(KVT_REAL_TESTDATA) / name;
    if (std::filesystem::exists(file)) {
        return file.string();
    }
#endif
    return "";
}

} // namespace kvt::test
