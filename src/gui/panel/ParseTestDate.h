// The test date of a record header is free text ("2013-8-15", "2013.8.15", "8/15/2013",
// "2013年8月15日"); the panel's date picker shows what this reads from it.
#pragma once

#include <QDate>
#include <QString>

namespace kvt {

// The date the text names, starting from `today` when no rule applies; invalid when the numbers the
// rules leave (month 0, day 32 ...) make no date.
QDate ParseTestDate(const QString& text, const QDate& today);

} // namespace kvt
