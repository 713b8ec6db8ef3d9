#include "ui/widgets/items/UIRepaintBatch.h"

#include "ui/core/widget/UIWidget.h"

UIRepaintBatch::UIRepaintBatch(UIWidget* widget) : m_guard(widget), m_held(widget && widget->updatesEnabled())
{
    if (m_held)
        widget->setUpdatesEnabled(false);
}

UIRepaintBatch::~UIRepaintBatch()
{
    if (m_held && m_guard.isAlive())
        m_guard.widget()->setUpdatesEnabled(true);
}
