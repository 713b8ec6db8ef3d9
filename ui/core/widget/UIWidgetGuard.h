#pragma once

class UIWidget;

// Watches a widget across calls that may delete it (a handler or a slot
// that closes its own window): the widget's destructor clears every guard
// that watches it. Guards live on the stack and nest.
class UIWidgetGuard
{
public:
    explicit UIWidgetGuard(UIWidget* widget);
    ~UIWidgetGuard();
    UIWidgetGuard(const UIWidgetGuard&) = delete;
    UIWidgetGuard& operator=(const UIWidgetGuard&) = delete;

    bool isAlive() const { return m_widget != nullptr; }
    UIWidget* widget() const { return m_widget; }

private:
    friend class UIWidget;

    UIWidget* m_widget;
    UIWidgetGuard* m_next;
};
