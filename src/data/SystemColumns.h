#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <span>
#include <vector>

namespace taru {

// The columns of a system: rows of `width` entries (numbers, or positions for a library system),
// one byte each, kept in one flat buffer so millions of columns cost width bytes apiece. A row
// shorter than the width is padded with 0 (a library line may hold fewer entries than its size).
class SystemColumns {
public:
    using Row = std::span<const std::uint8_t>;

    SystemColumns() = default;
    explicit SystemColumns(int width) : width_(width < 0 ? 0 : static_cast<std::size_t>(width)) {}
    // Rows given in place (tests, small tables): the width is that of the longest row.
    SystemColumns(std::initializer_list<std::initializer_list<std::uint8_t>> rows)
    {
        for (const auto &row : rows)
            width_ = std::max(width_, row.size());
        for (const auto &row : rows)
            append(std::span<const std::uint8_t>(row.begin(), row.size()));
    }

    int width() const { return static_cast<int>(width_); }
    std::size_t size() const { return width_ == 0 ? rows_ : entries_.size() / width_; }
    bool empty() const { return size() == 0; }

    Row operator[](std::size_t row) const
    {
        assert(row < size());
        return Row(entries_.data() + row * width_, width_);
    }
    std::span<std::uint8_t> row(std::size_t row)
    {
        assert(row < size());
        return {entries_.data() + row * width_, width_};
    }

    // Appends one row; entries past the width are an error of the caller, missing ones become 0.
    void append(std::span<const std::uint8_t> row)
    {
        assert(row.size() <= width_);
        entries_.insert(entries_.end(), row.begin(), row.end());
        entries_.resize(entries_.size() + (width_ - row.size()), 0);
        if (width_ == 0)
            ++rows_;
    }
    void append(std::initializer_list<std::uint8_t> row) { append(std::span<const std::uint8_t>(row.begin(), row.size())); }

    Row front() const { return (*this)[0]; }
    Row back() const { return (*this)[size() - 1]; }

    void reserve(std::size_t rows) { entries_.reserve(rows * width_); }
    // Empties the system and gives its memory back (a cleared system of millions of columns
    // must not hold on to it).
    void clear()
    {
        std::vector<std::uint8_t>().swap(entries_);
        rows_ = 0;
    }
    // Keeps the first `rows` rows.
    void truncate(std::size_t rows)
    {
        if (rows < size()) {
            entries_.resize(rows * width_);
            if (width_ == 0)
                rows_ = rows;
        }
    }
    void shrink_to_fit() { entries_.shrink_to_fit(); }

    // All entries, row after row.
    const std::vector<std::uint8_t> &flat() const { return entries_; }

    // The same rows; two empty systems are equal whatever their width.
    bool operator==(const SystemColumns &other) const
    {
        if (size() != other.size())
            return false;
        return empty() || (width_ == other.width_ && entries_ == other.entries_);
    }

    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = Row;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = Row;

        const_iterator() = default;
        const_iterator(const SystemColumns *owner, std::size_t row) : owner_(owner), row_(row) {}
        Row operator*() const { return (*owner_)[row_]; }
        const_iterator &operator++()
        {
            ++row_;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++row_;
            return before;
        }
        const_iterator &operator+=(difference_type n)
        {
            row_ = static_cast<std::size_t>(static_cast<difference_type>(row_) + n);
            return *this;
        }
        difference_type operator-(const const_iterator &other) const
        {
            return static_cast<difference_type>(row_) - static_cast<difference_type>(other.row_);
        }
        bool operator==(const const_iterator &other) const { return row_ == other.row_; }

    private:
        const SystemColumns *owner_ = nullptr;
        std::size_t row_ = 0;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    std::size_t width_ = 0;
    std::size_t rows_ = 0; // counted only for width 0, where the buffer cannot tell
    std::vector<std::uint8_t> entries_;
};

} // namespace taru
