#pragma once

#include "foundation/geometry/Size.h"
#include "foundation/system/UIEvent.h"
#include "ui/core/events/UIEventType.h"

class UIResizeEvent : public UIEvent
{
public:
    UIResizeEvent(const Size& size, const Size& oldSize) : UIEvent(kResizeEvent), m_size(size), m_oldSize(oldSize)
    {
    }

    const Size& size() const { return m_size; }
    const Size& oldSize() const { return m_oldSize; }

private:
    Size m_size;
    Size m_oldSize;
};
