// The ordered list of native record files behind the four file-list dialogs (batch resample,
// combine, channel extraction, vertical stack). The list's order is the processing order and its
// first entry is the reference of the consistency test. The dialogs only show it and pass on the
// selected rows; every rule of adding, deleting, moving and sorting lives here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kvt {

class FileListModel {
public:
    // What the view does after a move.
    enum class MoveStep {
        Redisplay, // nothing was selected: show the list again
        FocusOnly, // the selection touches the edge it moves to: nothing moved, focus the list
        Moved      // show the list again and select `selection`
    };
    struct MoveResult {
        MoveStep step;
        std::vector<int32_t> selection;
    };

    const std::vector<std::string>& Files() const { return m_arrFiles; }
    size_t Size() const { return m_arrFiles.size(); }

    // Appends a path whose lower-case form contains ".srw" unless the identical path (case-sensitive)
    // is already listed. True when it was appended.
    bool Add(const std::string& path);
    // Removes the entries at the selected rows; rows outside the list are ignored.
    void Delete(const std::vector<int32_t>& selectedRows);
    void Clear() { m_arrFiles.clear(); }
    // Moves the selected entries one place up (down); adjacent ones move as a block.
    MoveResult MoveUp(const std::vector<int32_t>& selectedRows);
    MoveResult MoveDown(const std::vector<int32_t>& selectedRows);
    // Stable sort by the full path, comparing the UTF-16 code units case-sensitively.
    void SortAscending();
    void SortDescending();
    // An entry's path becomes another (the batch resample's output).
    void Replace(size_t index, std::string path);

    // What a row shows: the file name after the last path separator.
    static std::string DisplayName(const std::string& path);

private:
    std::vector<int32_t> ValidRows(const std::vector<int32_t>& rows) const;
    void Sort(bool ascending);

    std::vector<std::string> m_arrFiles;
};

} // namespace kvt
