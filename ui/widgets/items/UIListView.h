#pragma once

#include "ui/widgets/scroll/UIScrollArea.h"

class UIList;

// A scroll area showing one UIList: the bars follow the list's visible item
// count, and the wheel does not scroll while a rubber band is being dragged.
class UIListView : public UIScrollArea
{
public:
    explicit UIListView(UIWidget* parent);
    ~UIListView() override;

    UIList* list() const;
    void setContentWidget(UIWidget* widget) override;

private:
    void connectList(UIList* list);
    void onVisibleCountChanged(int count);
    void onListWheel(UIEvent* event);
};
