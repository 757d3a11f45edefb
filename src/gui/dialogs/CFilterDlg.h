// "滤波": the record's spectrum with the gate of the filter type, the corner typed into the edits or
// dragged on the gate, and 应用 to filter the record. Every setting lives in the document, so the
// dialog reopens with the last values; the dialog stays open after 应用.
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSlider;

namespace kvt {

class CFilterWaveView;
class CKVTDoc;

class CFilterDlg : public QDialog {
    Q_OBJECT
public:
    CFilterDlg(CKVTDoc& doc, QWidget* parent = nullptr);

    CFilterWaveView& SpectrumView() { return *m_view; }

private:
    // The four edits from the document ("%.2f"), and back (atof: a leading number, else 0).
    void ShowEdits();
    void ReadEdits();
    void Apply();
    void ShowDisplaySettings();

    CKVTDoc& m_doc;
    CFilterWaveView* m_view;
    QLineEdit* m_lowPass;
    QLineEdit* m_highPass;
    QLineEdit* m_lowSlope;
    QLineEdit* m_highSlope;
};

} // namespace kvt
