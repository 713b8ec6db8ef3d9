#pragma once

#include "foundation/geometry/Rect.h"

#include <cstdint>

class PaintTarget;

// An overlay a widget keeps in its list of effects (the window's dimming is
// one, with id 0). The widget owns its effects and deletes them.
class UIPaintEffect
{
public:
    explicit UIPaintEffect(int id) : m_id(id) {}
    virtual ~UIPaintEffect() = default;
    UIPaintEffect(const UIPaintEffect&) = delete;
    UIPaintEffect& operator=(const UIPaintEffect&) = delete;

    int id() const { return m_id; }
    bool isEnabled() const { return m_enabled != 0; }
    void setEnabled(bool on) { m_enabled = on ? 1 : 0; }
    void enable() { setEnabled(true); }
    void disable() { setEnabled(false); }
    // Draws the overlay over rect of target, a window's composed frame, just
    // before that part of the frame goes to the screen.
    virtual void apply(PaintTarget* target, const Rect& rect) = 0;

private:
    int32_t m_id;
    uint8_t m_enabled = 1;
};
