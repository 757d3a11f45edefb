// "批量重采样": the resample settings applied to every listed native file, each written beside it
// with "_rs" before its extension. The list then holds the written files, so the dialog stays open
// for another run or further editing.
#pragma once

#include "CFileListDlg.h"

namespace kvt {

class CKVTDoc;
class ResampleParamsPane;

class CBatchResampleDlg : public CFileListDlg {
    Q_OBJECT
public:
    // The settings start from the open record's values, although the dialog works on files.
    CBatchResampleDlg(const CKVTDoc& doc, DocumentHost& host, DesktopPrompts& prompts,
                      QWidget* parent = nullptr);

protected:
    void OnAction() override;

private:
    ResampleParamsPane* m_params;
};

} // namespace kvt
