#include "base/CommaText.h"

namespace taru::data {

namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kComma = QLatin1Char(',');

// Reads a quoted item starting at text[pos] == '"'; pos ends after the closing quote (or at
// the end of the text when the quote is never closed).
QString readQuoted(QStringView text, qsizetype &pos)
{
    QString item;
    const qsizetype n = text.size();
    ++pos; // opening quote
    while (pos < n) {
        const QChar c = text.at(pos);
        if (c == kQuote) {
            if (pos + 1 < n && text.at(pos + 1) == kQuote) {
                item += kQuote;
                pos += 2;
                continue;
            }
            ++pos; // closing quote
            return item;
        }
        item += c;
        ++pos;
    }
    return item;
}

} // namespace

QStringList SplitCommaText(QStringView text)
{
    QStringList items;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n && isBlank(text.at(pos)))
        ++pos;
    while (pos < n) {
        if (text.at(pos) == kQuote) {
            items.append(readQuoted(text, pos));
        } else {
            const qsizetype start = pos;
            while (pos < n && !isBlank(text.at(pos)) && text.at(pos) != kComma)
                ++pos;
            items.append(text.mid(start, pos - start).toString());
        }
        while (pos < n && isBlank(text.at(pos)))
            ++pos;
        if (pos < n && text.at(pos) == kComma) {
            ++pos;
            while (pos < n && isBlank(text.at(pos)))
                ++pos;
        }
    }
    return items;
}

} // namespace taru::data
