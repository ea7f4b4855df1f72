#include "RollListModel.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QModelIndex>
#include <QString>
#include <QVariant>
#include <string_view>
#include <tuple>
#include <utility>

namespace kelvane {
namespace {

ListLines Lines(std::initializer_list<std::string_view> texts) {
    ListLines lines;
    for (const std::string_view text : texts) {
        lines.Add(text);
    }
    return lines;
}

// Qt's model tester checks every change against the rules views rely on, and stops the test
// at the first broken one.
struct TestedModel {
    RollListModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST(RollListModel, KeepsItsLinesThroughAppendsAndClears) {
    TestedModel tested;
    tested.model.AddItems(Lines({"d6-1 = 4", "d6-2 = 1"}));
    tested.model.AddItems(Lines({"d20 = 17"}));
    ASSERT_EQ(tested.model.rowCount(), 3);
    EXPECT_EQ(tested.model.index(2, 0).data().toString(), QStringLiteral("d20 = 17"));
    tested.model.RemoveAllItems();
    EXPECT_EQ(tested.model.rowCount(), 0);
    tested.model.AddItems(Lines({"d4 = 3"}));
    EXPECT_EQ(tested.model.index(0, 0).data().toString(), QStringLiteral("d4 = 3"));
}

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
