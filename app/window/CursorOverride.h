#pragma once

// Shows a cursor shape for the whole application while the object lives,
// so that every way out of a blocking step gives the cursor back.
class CursorOverride
{
public:
    static constexpr int kArrow = 1;
    static constexpr int kWait = 3;

    explicit CursorOverride(int shape);
    ~CursorOverride();
    CursorOverride(const CursorOverride&) = delete;
    CursorOverride& operator=(const CursorOverride&) = delete;
};
