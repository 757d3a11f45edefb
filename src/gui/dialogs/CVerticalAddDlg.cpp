#include "CVerticalAddDlg.h"

namespace kvt {

CVerticalAddDlg::CVerticalAddDlg(DocumentHost& host, DesktopPrompts& prompts, QWidget* parent)
    : CFileListDlg(host, prompts, tr("垂直叠加"), tr("叠加"), tr("关闭"), parent) {
    // The stack does not depend on the order of its inputs.
    HideOrderButtons();
}

void CVerticalAddDlg::OnAction() {
    RunOutputTool(BatchTool::Stack, "(*.srw)|*.srw;*.SRW;*.Srw||", &StackFiles);
}

} // namespace kvt
