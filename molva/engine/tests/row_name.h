// Names each row of a table-driven test after the row's `name` field, in the
// test's name and wherever GoogleTest prints the row.
#pragma once

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace molva::testing {

struct RowName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

} // namespace molva::testing

namespace molva {
namespace {

template <class Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

} // namespace
} // namespace molva
