#include "ui/core/widget/UIWidget.h"

#include "foundation/core/AppCore.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/widget/UIWidgetPrivate.h"

void UIWidget::setWindowTitle(const String& text, bool appendApplicationName)
{
    String title = text;
    if (appendApplicationName) {
        if (!title.isEmpty())
            title += UIApplication::instance()->titleSeparator();
        if (AppCore* core = AppCore::instance())
            title += core->productName();
    }
    d->title = title;
    if (d->native)
        d->native->setTitle(title);
}

void UIWidget::setWindowTitleParts(const StringList& parts, bool appendApplicationName)
{
    setWindowTitle(String::join(parts, UIApplication::instance()->titleSeparator(), 0),
                   appendApplicationName);
}

String UIWidget::windowTitle() const
{
    return d->native ? d->native->title() : String();
}

void UIWidget::setTitleSuffix(const String& text)
{
    if (!d->native)
        return;
    d->native->setTitleSuffix(text);
    d->native->setTitle(d->title);
}

void UIWidget::setWindowFlag(uint32_t flag, bool on)
{
    if (d->native)
        d->native->setWindowFlag(flag, on);
}

void UIWidget::setWindowFlags(uint32_t flags)
{
    if (d->native)
        d->native->setWindowFlags(flags);
}

bool UIWidget::testWindowFlag(uint32_t bits) const
{
    return d->native && (d->native->windowFlags() & bits) != 0;
}

void UIWidget::setStaysOnTop(bool on)
{
    setWindowFlag(UINativeWindow::kTopmost, on);
}

bool UIWidget::staysOnTop() const
{
    return testWindowFlag(UINativeWindow::kTopmost);
}

void UIWidget::setWindowState(uint32_t states)
{
    if (!d->native || d->native->windowState() == states)
        return;
    if (states & UINativeWindow::kMinimizedState)
        states &= ~(UINativeWindow::kMaximizedState | UINativeWindow::kKeepShowState);
    else if (states & UINativeWindow::kMaximizedState)
        states &= ~(UINativeWindow::kMinimizedState | UINativeWindow::kKeepShowState);
    else if (states & UINativeWindow::kKeepShowState)
        states &= ~(UINativeWindow::kMinimizedState | UINativeWindow::kMaximizedState);
    d->native->setWindowState(states);
}

uint32_t UIWidget::windowState() const
{
    return d->native ? d->native->windowState() : 0;
}

bool UIWidget::isMinimized() const
{
    return windowState() & UINativeWindow::kMinimizedState;
}

bool UIWidget::isMaximized() const
{
    return windowState() & UINativeWindow::kMaximizedState;
}

bool UIWidget::isStateFour() const
{
    return windowState() & UINativeWindow::kKeepShowState;
}

bool UIWidget::isNormalState() const
{
    const uint32_t exclusive =
        UINativeWindow::kMinimizedState | UINativeWindow::kMaximizedState | UINativeWindow::kKeepShowState;
    return (windowState() & exclusive) == 0;
}

void UIWidget::setOpacity(float opacity)
{
    if (d->native)
        d->native->setOpacity(opacity);
}

float UIWidget::opacity() const
{
    return d->native ? d->native->opacity() : 1.0f;
}

void UIWidget::setModal(bool modal)
{
    if (d->native)
        d->native->setAuxFlag(modal);
}

bool UIWidget::isModal() const
{
    return d->native && d->native->auxFlag();
}

void UIWidget::flash(int count)
{
    if (!d->parent && d->native && count > 0)
        d->native->flash(count);
}

void UIWidget::showMinimized()
{
    d->showMinimized = true;
    UIWidget::setVisible(true);
    d->showMinimized = false;
}

void UIWidget::showMaximized()
{
    d->showMaximized = true;
    UIWidget::setVisible(true);
    d->showMaximized = false;
}

void UIWidget::setPlacement(uint32_t alignment)
{
    d->placement = alignment;
    move(0, 0);
}

uint32_t UIWidget::placement() const
{
    return d->placement;
}

void UIWidget::updateLayered(const Image& image)
{
    if (d->native)
        d->native->updateLayered(image);
}

Image UIWidget::layeredImage() const
{
    return d->native ? d->native->layeredImage() : Image();
}
