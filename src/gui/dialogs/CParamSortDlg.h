// "参数排列": the receivers (channel, position, station number) and the shot point of the open record.
// The list and the edits are the only working copy: the document takes them on "确定" and on
// "自动填写", which then continues the first two receivers over the rest of the table.
#pragma once

#include <QDialog>

class QLineEdit;

namespace kvt {

class CKVTDoc;
struct GeometryTexts;
class CTipListCtrl;

class CParamSortDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 30;

    CParamSortDlg(CKVTDoc& doc, QWidget* parent = nullptr);

private:
    // The list and the three edits from the document.
    void FillGeometry();
    // The list and the three edits into the document.
    void StoreGeometry();
    // Stores, continues the first two receivers, and shows the result.
    void AutoFill();
    GeometryTexts ListedGeometry() const;

    CKVTDoc& m_doc;
    CTipListCtrl* m_list;
    QLineEdit* m_shotNumber;
    QLineEdit* m_shotX;
    QLineEdit* m_shotY;
};

} // namespace kvt
