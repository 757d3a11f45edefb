// The area-edit palette: the four selection modes (the active one in green) and 重设, which clears
// the line and the selections but keeps the mode.
#pragma once

#include <QWidget>

namespace kvt {

class CColorButton;
class CKVTDoc;

class CAreaEditDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 133;

    explicit CAreaEditDlg(CKVTDoc& doc, QWidget* parent = nullptr);

    // Shows the document's selection mode on its button.
    void Recolour();

private:
    CKVTDoc& m_doc;
    CColorButton* m_modes[4];
};

} // namespace kvt
