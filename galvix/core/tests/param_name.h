// Names each row of a table-driven test after the row's `name` field.
#pragma once

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace galvix::testing {

struct RowName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

} // namespace galvix::testing

namespace galvix {
namespace {

// Test rows print as their names, so test listings stay readable.
template <class Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

} // namespace
} // namespace galvix
