#include "ui/widgets/edit/UIEditCaret.h"

#include "graphics/paint/Painter.h"
#include "ui/core/platform/SystemServices.h"
#include "ui/core/platform/UIInputMethod.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/text/UITextDocument.h"

Rect UIEditCaret::visibleRect(const UIWidget& widget, const UITextDocument& document)
{
    const Rect inner(1, 1, widget.width() - 2, widget.height() - 2);
    return document.caretRect().intersected(inner);
}

bool UIEditCaret::mayShow(const UIWidget& widget, bool editable)
{
    return widget.isVisible() && editable && widget.isEnabled() && widget.hasFocus() && !widget.isKeyDown() &&
           !widget.testFlag(UIInputMethod::kComposingFlag);
}

void UIEditCaret::start(UIWidget& widget)
{
    const int interval = SystemServices::caretBlinkTime();
    widget.startTimer(kTimerId, interval > 0 ? uint32_t(interval) : 530u);
}

void UIEditCaret::stop(UIWidget& widget)
{
    widget.killTimer(kTimerId);
}

void UIEditCaret::blink(UIWidget& widget, const UITextDocument& document, bool mayShow)
{
    if (!mayShow && !m_shown)
        return;
    const Rect caret = visibleRect(widget, document);
    if (!caret.isEmpty()) {
        const Point at = widget.mapToWindow(Point(caret.x, caret.y));
        widget.paintRectNow(Rect(at.x, at.y, caret.width, caret.height), true);
    }
    m_shown = mayShow ? !m_shown : false;
}

void UIEditCaret::paint(Painter& painter, const UIWidget& widget, const UITextDocument& document, bool show)
{
    m_shown = false;
    if (!show)
        return;
    const Rect caret = visibleRect(widget, document);
    if (caret.isEmpty())
        return;
    painter.invertRect(caret, true);
    m_shown = true;
}
