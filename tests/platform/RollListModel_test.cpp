#include "RollListModel.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QModelIndex>
#include <string_view>
#include <tuple>

namespace kelvane {
namespace {

ListLines Lines(std::initializer_list<std::string_view> texts) {
    ListLines lines;
    for (const std::string_view text : texts) {
        lines.Add(text);
    }
    return lines;
}

// Qt's model tester checks the model against the rules views rely on, and stops the test at
// the first broken one. The window's test runs it across real rolls and Clear.
struct TestedModel {
    RollListModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

class RollListModelIndex : public ::testing::TestWithParam<std::tuple<int, int, bool>> {};

TEST_P(RollListModelIndex, IsValidOnlyForARowOfTheList) {
    const auto [row, column, valid] = GetParam();
    TestedModel tested;
    tested.model.AddItems(Lines({"d6-1 = 4", "d6-2 = 1"}));
    EXPECT_EQ(tested.model.index(row, column).isValid(), valid);
    EXPECT_FALSE(tested.model.index(row, column, tested.model.index(0, 0)).isValid());
}

INSTANTIATE_TEST_SUITE_P(Rows, RollListModelIndex,
                         ::testing::Values(std::tuple{0, 0, true}, std::tuple{1, 0, true},
                                           std::tuple{2, 0, false}, std::tuple{-1, 0, false},
                                           std::tuple{0, 1, false}));

}  // namespace
}  // namespace kelvane
