#pragma once

#include "ui/widgets/text/UITextSnapshot.h"

#include <vector>

// The undo history of a text document: up to five snapshots and a current
// one. The owner pushes a snapshot after every change of the text.
class UITextUndoStack
{
public:
    static constexpr int kLimit = 5;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    int count() const { return static_cast<int>(m_snapshots.size()); }
    int pushCount() const { return m_pushes; }
    // -1 when empty.
    int currentIndex() const { return m_current; }
    const UITextSnapshot& at(int i) const { return m_snapshots[i]; }

    // Drops a snapshot whose text equals the current one; otherwise drops the
    // redo part, appends, keeps the newest five and makes it current.
    void push(const UITextSnapshot& snapshot);
    void clear();

    bool canUndo() const;
    bool canRedo() const;
    // The snapshot made current, or null when there is none to move to.
    const UITextSnapshot* undo();
    const UITextSnapshot* redo();

private:
    bool m_enabled = true;
    int m_pushes = 0;
    int m_current = -1;
    std::vector<UITextSnapshot> m_snapshots;
};
