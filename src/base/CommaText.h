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

} // namespace taru::data
