#pragma once
// One list of point coordinates of a series (X or Y), with its sort order and
// cached range.
#include <cstddef>
#include <string>
#include <vector>

#include "ChartTypes.h"

class TChartValueList {
public:
    TChartValueList(std::string name, TChartListOrder order) : name_(std::move(name)), order_(order) {}

    const std::string& Name() const { return name_; }
    TChartListOrder Order() const { return order_; }
    void SetOrder(TChartListOrder order) { order_ = order; }

    std::size_t Count() const { return values_.size(); }
    double operator[](std::size_t index) const { return values_[index]; }
    double Last() const { return values_.back(); }
    const std::vector<double>& Values() const { return values_; }

    // Where a new value goes by the list's order: loNone appends; loAscending
    // walks back from the end past every value strictly greater, so equal
    // values keep the order they were added in and ascending input costs
    // constant time; loDescending mirrors it.
    std::size_t InsertionIndex(double value) const;
    void InsertAt(std::size_t index, double value);
    void Clear();
    void Reserve(std::size_t count) { values_.reserve(count); }

    // The range of all values, 0 for an empty list.
    double MinValue() const;
    double MaxValue() const;

private:
    void Recalculate() const;

    std::string name_;
    TChartListOrder order_;
    std::vector<double> values_;

    mutable bool stale_ = false;
    mutable double min_ = 0, max_ = 0;
};
