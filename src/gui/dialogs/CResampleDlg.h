// "重采样": a new sample interval and sample count for the open record. Settings outside their ranges
// are refused with a message and the dialog stays open; accepted ones change the record and close it.
#pragma once

#include <QDialog>

namespace kvt {

class CKVTDoc;
class ResampleParamsPane;

class CResampleDlg : public QDialog {
    Q_OBJECT
public:
    CResampleDlg(CKVTDoc& doc, QWidget* parent = nullptr);

private:
    void OnOK();

    CKVTDoc& m_doc;
    ResampleParamsPane* m_params;
};

} // namespace kvt
