#include "ResampleParamsPane.h"

#include "record/ShotHeader.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kvt {

namespace {

QLineEdit* Edit(QWidget* parent, int id, bool readOnly) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("id%1").arg(id));
    edit->setReadOnly(readOnly);
    edit->setMinimumWidth(110);
    return edit;
}

} // namespace

ResampleParamsPane::ResampleParamsPane(QWidget* parent)
    : QWidget(parent), m_oldInterval(Edit(this, 1008, true)), m_oldCount(Edit(this, 1010, true)),
      m_oldLength(Edit(this, 1005, true)), m_newInterval(Edit(this, 1009, false)),
      m_newCount(Edit(this, 1007, false)), m_newLength(Edit(this, 1006, true)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->addWidget(new QLabel(tr("原始参数"), this), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(tr("重采参数"), this), 0, 2, Qt::AlignHCenter);
    const struct {
        const char* label;
        QLineEdit* present;
        QLineEdit* next;
    } rows[] = {{QT_TR_NOOP("采样率(ms)"), m_oldInterval, m_newInterval},
                {QT_TR_NOOP("采样点数"), m_oldCount, m_newCount},
                {QT_TR_NOOP("采样长度(ms)"), m_oldLength, m_newLength}};
    int row = 1;
    for (const auto& r : rows) {
        grid->addWidget(new QLabel(tr(r.label), this), row, 0);
        grid->addWidget(r.present, row, 1);
        grid->addWidget(r.next, row, 2);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    connect(m_newInterval, &QLineEdit::textChanged, this, &ResampleParamsPane::ShowNewLength);
    connect(m_newCount, &QLineEdit::textChanged, this, &ResampleParamsPane::ShowNewLength);
}

void ResampleParamsPane::ShowRecord(const NumericHeader& header) {
    const float intervalMs = header.m_fSampleInterval / 1000;
    const float lengthMs = static_cast<float>(header.m_nSampleCount) * header.m_fSampleInterval / 1000;
    const QString interval = QString::asprintf("%.3f", static_cast<double>(intervalMs));
    const QString count = QString::asprintf("%d", header.m_nSampleCount);
    const QString length = QString::asprintf("%.2f", static_cast<double>(lengthMs));
    m_oldInterval->setText(interval);
    m_oldCount->setText(count);
    m_oldLength->setText(length);
    m_newInterval->setText(interval);
    m_newCount->setText(count);
    // Last, so the new length starts as the record's rather than as the product of the rounded texts.
    m_newLength->setText(length);
}

ResampleSettings ResampleParamsPane::Settings() const {
    return ReadResampleSettings(m_newInterval->text().toStdString(), m_newCount->text().toStdString());
}

void ResampleParamsPane::ShowNewLength() {
    const ResampleSettings settings = Settings();
    const float length = static_cast<float>(settings.sampleCount) * settings.intervalMs;
    m_newLength->setText(QString::asprintf("%.2f", static_cast<double>(length)));
}

} // namespace kvt
