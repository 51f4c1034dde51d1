#pragma once
// The values of one dimension of a series (its X or its Y values), read by
// value index; only the series writes them.

#include "platform/rtl/Exceptions.h"

#include <vector>

// A refused chart operation: an axis range the wrong way round, a value
// index outside the series.
class EChartException : public Exception {
public:
    using Exception::Exception;
};

class TChartValueList {
public:
    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;

    int Count() const { return static_cast<int>(values_.size()); }
    // The value at index; an index outside 0..Count()-1 raises EChartException.
    double Value(int index) const;
    double operator[](int index) const { return Value(index); }
    // The largest and smallest value; 0 while the list is empty.
    double MaxValue() const;
    double MinValue() const;

private:
    friend class TBarSeries;
    TChartValueList() = default;
    static void checkIndex(int index, int count);
    std::vector<double> values_;
};
