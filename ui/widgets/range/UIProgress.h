#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;

// The skinned progress bar: a background, a chunk as long as the value's
// share of the range, a border over the chunk and an optional text in which
// "^" stands for the value. A vertical bar fills from the bottom.
class UIProgress : public UIWidget
{
public:
    enum Skin
    {
        kHorizontalBackground,
        kHorizontalChunk,
        kHorizontalBorder,
        kVerticalBackground,
        kVerticalChunk,
        kVerticalBorder,
        kSkinCount
    };

    explicit UIProgress(UIWidget* parent);

    static UIStyleNames styleNames();

    // Orders the bounds; the value is left as it is and nothing repaints.
    void setRange(int a, int b);
    void setMaximum(int maximum);
    void setValue(int value);
    void setToMinimum();
    void setToMaximum();
    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    void setOrientation(int orientation);
    int orientation() const { return m_orientation; }
    bool isVertical() const { return m_orientation != 0; }
    void setTextVisible(bool on) { m_textVisible = on; }
    bool isTextVisible() const { return m_textVisible; }
    void setTextFormat(const String& format) { m_textFormat = format; }
    const String& textFormat() const { return m_textFormat; }
    void setTextAlignment(int alignment) { m_textAlignment = alignment; }
    int textAlignment() const { return m_textAlignment; }
    // Kept for their callers; nothing reads them.
    void setTextDirection(int direction) { m_textDirection = direction; }
    int textDirection() const { return m_textDirection; }
    void setSpare(uint32_t word) { m_spare = word; }
    uint32_t spare() const { return m_spare; }

    // The value's share of the range within 0..1; 0 for an empty range.
    double fraction() const;
    // Where the chunk goes; the empty Rect when the range is empty or the
    // chunk would be thinner than 4 pixels along the bar.
    Rect chunkRect() const;
    // The format with every "^" replaced by the value.
    String text() const;

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    // The widget's own look over its rectangle.
    void draw(Painter& painter) const;

    struct Style
    {
        FontDesc font;
        Pen textPen;
        UIMargins padding;
        int thickness = 0;
    };

protected:
    void paint(UIEvent* event) override;

private:
    Style m_style;
    UISkinImage m_skins[kSkinCount];
    int m_value = 0;
    int m_maximum = 0;
    int m_minimum = 0;
    int m_orientation = 0;
    bool m_textVisible = false;
    String m_textFormat;
    int m_textAlignment = 48;
    int m_textDirection = 3;
    uint32_t m_spare = 0;
};
