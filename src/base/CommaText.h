#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace taru::data {

// Splits one line of "comma text", the list format of the draws file and of the system column
// files, into its items.
//
// Separators are "," and blanks, where a blank is any character from U+0000 to U+0020 (space,
// tab, other control characters). The rules, read item by item from the left:
//   - blanks before the first item are skipped;
//   - an item starting with '"' is quoted: it runs to the next lone '"', may hold commas and
//     blanks, and a doubled '""' inside stands for one '"'. A quote that is never closed takes
//     the rest of the line. Text right after the closing quote starts the next item;
//   - any other item runs up to the next blank or ",";
//   - after an item, blanks are skipped; then one "," and the blanks after it are skipped too.
//     So a blank alone separates, and blanks around a "," make no extra items;
//   - a "," that directly follows the previous separator (nothing but blanks between) ends an
//     empty item, so an empty item between two commas counts;
//   - a "," at the very end (blanks aside) adds nothing.
//
// Examples:
//   "1,2,3"      -> 1 | 2 | 3          "1, 2" and "1 ,2" and "1 2" -> 1 | 2
//   "1,,2"       -> 1 | "" | 2         " 1"  -> 1          "1," and "1 , " -> 1
//   "1,,"        -> 1 | ""             ","   -> ""         ",1"  -> "" | 1
//   ""  and " "  -> (no item)          "\"a b\",c" -> a b | c
//   "\"x\"\"y\"" -> x"y                "\"a,b"     -> a,b  (unclosed quote)
QStringList SplitCommaText(QStringView text);

// The same rules over any run of characters (QChar, or the single-byte text of a file: every
// separator is ASCII, so bytes split exactly as their decoded text does), without building a
// list: visit(start, end, quoted) is called for each item in order, with [start, end) the item's
// text, for a quoted item the text inside the quotes, where a doubled quote stands for one.
// visit returns false to stop early.
template <typename Char, typename Visit>
void ForEachCommaItem(const Char *text, qsizetype n, Visit &&visit)
{
    const auto code = [text](qsizetype i) {
        if constexpr (sizeof(Char) == 1)
            return static_cast<char16_t>(static_cast<unsigned char>(text[i]));
        else
            return static_cast<char16_t>(QChar(text[i]).unicode());
    };
    const auto isBlank = [&code](qsizetype i) { return code(i) <= 0x20; };
    qsizetype pos = 0;
    while (pos < n && isBlank(pos))
        ++pos;
    while (pos < n) {
        bool more = true;
        if (code(pos) == u'"') {
            const qsizetype start = ++pos;
            while (pos < n) {
                if (code(pos) == u'"') {
                    if (pos + 1 < n && code(pos + 1) == u'"') {
                        pos += 2;
                        continue;
                    }
                    break;
                }
                ++pos;
            }
            more = visit(start, pos, true);
            if (pos < n)
                ++pos; // the closing quote
        } else {
            const qsizetype start = pos;
            while (pos < n && !isBlank(pos) && code(pos) != u',')
                ++pos;
            more = visit(start, pos, false);
        }
        if (!more)
            return;
        while (pos < n && isBlank(pos))
            ++pos;
        if (pos < n && code(pos) == u',') {
            ++pos;
            while (pos < n && isBlank(pos))
                ++pos;
        }
    }
}

// The text of a quoted item as ForEachCommaItem gives it: each doubled quote made one.
QString UnquoteCommaItem(QStringView content);

} // namespace taru::data
