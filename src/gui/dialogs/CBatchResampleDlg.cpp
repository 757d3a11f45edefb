#include "CBatchResampleDlg.h"

#include "ResampleParamsPane.h"
#include "document/CKVTDoc.h"

namespace kvt {

CBatchResampleDlg::CBatchResampleDlg(const CKVTDoc& doc, DocumentHost& host, DesktopPrompts& prompts,
                                     QWidget* parent)
    : CFileListDlg(host, prompts, tr("批量重采样"), tr("确定"), tr("取消"), parent),
      m_params(new ResampleParamsPane(this)) {
    m_params->ShowRecord(doc.Header());
    AddSettingsPane(m_params);
}

void CBatchResampleDlg::OnAction() {
    if (m_files.Size() == 0) {
        return;
    }
    const ResampleSettings settings = m_params->Settings();
    if (const std::optional<Message> refusal = ValidateResample(settings)) {
        m_host.ShowMessage(*refusal);
        return;
    }
    std::vector<std::string> paths = m_files.Files();
    const int successes = RunWithProgress([&](const BatchProgress& progress) {
        return ResampleFiles(paths, settings.IntervalMicroseconds(), settings.sampleCount, m_host, progress);
    });
    if (successes > 0) {
        for (size_t i = 0; i < paths.size(); ++i) {
            m_files.Replace(i, paths[i]);
        }
        RefreshFileList();
    }
    m_host.ShowMessage(ResampleResultMessage(successes));
}

} // namespace kvt
