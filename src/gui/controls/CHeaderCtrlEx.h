// The column header of CTipListCtrl: a tooltip text per column, shown while the mouse is over that
// column's header.
#pragma once

#include <QHeaderView>
#include <QString>

#include <array>

namespace kvt {

class CHeaderCtrlEx : public QHeaderView {
    Q_OBJECT
public:
    static constexpr int kMaxTips = 256;

    explicit CHeaderCtrlEx(QWidget* parent = nullptr);

    // Columns from kMaxTips on have no tooltip.
    void SetHeaderTip(int column, const QString& text);
    QString HeaderTip(int column) const;
    void EnableTips(bool enable) { m_bTipsOn = enable; }
    // The column under the mouse (-1 none).
    int HotColumn() const { return m_nHotColumn; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    std::array<QString, kMaxTips> m_tips;
    int m_nHotColumn = -1;
    bool m_bTipsOn = true;
};

} // namespace kvt
