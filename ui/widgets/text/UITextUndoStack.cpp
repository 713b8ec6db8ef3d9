#include "ui/widgets/text/UITextUndoStack.h"

void UITextUndoStack::push(const UITextSnapshot& snapshot)
{
    if (!m_enabled)
        return;
    // Texts are compared whole: two different texts with one hash must not
    // cost the user a step of the history.
    if (m_current >= 0 && String::equals(m_snapshots[m_current].text, snapshot.text))
        return;
    m_snapshots.resize(m_current + 1);
    m_snapshots.push_back(snapshot);
    if (count() > kLimit)
        m_snapshots.erase(m_snapshots.begin());
    m_current = count() - 1;
    ++m_pushes;
}

void UITextUndoStack::clear()
{
    m_snapshots.clear();
    m_current = -1;
}

bool UITextUndoStack::canUndo() const
{
    return m_enabled && m_current > 0;
}

bool UITextUndoStack::canRedo() const
{
    return m_enabled && m_current >= 0 && m_current + 1 < count();
}

const UITextSnapshot* UITextUndoStack::undo()
{
    if (!canUndo())
        return nullptr;
    return &m_snapshots[--m_current];
}

const UITextSnapshot* UITextUndoStack::redo()
{
    if (!canRedo())
        return nullptr;
    return &m_snapshots[++m_current];
}
