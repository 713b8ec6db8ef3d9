// The table's row order against a plain stable neighbour-swapping sort with
// the comparison made on the original texts and values.
#include "tests/support/TestText.h"
#include "ui/widgets/items/UIRowOrder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

struct Row
{
    bool hidden;
    std::string text;
    double value;
};

int plainCompare(const Row& a, const Row& b, bool byText, int order)
{
    if (a.hidden || b.hidden)
        return a.hidden == b.hidden ? 0 : (a.hidden ? -1 : 1);
    int c = 0;
    if (byText) {
        String ta = testsupport::text(a.text);
        String tb = testsupport::text(b.text);
        c = String::compareNoCase(ta.data(), tb.data());
    } else if (std::isnan(a.value) || std::isnan(b.value)) {
        c = std::isnan(a.value) == std::isnan(b.value) ? 0 : (std::isnan(a.value) ? -1 : 1);
    } else {
        c = a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
    }
    return order == UIRowOrder::kAscending ? c : -c;
}

std::vector<int> bubble(const std::vector<Row>& rows, bool byText, int order)
{
    std::vector<int> result;
    for (size_t i = 0; i < rows.size(); ++i)
        result.push_back(int(i));
    for (size_t pass = 0; pass < rows.size(); ++pass) {
        for (size_t j = rows.size(); j-- > 1;) {
            if (plainCompare(rows[size_t(result[j - 1])], rows[size_t(result[j])], byText, order) > 0)
                std::swap(result[j - 1], result[j]);
        }
    }
    return result;
}

} // namespace

TEST(UIRowOrder, GivesTheOrderOfAStableNeighbourSwappingSort)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::string> words = {"",  "b",    "B",    "a", "ab", "Ab",
                                            "z", "Über", "über", "1", "10", "9"};
    const std::vector<double> values = {0.0, -1.5, 2.0, 2.0, nan, -0.0, 1e300, -1e300, 7.0};
    std::mt19937 random(1033);
    for (int round = 0; round < 60; ++round) {
        bool byText = round % 2 == 0;
        int order = (round / 2) % 3; // 0 and 2 both sort descending
        int hiddenPercent = (round / 6) % 3 * 20;
        std::vector<Row> rows;
        UIRowOrder sorter;
        int count = 1 + int(random() % 40);
        for (int i = 0; i < count; ++i) {
            Row row{int(random() % 100) < hiddenPercent, words[random() % words.size()],
                    values[random() % values.size()]};
            rows.push_back(row);
            if (byText)
                sorter.addText(row.hidden, testsupport::text(row.text));
            else
                sorter.addValue(row.hidden, row.value);
        }
        SCOPED_TRACE(testing::Message() << "round " << round);
        EXPECT_EQ(bubble(rows, byText, order), sorter.stableOrder(order));
    }
}
