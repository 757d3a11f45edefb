// "垂直叠加": the sample-by-sample mean of the listed records, written as one native file.
#pragma once

#include "CFileListDlg.h"

namespace kvt {

class CVerticalAddDlg : public CFileListDlg {
    Q_OBJECT
public:
    CVerticalAddDlg(DocumentHost& host, DesktopPrompts& prompts, QWidget* parent = nullptr);

protected:
    void OnAction() override;
};

} // namespace kvt
