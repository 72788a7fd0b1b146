#pragma once
// The lines of a memo box of the batch's window, compact: their texts one
// after the other in one buffer. The compute writes three lines a subgroup,
// 600,000 for a million readings, which as strings of their own would take
// a heap block each.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TMemoLines {
public:
    void Add(std::string_view line)
    {
        chars_.append(line);
        ends_.push_back(chars_.size());
    }
    void Clear()
    {
        chars_.clear();
        ends_.clear();
    }
    std::size_t Count() const { return ends_.size(); }
    std::string_view operator[](std::size_t index) const
    {
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
        return std::string_view(chars_).substr(begin, ends_[index] - begin);
    }

    class TIterator {
    public:
        TIterator(const TMemoLines* lines, std::size_t index) : lines_(lines), index_(index) {}
        std::string_view operator*() const { return (*lines_)[index_]; }
        TIterator& operator++()
        {
            ++index_;
            return *this;
        }
        bool operator==(const TIterator& other) const { return index_ == other.index_; }

    private:
        const TMemoLines* lines_ = nullptr;
        std::size_t index_ = 0;
    };
    TIterator begin() const { return {this, 0}; }
    TIterator end() const { return {this, Count()}; }

private:
    std::string chars_;
    std::vector<std::size_t> ends_;  // of each line in chars_
};
