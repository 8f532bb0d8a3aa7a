#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <span>
#include <vector>

// Readable QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace taru::test {

inline std::vector<std::uint8_t> col(std::initializer_list<int> numbers)
{
    std::vector<std::uint8_t> column;
    for (int n : numbers)
        column.push_back(static_cast<std::uint8_t>(n));
    return column;
}

// One row of a system's columns, comparable with col(...).
inline std::vector<std::uint8_t> row(std::span<const std::uint8_t> entries) { return {entries.begin(), entries.end()}; }

inline std::vector<std::uint8_t> range(int first, int last)
{
    std::vector<std::uint8_t> numbers;
    for (int n = first; n <= last; ++n)
        numbers.push_back(static_cast<std::uint8_t>(n));
    return numbers;
}

// The numbers 1..80 marked on a board.
template <std::size_t N>
std::vector<int> markedNumbers(const std::array<bool, N> &board)
{
    std::vector<int> numbers;
    for (std::size_t i = 0; i < N; ++i) {
        if (board[i])
            numbers.push_back(static_cast<int>(i) + 1);
    }
    return numbers;
}

} // namespace taru::test
