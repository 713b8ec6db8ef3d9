#include "ui/core/platform/UIInputMethod.h"

#include "ui/core/application/UIApplication.h"
#include "ui/core/platform/UIInputMethodBackend.h"
#include "ui/core/widget/UIWidget.h"

namespace {

bool takesText(const UIWidget* widget)
{
    return widget->testFlag(UIInputMethod::kTakesTextFlag) && widget->isEnabled();
}

} // namespace

UIInputMethod* UIInputMethod::instance()
{
    static UIInputMethod inputMethod;
    return &inputMethod;
}

UIWidget* UIInputMethod::widget() const
{
    if (!m_widget || !UIApplication::instance()->contains(m_widget) || m_widget->id() != m_widgetId)
        return nullptr;
    return m_widget;
}

bool UIInputMethod::begin(UIWidget* widget, void* window)
{
    if (!widget || !widget->testFlag(kTakesTextFlag))
        return false;
    if (!window || !UIInputMethodBackend::instance()->isWindow(window))
        return false;
    m_widget = widget;
    m_widgetId = widget->id();
    m_window = window;
    widget->setFlag(kComposingFlag, true);
    return true;
}

void UIInputMethod::forget()
{
    m_widget = nullptr;
    m_widgetId = 0;
    m_window = nullptr;
}

void UIInputMethod::end(bool commit)
{
    UIWidget* composing = widget();
    void* window = m_window;
    forget();
    if (!composing)
        return;
    UIInputMethodBackend::instance()->endComposition(window, commit);
    composing->setFlag(kComposingFlag, false);
}

void UIInputMethod::focusChanged(UIWidget* widget, bool gained)
{
    if (!widget)
        return;
    bool text = takesText(widget);
    if (!gained && !text)
        return;
    void* window = widget->windowHandle();
    if (!window)
        return;
    UIInputMethodBackend* backend = UIInputMethodBackend::instance();
    if (gained && text) {
        if (m_savedContext)
            backend->associateContext(window, m_savedContext);
        return;
    }
    void* previous = backend->associateContext(window, nullptr);
    if (!m_savedContext)
        m_savedContext = previous;
}

void UIInputMethod::updateCompositionWindow()
{
    UIWidget* composing = widget();
    if (!composing)
        return;
    Point global = composing->mapToGlobal(composing->inputCursorRect().topLeft());
    Point local(0, 0);
    if (UIWidget* window = UIApplication::instance()->windowForHandle(m_window))
        local = window->mapFromGlobal(global);
    UIInputMethodBackend::instance()->placeComposition(m_window, local, composing->font());
}
