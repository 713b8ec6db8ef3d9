#include "ui/widgets/items/UITableView.h"

#include "foundation/system/UIEvent.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/scroll/UIScrollAreaViewport.h"

UITableView::UITableView(UIWidget* parent) : UIScrollArea(parent)
{
    setStyleName(String(u"UITableView"));
    auto* content = new UITable(viewport());
    setContentWidget(content);
    content->show();
    setVerticalStep(content->rowHeight());
}

UITableView::~UITableView() = default;

UITable* UITableView::table() const
{
    return dynamic_cast<UITable*>(contentWidget());
}

void UITableView::setContentWidget(UIWidget* widget)
{
    if (auto* content = dynamic_cast<UITable*>(widget)) {
        content->header()->sectionResized.connectWithArg(this, &UITableView::onLayoutChanged);
        content->visibleRowCountChanged.connectWithArg(this, &UITableView::onLayoutChanged);
        content->visibleColumnCountChanged.connectWithArg(this, &UITableView::onLayoutChanged);
        content->wheelTurned.connectWithArg(this, &UITableView::onTableWheel);
    }
    UIScrollArea::setContentWidget(widget);
}

void UITableView::onLayoutChanged(int)
{
    relayoutContent();
}

void UITableView::onTableWheel(UIEvent* event)
{
    UITable* content = table();
    // Kept, so that what holds the view does not scroll under the band.
    if (content && content->isBandActive()) {
        event->accept();
        return;
    }
    handleWheel(event);
}

Size UITableView::viewportSize() const
{
    Size size = UIScrollArea::viewportSize();
    UITable* content = table();
    if (content && size.height >= 1)
        size.height -= content->headerHeight();
    return size;
}

Size UITableView::sizeHint() const
{
    Size hint = UIScrollArea::sizeHint();
    if (UITable* content = table())
        hint.height += content->header()->height();
    return hint;
}
