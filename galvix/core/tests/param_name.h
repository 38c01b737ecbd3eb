// Names each row of a table-driven test after the row's `name` field.
#pragma once

#include <gtest/gtest.h>
#include <string>

namespace galvix::testing {

struct RowName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

} // namespace galvix::testing
