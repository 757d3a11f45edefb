// "文件合并": all traces of the listed native files, one file after another, into one SEG-Y or SEG-2 file.
#pragma once

#include "CFileListDlg.h"

namespace kvt {

class CCombineFileDlg : public CFileListDlg {
    Q_OBJECT
public:
    CCombineFileDlg(DocumentHost& host, DesktopPrompts& prompts, QWidget* parent = nullptr);

protected:
    void OnAction() override;
};

} // namespace kvt
