#include "ParseTestDate.h"

#include <QStringView>

#include <algorithm>
#include <array>
#include <limits>

namespace kvt {

namespace {

constexpr qsizetype kMaxNumberChars = 19;

bool IsCSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// Reads an optionally signed decimal number after blanks from `text` starting at `pos`, as C's
// strtol does; `pos` moves past the number. Values beyond int saturate: they make no date anyway.
bool ReadNumber(QStringView text, qsizetype& pos, int& value) {
    qsizetype i = pos;
    while (i < text.size() && IsCSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype firstDigit = i;
    long long magnitude = 0;
    constexpr long long kLimit = std::numeric_limits<int>::max();
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        magnitude = std::min(magnitude * 10 + (text[i].unicode() - u'0'), kLimit);
        ++i;
    }
    if (i == firstDigit) {
        return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    pos = i;
    return true;
}

// C atoi on a piece of the text: only its first 19 characters count, and no number gives 0.
int AtoI(QStringView piece) {
    qsizetype pos = 0;
    int value = 0;
    ReadNumber(piece.left(kMaxNumberChars), pos, value);
    return value;
}

// sscanf(text, "%d/%d/%d"): numbers are read until one is missing or a '/' does not follow.
std::array<int, 3> ScanSlashNumbers(QStringView text) {
    std::array<int, 3> numbers{0, 0, 0};
    qsizetype pos = 0;
    for (std::size_t n = 0; n < numbers.size(); ++n) {
        if (n > 0) {
            if (pos >= text.size() || text[pos] != u'/') {
                break;
            }
            ++pos;
        }
        if (!ReadNumber(text, pos, numbers[n])) {
            break;
        }
    }
    return numbers;
}

} // namespace

QDate ParseTestDate(const QString& text, const QDate& today) {
    int year = 0;
    int month = 0;
    int day = 0;
    QDate date = today;

    // "2013-8-15" and "2013.8.15": year first, then month and day.
    for (const QChar separator : {QChar(u'-'), QChar(u'.')}) {
        const qsizetype first = text.indexOf(separator);
        if (first < 0) {
            continue;
        }
        year = AtoI(QStringView(text).left(first));
        const QStringView rest = QStringView(text).mid(first + 1);
        const qsizetype second = rest.indexOf(separator);
        if (second >= 0) {
            month = AtoI(rest.left(second));
            day = AtoI(rest.mid(second + 1));
        }
        date = QDate(year, month, day);
    }

    // "2013/8/15" or "8/15/2013": a number of 32 or more can only be the year.
    if (text.contains(u'/')) {
        const auto [a, b, c] = ScanSlashNumbers(text);
        if (a >= 32) {
            date = QDate(a, b, c);
        } else if (c >= 32) {
            date = QDate(c, a, b);
        } else {
            date = QDate(year, month, day);
        }
    }

    // "2013年8月15日".
    const qsizetype yearMark = text.indexOf(u'年');
    if (yearMark >= 0) {
        year = AtoI(QStringView(text).left(yearMark));
        const QStringView rest = QStringView(text).mid(yearMark + 1);
        const qsizetype monthMark = rest.indexOf(u'月');
        if (monthMark >= 0) {
            month = AtoI(rest.left(monthMark));
            const QStringView dayText = rest.mid(monthMark + 1);
            const qsizetype dayMark = dayText.indexOf(u'日');
            day = AtoI(dayMark >= 0 ? dayText.left(dayMark) : dayText);
        }
        date = QDate(year, month, day);
    }
    return date;
}

} // namespace kvt
