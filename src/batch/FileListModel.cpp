#include "FileListModel.h"

#include "base/AnsiText.h"
#include "formats/FileType.h"

#include <algorithm>
#include <numeric>

namespace kvt {

bool FileListModel::Add(const std::string& path) {
    // FileTypeOfPath looks for ".srw" (in any case) first, anywhere in the path.
    if (FileTypeOfPath(path) != FileType::Native ||
        std::find(m_arrFiles.begin(), m_arrFiles.end(), path) != m_arrFiles.end()) {
        return false;
    }
    m_arrFiles.push_back(path);
    return true;
}

std::vector<int32_t> FileListModel::ValidRows(const std::vector<int32_t>& rows) const {
    std::vector<int32_t> valid;
    for (int32_t r : rows) {
        if (r >= 0 && static_cast<size_t>(r) < m_arrFiles.size()) {
            valid.push_back(r);
        }
    }
    std::sort(valid.begin(), valid.end());
    valid.erase(std::unique(valid.begin(), valid.end()), valid.end());
    return valid;
}

void FileListModel::Delete(const std::vector<int32_t>& selectedRows) {
    const std::vector<int32_t> rows = ValidRows(selectedRows);
    // Each removal shifts the later entries up by one.
    for (size_t k = 0; k < rows.size(); ++k) {
        m_arrFiles.erase(m_arrFiles.begin() + (rows[k] - static_cast<int32_t>(k)));
    }
}

FileListModel::MoveResult FileListModel::MoveUp(const std::vector<int32_t>& selectedRows) {
    std::vector<int32_t> rows = ValidRows(selectedRows);
    if (rows.empty()) {
        return {MoveStep::Redisplay, {}};
    }
    if (rows.front() == 0) {
        return {MoveStep::FocusOnly, rows};
    }
    // Top down, so a block of adjacent entries moves up together.
    for (int32_t& r : rows) {
        std::swap(m_arrFiles[static_cast<size_t>(r)], m_arrFiles[static_cast<size_t>(r - 1)]);
        --r;
    }
    return {MoveStep::Moved, rows};
}

FileListModel::MoveResult FileListModel::MoveDown(const std::vector<int32_t>& selectedRows) {
    std::vector<int32_t> rows = ValidRows(selectedRows);
    if (rows.empty()) {
        return {MoveStep::Redisplay, {}};
    }
    if (static_cast<size_t>(rows.back()) + 1 == m_arrFiles.size()) {
        return {MoveStep::FocusOnly, rows};
    }
    for (auto r = rows.rbegin(); r != rows.rend(); ++r) {
        std::swap(m_arrFiles[static_cast<size_t>(*r)], m_arrFiles[static_cast<size_t>(*r + 1)]);
        ++*r;
    }
    return {MoveStep::Moved, rows};
}

void FileListModel::Sort(bool ascending) {
    std::vector<std::u16string> keys;
    keys.reserve(m_arrFiles.size());
    for (const std::string& path : m_arrFiles) {
        keys.push_back(Utf8ToUtf16(path));
    }
    std::vector<size_t> order(m_arrFiles.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return ascending ? keys[a] < keys[b] : keys[b] < keys[a]; });
    std::vector<std::string> sorted;
    sorted.reserve(order.size());
    for (size_t i : order) {
        sorted.push_back(std::move(m_arrFiles[i]));
    }
    m_arrFiles = std::move(sorted);
}

void FileListModel::SortAscending() {
    Sort(true);
}
void FileListModel::SortDescending() {
    Sort(false);
}

void FileListModel::Replace(size_t index, std::string path) {
    if (index < m_arrFiles.size()) {
        m_arrFiles[index] = std::move(path);
    }
}

std::string FileListModel::DisplayName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace kvt
