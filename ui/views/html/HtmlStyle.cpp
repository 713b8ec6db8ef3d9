#include "ui/views/html/HtmlStyle.h"

#include "ui/views/html/HtmlFontMetrics.h"

int HtmlLength::resolve(int containingWidth, int fallback) const
{
    switch (unit) {
    case kPx:
        return clampPixels(static_cast<int64_t>(value));
    case kPercent:
        return clampPixels(static_cast<int64_t>(static_cast<double>(containingWidth) * value / 100.0));
    case kAuto:
        break;
    }
    return fallback;
}

HtmlStyle HtmlStyle::inherited() const
{
    HtmlStyle child;
    child.color = color;
    child.fontFamily = fontFamily;
    child.fontSize = fontSize;
    child.bold = bold;
    child.italic = italic;
    child.underline = underline;
    child.lineThrough = lineThrough;
    child.textAlign = textAlign;
    child.lineHeight = lineHeight;
    child.whiteSpace = whiteSpace;
    child.listStyle = listStyle;
    child.borderCollapse = borderCollapse;
    child.borderSpacing = borderSpacing;
    child.pointerCursor = pointerCursor;
    return child;
}

bool HtmlStyle::isBlockLevel() const
{
    return display != kInline && display != kNone && display != kInlineBlock;
}

bool HtmlStyle::hasBox() const
{
    if (backgroundColor.isVisible() || !backgroundImage.isEmpty())
        return true;
    for (int side = 0; side < 4; ++side) {
        if (borderWidth[side] > 0)
            return true;
    }
    return false;
}

int HtmlStyle::horizontalSpace() const
{
    return padding[kLeft] + padding[kRight] + borderWidth[kLeft] + borderWidth[kRight];
}

int HtmlStyle::lineBoxHeight() const
{
    if (lineHeight >= 0)
        return lineHeight;
    return metrics ? metrics->height() + metrics->leading() : fontSize;
}

int HtmlStyle::ascent() const
{
    return metrics ? metrics->ascent() : fontSize;
}

int HtmlStyle::descent() const
{
    return metrics ? metrics->descent() : 0;
}

int HtmlStyle::textWidth(const char16_t* text, int length) const
{
    return clampPixels(metrics ? metrics->advance(text, length)
                               : static_cast<int64_t>(length) * fontSize / 2);
}
