#pragma once

#include "ui/widgets/scroll/UIScrollArea.h"

class UITable;

// A scroll area showing one UITable under its header: the bars follow the
// table's content size, and a page is the rows area below the header.
class UITableView : public UIScrollArea
{
public:
    explicit UITableView(UIWidget* parent);
    ~UITableView() override;

    UITable* table() const;
    void setContentWidget(UIWidget* widget) override;
    Size viewportSize() const override;
    Size sizeHint() const override;

private:
    void onLayoutChanged(int value);
    void onTableWheel(UIEvent* event);
};
