#include "platform/chart/ChartValueList.h"

#include <algorithm>
#include <string>

void TChartValueList::checkIndex(int index, int count) {
    if (index < 0 || index >= count)
        throw EChartException("Listenindex überschreitet das Maximum (" + std::to_string(index) + ")");
}

double TChartValueList::Value(int index) const {
    checkIndex(index, Count());
    return values_[static_cast<size_t>(index)];
}

double TChartValueList::MaxValue() const {
    return values_.empty() ? 0.0 : *std::max_element(values_.begin(), values_.end());
}

double TChartValueList::MinValue() const {
    return values_.empty() ? 0.0 : *std::min_element(values_.begin(), values_.end());
}
