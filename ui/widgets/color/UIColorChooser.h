#pragma once

#include "foundation/geometry/Rect.h"
#include "graphics/color/Color.h"

#include <cstdint>

class UIWidget;

// The system's colour chooser, run modally for one exec. With a parent the
// dialog is owned by the parent's window and centred over it.
class UIColorChooser
{
public:
    explicit UIColorChooser(UIWidget* parent);
    virtual ~UIColorChooser();

    UIWidget* parent() const { return m_parent; }
    void setFullOpen(bool on) { m_fullOpen = on; }
    bool fullOpen() const { return m_fullOpen; }
    // The colour the dialog starts with.
    void setColor(const Color& color) { m_color = color; }
    const Color& color() const { return m_color; }
    const Color& selectedColor() const { return m_selectedColor; }
    // True when the user accepted; the choice is then in selectedColor.
    bool exec();

    // What the system's dialog is given and hands back.
    uint32_t systemFlags() const;
    // Red in the low byte, then green, then blue.
    static uint32_t toSystemColor(const Color& color);
    // Takes the dialog's answer: opaque black and false when cancelled.
    bool acceptResult(bool accepted, uint32_t systemColor);
    // Where a dialog of that window rectangle goes: centred over the frame.
    static Rect centredOver(const Rect& dialog, const Rect& frame);

private:
    // The system's dialog; false when cancelled.
    bool runDialog(uint32_t* systemColor);

    bool m_fullOpen = true;
    UIWidget* m_parent;
    Color m_color = Color(255, 0, 0, 0);
    Color m_selectedColor = Color(255, 0, 0, 0);
};
