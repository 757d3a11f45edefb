#include "TempDir.h"

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace kvt::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kvt-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    m_path = name.data();
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

} // namespace kvt::test
