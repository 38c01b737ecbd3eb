// The statistics data: one computation for the statistics line and for the
// figures the window writes at the caret, stable for data far from zero.
#include "engine/data_summary.h"
#include "engine/messages.h"
#include "engine/session.h"
#include "engine/task_text.h"

#include <cmath>
#include <gtest/gtest.h>

namespace molva {
namespace {

struct SpreadCase {
    const char* name;
    std::vector<double> values;
    double mean;
    double sampleDeviation;
    double populationDeviation;
    double tolerance;
};

void PrintTo(const SpreadCase& row, std::ostream* out) {
    *out << row.name;
}

class SummariseDataTest : public ::testing::TestWithParam<SpreadCase> {};

TEST_P(SummariseDataTest, KeepsTheSpreadOfTheData) {
    const SpreadCase& row = GetParam();
    const DataSummary summary = SummariseData(row.values);
    EXPECT_EQ(summary.count, row.values.size());
    EXPECT_NEAR(summary.mean, row.mean, row.tolerance * std::fabs(row.mean) + 1e-300);
    EXPECT_NEAR(summary.sampleDeviation, row.sampleDeviation, row.tolerance);
    EXPECT_NEAR(summary.populationDeviation, row.populationDeviation, row.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SummariseDataTest,
    ::testing::Values(SpreadCase{"small_whole_numbers", {1, 2, 3}, 2, 1, std::sqrt(2.0 / 3), 0},
                      SpreadCase{"far_from_zero_whole",
                                 {100000001, 100000002, 100000003},
                                 100000002,
                                 1,
                                 std::sqrt(2.0 / 3),
                                 0},
                      SpreadCase{"far_from_zero_tenths",
                                 {1e9 + 0.1, 1e9 + 0.2, 1e9 + 0.3},
                                 1e9 + 0.2,
                                 0.1,
                                 0.1 * std::sqrt(2.0 / 3),
                                 1e-6},
                      SpreadCase{"all_equal", {7, 7, 7, 7}, 7, 0, 0, 0},
                      SpreadCase{"negative_and_positive", {-1, 2}, 0.5, std::sqrt(4.5), 1.5, 1e-15},
                      SpreadCase{"one_value_has_no_sample_deviation", {4}, 4, 0, 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SummariseDataTest, SumsBeyondTheDoubleRangeAreAnOverflow) {
    EXPECT_THROW(SummariseData({1e308, 1e308}), CalcFailure);
    EXPECT_TRUE(std::isinf(SummariseData({1e200, 1e200}).sumOfSquares));
}

struct StatisticsLineCase {
    const char* name;
    const char* line;
    const char* resultLine;
};

void PrintTo(const StatisticsLineCase& row, std::ostream* out) {
    *out << row.name;
}

class StatisticsLineTest : public ::testing::TestWithParam<StatisticsLineCase> {};

TEST_P(StatisticsLineTest, GivesTheSampleDeviation) {
    CalcSession session;
    EXPECT_EQ(session.Enter(GetParam().line).resultLine, GetParam().resultLine);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StatisticsLineTest,
    ::testing::Values(
        StatisticsLineCase{"far_from_zero_whole", "sum(100000001+100000002+100000003)",
                           "300000006; n = 3; s = 1; Mean = 100000002"},
        StatisticsLineCase{"far_from_zero_tenths", "sum(1000000000.1+1000000000.2+1000000000.3)",
                           "3000000000.6; n = 3; s = 0.0999999642374085; Mean = 1000000000.2"}),
    [](const auto& row) { return std::string(row.param.name); });

struct FigureCase {
    const char* name;
    std::vector<const char*> data; // lines entered first
    DataFigure figure;
    const char* text;
    bool message;
};

void PrintTo(const FigureCase& row, std::ostream* out) {
    *out << row.name;
}

class DataFigureTest : public ::testing::TestWithParam<FigureCase> {};

TEST_P(DataFigureTest, IsTheEngineFigureOrItsMessage) {
    CalcSession session;
    for (const char* line : GetParam().data)
        session.Enter(line);
    const FigureText figure = session.DataFigureText(GetParam().figure);
    EXPECT_EQ(figure.text, GetParam().text);
    EXPECT_EQ(figure.message, GetParam().message);
}

const std::vector<const char*> kFarFromZero = {"dat100000001", "dat100000002", "dat100000003"};

INSTANTIATE_TEST_SUITE_P(
    Table, DataFigureTest,
    ::testing::Values(
        FigureCase{"sample_deviation_far_from_zero", kFarFromZero, DataFigure::SampleDeviation, "1",
                   false},
        FigureCase{"population_deviation_far_from_zero", kFarFromZero,
                   DataFigure::PopulationDeviation, "0.816496580927726", false},
        FigureCase{"sample_deviation_of_tenths",
                   {"dat1000000000.1", "dat1000000000.2", "dat1000000000.3"},
                   DataFigure::SampleDeviation,
                   "0.0999999642374085",
                   false},
        FigureCase{"sum", {"dat1", "dat2", "dat3"}, DataFigure::Sum, "6", false},
        FigureCase{
            "sum_of_squares", {"dat1", "dat2", "dat3"}, DataFigure::SumOfSquares, "14", false},
        FigureCase{"count", {"dat1", "dat2", "dat3"}, DataFigure::Count, "3", false},
        FigureCase{"mean", {"dat1", "dat2"}, DataFigure::Mean, "1.5", false},
        FigureCase{"count_without_data", {}, DataFigure::Count, "No data!", true},
        FigureCase{"mean_without_data", {}, DataFigure::Mean, "No data for calculate!", true},
        FigureCase{"sample_deviation_of_one_value",
                   {"dat4"},
                   DataFigure::SampleDeviation,
                   "Must bee min. two data!",
                   true},
        FigureCase{"population_deviation_of_one_value",
                   {"dat4"},
                   DataFigure::PopulationDeviation,
                   "0",
                   false},
        FigureCase{"squares_beyond_the_range",
                   {"dat1E200", "dat1E200"},
                   DataFigure::SumOfSquares,
                   "Overflow",
                   true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SessionClearingTest, AllClearEmptiesDataAndMemoryOnly) {
    CalcSession session;
    session.Enter("dat4");
    session.Enter("12");
    session.MemoryStore();
    session.ClearDataAndMemory();
    EXPECT_FALSE(session.DataList());
    EXPECT_FALSE(session.HasMemory());
    EXPECT_FALSE(session.MemoryRecall());
    EXPECT_EQ(session.display().results[0], "12");
}

TEST(SessionClearingTest, ClearDisplayKeepsTheFirstMarkerAndTheState) {
    CalcSession session;
    session.Enter("sum(1+2+3)");
    session.ClearDisplay();
    EXPECT_EQ(session.display().markers[0], "=");
    EXPECT_EQ(session.display().markers[1], "");
    EXPECT_EQ(session.display().results[0], "");
    EXPECT_EQ(session.DataList(), ":sum(1+2+3)");
}

TEST(SessionClearingTest, NewListForgetsTheLastTextsButNotTheMemory) {
    CalcSession session;
    session.Enter("7");
    session.MemoryStore();
    session.Enter("8");
    session.ClearForNewList();
    EXPECT_EQ(session.state().resultText, "");
    EXPECT_EQ(session.state().prevResultText, "");
    EXPECT_EQ(session.display().results[1], "");
    EXPECT_EQ(session.display().inputs[0], "");
    EXPECT_EQ(session.MemoryRecall(), "7");
}

struct TaskInputCase {
    const char* name;
    const char* line;
    TaskLines kind;
    std::optional<std::string_view> input;
};

void PrintTo(const TaskInputCase& row, std::ostream* out) {
    *out << row.name;
}

class TaskInputTest : public ::testing::TestWithParam<TaskInputCase> {};

TEST_P(TaskInputTest, PicksTheTextToCalculate) {
    EXPECT_EQ(TaskInput(GetParam().line, GetParam().kind), GetParam().input);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TaskInputTest,
    ::testing::Values(TaskInputCase{"whole_line", "2+3 = 5", TaskLines::Whole, "2+3 = 5"},
                      TaskInputCase{"whole_skips_empty", "", TaskLines::Whole, std::nullopt},
                      TaskInputCase{"before_equals", "2+3 = 5", TaskLines::BeforeEquals, "2+3 "},
                      TaskInputCase{"equals_first_is_skipped", "=7", TaskLines::BeforeEquals,
                                    std::nullopt},
                      TaskInputCase{"no_equals_is_whole", "4*5", TaskLines::BeforeEquals, "4*5"},
                      TaskInputCase{"empty_is_an_empty_input", "", TaskLines::BeforeEquals, ""}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace molva
