#include "CChannelCollectDlg.h"

namespace kvt {

CChannelCollectDlg::CChannelCollectDlg(DocumentHost& host, DesktopPrompts& prompts, QWidget* parent)
    : CFileListDlg(host, prompts, tr("通道提取"), tr("提取"), tr("关闭"), parent) {}

void CChannelCollectDlg::OnAction() {
    RunOutputTool(BatchTool::Extract, "(*.sg2)|*.sg2;*.SG2;*seg2;*SEG2||", &ExtractChannels);
}

} // namespace kvt
