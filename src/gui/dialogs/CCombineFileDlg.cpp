#include "CCombineFileDlg.h"

namespace kvt {

CCombineFileDlg::CCombineFileDlg(DocumentHost& host, DesktopPrompts& prompts, QWidget* parent)
    : CFileListDlg(host, prompts, tr("文件合并"), tr("合并"), tr("关闭"), parent) {}

void CCombineFileDlg::OnAction() {
    RunOutputTool(BatchTool::Combine, "(*.sgy)|*sgy;*.SGY;*segy;;*.SEGY;|(*.sg2)|*.sg2;*.SG2;*seg2;*SEG2||",
                  &CombineFiles);
}

} // namespace kvt
