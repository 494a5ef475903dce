// SPDX-License-Identifier: GPL-3.0-or-later
// Names parameterised test rows after their `name` field, so that a failing
// row reads as a sentence in the test output.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace dialnote::testing {

template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& row) {
  return row.param.name;
}

// Prints a row as its name; test files bring it in with
// `using testing::PrintTo;` next to their row types.
template <class Row>
requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

}  // namespace dialnote::testing
