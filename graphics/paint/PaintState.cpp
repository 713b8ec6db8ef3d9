#include "graphics/paint/PaintState.h"

#include "graphics/paint/Painter.h"

namespace {

struct DefaultState
{
    FontDesc font;
    Region clip;
    Brush brush;
    Pen pen;
    Transform transform;
};

const DefaultState& defaults()
{
    static const DefaultState state;
    return state;
}

} // namespace

uint32_t PaintState::changes() const
{
    return m_stateOwner ? m_changes : 0;
}

const FontDesc& PaintState::font() const
{
    return m_stateOwner ? m_stateOwner->font() : defaults().font;
}

const Region& PaintState::clip() const
{
    return m_stateOwner ? m_stateOwner->clip() : defaults().clip;
}

const Brush& PaintState::brush() const
{
    return m_stateOwner ? m_stateOwner->brush() : defaults().brush;
}

const Brush& PaintState::backgroundBrush() const
{
    return m_stateOwner ? m_stateOwner->backgroundBrush() : defaults().brush;
}

const Pen& PaintState::pen() const
{
    return m_stateOwner ? m_stateOwner->pen() : defaults().pen;
}

const Transform& PaintState::transform() const
{
    return m_stateOwner ? m_stateOwner->transform() : defaults().transform;
}

bool PaintState::testRenderHint(uint32_t hint) const
{
    return m_stateOwner ? m_stateOwner->testRenderHint(hint) : (Painter::kAlphaBlendHint & hint) != 0;
}
