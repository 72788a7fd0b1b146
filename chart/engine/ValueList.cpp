#include "ValueList.h"

std::size_t TChartValueList::InsertionIndex(double value) const
{
    const std::size_t count = values_.size();
    switch (order_) {
    case loNone: return count;
    case loAscending: {
        if (count == 0 || value >= values_.back())
            return count;
        std::size_t index = count;
        while (index > 0 && values_[index - 1] > value)
            --index;
        return index;
    }
    case loDescending: {
        if (count == 0 || value <= values_.back())
            return count;
        std::size_t index = count;
        while (index > 0 && values_[index - 1] < value)
            --index;
        return index;
    }
    }
    return count;
}

void TChartValueList::InsertAt(std::size_t index, double value)
{
    if (index >= values_.size())
        values_.push_back(value);
    else
        values_.insert(values_.begin() + static_cast<std::ptrdiff_t>(index), value);
    stale_ = true;
}

void TChartValueList::Clear()
{
    values_.clear();
    stale_ = true;
}

void TChartValueList::Recalculate() const
{
    stale_ = false;
    min_ = max_ = 0;
    if (values_.empty())
        return;
    min_ = max_ = values_[0];
    for (double v : values_) {
        if (v < min_)
            min_ = v;
        else if (v > max_)
            max_ = v;
    }
}

double TChartValueList::MinValue() const
{
    if (stale_)
        Recalculate();
    return min_;
}

double TChartValueList::MaxValue() const
{
    if (stale_)
        Recalculate();
    return max_;
}
