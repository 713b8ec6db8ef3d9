#pragma once

#include <vector>

class HtmlFloatContext;
class HtmlLayout;
class HtmlNode;

// Lays out one table: rows from the table and its row groups, cells by
// column with their spans, column widths from the cells' narrowest and
// widest content, fixed pixel widths and percentages, then each row as high
// as its tallest cell with the others aligned in it. A table that does not
// fit beside a float moves below it. Columns past kMaxColumns are dropped,
// so a hostile row cannot make the grid grow without bound.
class HtmlTableLayout
{
public:
    static constexpr int kMaxColumns = 64;

    explicit HtmlTableLayout(HtmlLayout& layout) : m_layout(layout) {}

    // The table's border box starts at top; returns its bottom.
    int layout(HtmlNode* table, int x, int top, int containingWidth, HtmlFloatContext& floats);
    // The table's own widths without its padding, borders and margins.
    void intrinsicWidths(HtmlNode* table, int& minWidth, int& maxWidth);

private:
    struct Cell
    {
        HtmlNode* node;
        int column;
        int span;
    };
    struct Row
    {
        HtmlNode* node;
        HtmlNode* group;
        std::vector<Cell> cells;
    };

    void buildGrid(HtmlNode* table);
    void addRow(HtmlNode* row, HtmlNode* group);
    void measureColumns();
    std::vector<int> columnWidths(int target) const;
    int spacing(const HtmlNode* table) const;
    int layoutRow(const Row& row, const std::vector<int>& columnX, int top);

    HtmlLayout& m_layout;
    std::vector<Row> m_rows;
    int m_columns = 0;
    std::vector<int> m_min;
    std::vector<int> m_max;
    std::vector<float> m_percent;
    int m_spacing = 0;
};
