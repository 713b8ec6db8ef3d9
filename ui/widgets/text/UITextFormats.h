#pragma once

#include "ui/widgets/text/UITextCharFormat.h"

#include <cstdint>
#include <vector>

// Per-character colour and style overrides of a text document, at most one a
// character, kept sorted by character index.
class UITextFormats
{
public:
    const Pen& defaultPen() const { return m_defaultPen; }
    const Brush& defaultBrush() const { return m_defaultBrush; }
    uint32_t defaultStyle() const { return m_defaultStyle; }
    void setDefaults(const Pen& pen, const Brush& brush);
    void setDefaultStyle(uint32_t styleFlags) { m_defaultStyle = styleFlags; }

    bool isEmpty() const { return m_formats.empty(); }
    int count() const { return static_cast<int>(m_formats.size()); }
    const UITextCharFormat& at(int i) const { return m_formats[i]; }
    // The format of the character at index, or null.
    const UITextCharFormat* find(int index) const;
    // The style flags the character at index is measured and drawn with.
    uint32_t styleAt(int index) const;
    // Adds the format, replacing one at the same index.
    void set(const UITextCharFormat& format);
    void clear() { m_formats.clear(); }

    // Drops the formats of index .. index + count - 1 and moves later ones
    // down by count.
    void removeRange(int index, int count);
    // Moves formats at index and later up by count; with a model, the count
    // new characters from index get a copy of it.
    void insertRange(int index, int count, const UITextCharFormat* model);

private:
    std::vector<UITextCharFormat>::iterator lowerBound(int index);

    Pen m_defaultPen;
    Brush m_defaultBrush;
    uint32_t m_defaultStyle = 0;
    std::vector<UITextCharFormat> m_formats;
};
