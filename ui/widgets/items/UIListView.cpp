#include "ui/widgets/items/UIListView.h"

#include "foundation/system/UIEvent.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/scroll/UIScrollAreaViewport.h"

UIListView::UIListView(UIWidget* parent) : UIScrollArea(parent)
{
    setStyleName(String(u"UIListView"));
    auto* content = new UIList(viewport());
    content->setFlag(kTransparent, false);
    content->show();
    connectList(content);
    UIScrollArea::setContentWidget(content);
    setVerticalStep(content->itemSize().height);
}

UIListView::~UIListView() = default;

UIList* UIListView::list() const
{
    return dynamic_cast<UIList*>(contentWidget());
}

void UIListView::connectList(UIList* content)
{
    content->visibleCountChanged.connectWithArg(this, &UIListView::onVisibleCountChanged);
    content->wheelTurned.connectWithArg(this, &UIListView::onListWheel);
}

void UIListView::setContentWidget(UIWidget* widget)
{
    if (auto* content = dynamic_cast<UIList*>(widget))
        connectList(content);
    UIScrollArea::setContentWidget(widget);
}

void UIListView::onVisibleCountChanged(int)
{
    relayoutContent();
}

void UIListView::onListWheel(UIEvent* event)
{
    UIList* content = list();
    // Kept, so that what holds the view does not scroll under the band.
    if (content && content->isBandActive()) {
        event->accept();
        return;
    }
    handleWheel(event);
}
