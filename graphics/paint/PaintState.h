#pragma once

#include <cstdint>

class Brush;
class FontDesc;
class Painter;
class Pen;
class Region;
class Transform;

// What a PaintDevice reads of the Painter that paints through it: the mask of
// the state part being announced, and the state itself. Before the Painter
// has announced anything every accessor gives a shared default instead: the
// application font, no clip, default brushes, an invisible pen (white with
// alpha 0) and the identity transform.
class PaintState
{
public:
    static constexpr uint32_t kBackgroundBrushChanged = 1;
    static constexpr uint32_t kBrushChanged = 2;
    // The pen, and with it the text colour.
    static constexpr uint32_t kPenChanged = 4;
    static constexpr uint32_t kFontChanged = 8;
    static constexpr uint32_t kClipChanged = 16;
    static constexpr uint32_t kTransformChanged = 32;

    // The part being announced; 0 outside an announcement.
    uint32_t changes() const;
    const FontDesc& font() const;
    const Region& clip() const;
    const Brush& brush() const;
    const Brush& backgroundBrush() const;
    const Pen& pen() const;
    const Transform& transform() const;
    bool testRenderHint(uint32_t hint) const;

protected:
    PaintState() = default;
    ~PaintState() = default;
    PaintState(const PaintState&) = delete;
    PaintState& operator=(const PaintState&) = delete;

    uint32_t m_changes = 0;
    // Set by the Painter before each announcement.
    const Painter* m_stateOwner = nullptr;
};
