// The parameter area both resample dialogs share: the record's present sample interval, sample count
// and length beside the new ones, the new length following the typed interval and count.
#pragma once

#include "document/Resampling.h"

#include <QWidget>

class QLineEdit;

namespace kvt {

struct NumericHeader;

class ResampleParamsPane : public QWidget {
    Q_OBJECT
public:
    explicit ResampleParamsPane(QWidget* parent = nullptr);

    // Both columns start from the record's values.
    void ShowRecord(const NumericHeader& header);
    // The new interval and count as typed.
    ResampleSettings Settings() const;

private:
    void ShowNewLength();

    QLineEdit* m_oldInterval;
    QLineEdit* m_oldCount;
    QLineEdit* m_oldLength;
    QLineEdit* m_newInterval;
    QLineEdit* m_newCount;
    QLineEdit* m_newLength;
};

} // namespace kvt
