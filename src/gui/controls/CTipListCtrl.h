// A report list with grid lines and full-row selection whose cells show their full text as a tooltip,
// are coloured by a few owner settings, and are edited in place: a click on a cell of the row that is
// already selected opens an editor over that cell unless its column is read-only.
#pragma once

#include <QColor>
#include <QTableWidget>

#include <vector>

namespace kvt {

class CHeaderCtrlEx;
class CMyEdit;

class CTipListCtrl : public QTableWidget {
    Q_OBJECT
public:
    explicit CTipListCtrl(QWidget* parent = nullptr);

    CHeaderCtrlEx& HeaderCtrl() const { return *m_header; }

    // --- Rows and texts ----------------------------------------------------------------------------
    void SetRowHeight(int height);
    // A row of texts, one per column from column 0.
    void InsertRow(int row, const QStringList& texts);
    QString ItemText(int row, int column) const;
    void SetItemText(int row, int column, const QString& text);

    // --- Read-only columns and colours ---------------------------------------------------------------
    void SetReadOnlyColumn(int column, bool readOnly = true);
    bool IsReadOnlyColumn(int column) const;
    // Rows firstRow..lastRow of one column in the highlight colour; column -1 clears it.
    void SetHighlight(int column, int firstRow, int lastRow);
    // Tint every row from firstRow on.
    void SetRowTint(bool on, int firstRow = 0);
    // Tint the read-only columns.
    void SetReadOnlyTint(bool on);
    QColor CellBackground(int row, int column) const;

    // --- Tooltips ------------------------------------------------------------------------------------
    void EnableTips(bool enable) { m_bTipsOn = enable; }
    // The cell under the mouse; -1, -1 over no cell.
    int HotRow() const { return m_nHotRow; }
    int HotColumn() const { return m_nHotColumn; }

    // --- In-place editing ------------------------------------------------------------------------------
    bool IsEditing() const { return m_pEdit != nullptr; }
    // The open editor, or null.
    CMyEdit* Editor() const { return m_pEdit; }
    // Closes an open editor, keeping its text or not.
    void EndEdit(bool commit);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

private:
    void OpenEditor(int row, int column);
    // The editor said it is done.
    void FinishEdit();
    void Recolour();
    void ColourItem(QTableWidgetItem& item) const;

    CHeaderCtrlEx* m_header;
    CMyEdit* m_pEdit = nullptr;
    int m_nEditRow = -1;
    int m_nEditColumn = -1;

    bool m_bTipsOn = true;
    int m_nHotRow = -1;
    int m_nHotColumn = -1;

    QColor m_crHighlight{225, 160, 9};
    QColor m_crTint{229, 233, 239};
    int m_nHighlightColumn = -1;
    int m_nHighlightFirst = -1;
    int m_nHighlightLast = -1;
    // Both off unless the owner switches them on.
    bool m_bRowTint = false;
    bool m_bReadOnlyTint = false;
    int m_nFirstTintRow = 0;
    std::vector<int> m_readOnlyColumns;
};

} // namespace kvt
