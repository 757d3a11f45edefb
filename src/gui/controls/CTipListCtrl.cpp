#include "CTipListCtrl.h"

#include "CHeaderCtrlEx.h"
#include "CMyEdit.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <utility>

namespace kvt {

CTipListCtrl::CTipListCtrl(QWidget* parent) : QTableWidget(parent), m_header(new CHeaderCtrlEx(this)) {
    setHorizontalHeader(m_header);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Cells are edited only through the in-place editor below, never through the view's own.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    viewport()->setMouseTracking(true);
}

void CTipListCtrl::SetRowHeight(int height) {
    verticalHeader()->setMinimumSectionSize(std::min(height, verticalHeader()->minimumSectionSize()));
    verticalHeader()->setDefaultSectionSize(height);
}

void CTipListCtrl::InsertRow(int row, const QStringList& texts) {
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column) {
        auto* item = new QTableWidgetItem(column < texts.size() ? texts[column] : QString());
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        setItem(row, column, item);
    }
    // Colours that depend on the row number move with the rows below.
    Recolour();
}

QString CTipListCtrl::ItemText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

void CTipListCtrl::SetItemText(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return;
    }
    QTableWidgetItem* cell = item(row, column);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        setItem(row, column, cell);
        ColourItem(*cell);
    }
    cell->setText(text);
}

void CTipListCtrl::SetReadOnlyColumn(int column, bool readOnly) {
    const auto found = std::find(m_readOnlyColumns.begin(), m_readOnlyColumns.end(), column);
    if (readOnly && found == m_readOnlyColumns.end()) {
        m_readOnlyColumns.push_back(column);
    } else if (!readOnly && found != m_readOnlyColumns.end()) {
        m_readOnlyColumns.erase(found);
    }
    Recolour();
}

bool CTipListCtrl::IsReadOnlyColumn(int column) const {
    return std::find(m_readOnlyColumns.begin(), m_readOnlyColumns.end(), column) != m_readOnlyColumns.end();
}

void CTipListCtrl::SetHighlight(int column, int firstRow, int lastRow) {
    m_nHighlightColumn = column;
    m_nHighlightFirst = column < 0 ? -1 : firstRow;
    m_nHighlightLast = column < 0 ? -1 : lastRow;
    Recolour();
}

void CTipListCtrl::SetRowTint(bool on, int firstRow) {
    m_bRowTint = on;
    m_nFirstTintRow = firstRow;
    Recolour();
}

void CTipListCtrl::SetReadOnlyTint(bool on) {
    m_bReadOnlyTint = on;
    Recolour();
}

QColor CTipListCtrl::CellBackground(int row, int column) const {
    if (m_bRowTint && row >= m_nFirstTintRow) {
        return m_crTint;
    }
    if (m_bReadOnlyTint && IsReadOnlyColumn(column)) {
        return m_crTint;
    }
    if (column == m_nHighlightColumn && row >= m_nHighlightFirst && row <= m_nHighlightLast) {
        return m_crHighlight;
    }
    return Qt::white;
}

void CTipListCtrl::ColourItem(QTableWidgetItem& cell) const {
    cell.setBackground(CellBackground(cell.row(), cell.column()));
    cell.setForeground(Qt::black);
}

void CTipListCtrl::Recolour() {
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (QTableWidgetItem* cell = item(row, column)) {
                ColourItem(*cell);
            }
        }
    }
}

void CTipListCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !IsEditing()) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid() && selectionModel()->isRowSelected(index.row(), QModelIndex()) &&
            !IsReadOnlyColumn(index.column())) {
            OpenEditor(index.row(), index.column());
            return;
        }
    }
    QTableWidget::mousePressEvent(event);
}

void CTipListCtrl::OpenEditor(int row, int column) {
    m_nEditRow = row;
    m_nEditColumn = column;
    m_pEdit = new CMyEdit(viewport());
    m_pEdit->setGeometry(visualRect(model()->index(row, column)));
    m_pEdit->setText(ItemText(row, column));
    m_pEdit->selectAll();
    connect(m_pEdit, &CMyEdit::EditEnded, this, &CTipListCtrl::FinishEdit);
    m_pEdit->show();
    m_pEdit->setFocus(Qt::MouseFocusReason);
}

void CTipListCtrl::EndEdit(bool commit) {
    if (m_pEdit != nullptr) {
        m_pEdit->SetCommit(commit);
        FinishEdit();
    }
}

void CTipListCtrl::FinishEdit() {
    // Hiding the editor takes its focus away, which reports the end once more: only the first counts.
    CMyEdit* edit = std::exchange(m_pEdit, nullptr);
    if (edit == nullptr) {
        return;
    }
    if (edit->Commit()) {
        SetItemText(m_nEditRow, m_nEditColumn, edit->text());
    }
    edit->SetCommit(true);
    if (edit->hasFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
    edit->hide();
    edit->deleteLater();
    m_nEditRow = -1;
    m_nEditColumn = -1;
}

void CTipListCtrl::wheelEvent(QWheelEvent* event) {
    EndEdit(true);
    QTableWidget::wheelEvent(event);
}

void CTipListCtrl::scrollContentsBy(int dx, int dy) {
    EndEdit(true);
    QTableWidget::scrollContentsBy(dx, dy);
}

void CTipListCtrl::mouseMoveEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const int row = index.isValid() ? index.row() : -1;
    const int column = index.isValid() ? index.column() : -1;
    if (row != m_nHotRow || column != m_nHotColumn) {
        m_nHotRow = row;
        m_nHotColumn = column;
        // The tooltip follows the mouse from cell to cell instead of keeping the old cell's text.
        if (m_bTipsOn && QToolTip::isVisible()) {
            const QString tip = ItemText(row, column);
            if (tip.isEmpty()) {
                QToolTip::hideText();
            } else {
                QToolTip::showText(event->globalPosition().toPoint(), tip, viewport());
            }
        }
    }
    QTableWidget::mouseMoveEvent(event);
}

bool CTipListCtrl::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString tip = m_bTipsOn && index.isValid() ? ItemText(index.row(), index.column()) : QString();
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
        }
        return true;
    }
    if (event->type() == QEvent::Leave) {
        m_nHotRow = -1;
        m_nHotColumn = -1;
    }
    return QTableWidget::viewportEvent(event);
}

} // namespace kvt
