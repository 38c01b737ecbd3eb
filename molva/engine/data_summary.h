// The figures of the statistics data, computed one way for the statistics
// line and for the figures the window writes at the caret.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace molva {

struct DataSummary {
    std::size_t count = 0;
    double sum = 0;
    double sumOfSquares = 0; // infinite when the squares leave the range of a double
    double mean = 0;
    double populationDeviation = 0;
    double sampleDeviation = 0; // 0 for a single value, which has none
};

// Two passes: the mean first, then the squared distances from it, so that
// data far from zero but close together (1e9+0.1, 1e9+0.2) keep their spread.
// Needs at least one value; throws CalcFailure(Overflow) when the sum or the
// squared distances leave the range of a double.
DataSummary SummariseData(const std::vector<double>& values);

// The data list ":sum(1+2+3)", each value as its plain text.
std::string DataListText(const std::vector<double>& values, char decimalSeparator);

} // namespace molva
