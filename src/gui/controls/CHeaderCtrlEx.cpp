#include "CHeaderCtrlEx.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace kvt {

CHeaderCtrlEx::CHeaderCtrlEx(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    viewport()->setMouseTracking(true);
    setSectionsClickable(false);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
}

void CHeaderCtrlEx::SetHeaderTip(int column, const QString& text) {
    if (column >= 0 && column < kMaxTips) {
        m_tips[static_cast<size_t>(column)] = text;
    }
}

QString CHeaderCtrlEx::HeaderTip(int column) const {
    return column >= 0 && column < kMaxTips ? m_tips[static_cast<size_t>(column)] : QString();
}

void CHeaderCtrlEx::mouseMoveEvent(QMouseEvent* event) {
    const int column = logicalIndexAt(event->position().toPoint());
    if (column != m_nHotColumn) {
        m_nHotColumn = column;
        // A new column: the old text must not linger until the next tooltip event.
        if (m_bTipsOn && QToolTip::isVisible()) {
            QToolTip::showText(event->globalPosition().toPoint(), HeaderTip(column), this);
        }
    }
    QHeaderView::mouseMoveEvent(event);
}

void CHeaderCtrlEx::leaveEvent(QEvent* event) {
    m_nHotColumn = -1;
    QHeaderView::leaveEvent(event);
}

bool CHeaderCtrlEx::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = m_bTipsOn ? HeaderTip(logicalIndexAt(help->pos())) : QString();
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    return QHeaderView::viewportEvent(event);
}

} // namespace kvt
