// "通道提取": the listed records regrouped by channel, one SEG-2 file per channel named after the chosen one.
#pragma once

#include "CFileListDlg.h"

namespace kvt {

class CChannelCollectDlg : public CFileListDlg {
    Q_OBJECT
public:
    CChannelCollectDlg(DocumentHost& host, DesktopPrompts& prompts, QWidget* parent = nullptr);

protected:
    void OnAction() override;
};

} // namespace kvt
