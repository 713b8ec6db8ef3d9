#include "ui/widgets/text/UITextFormats.h"

#include <algorithm>

void UITextFormats::setDefaults(const Pen& pen, const Brush& brush)
{
    m_defaultPen = pen;
    m_defaultBrush = brush;
}

std::vector<UITextCharFormat>::iterator UITextFormats::lowerBound(int index)
{
    return std::lower_bound(m_formats.begin(), m_formats.end(), index,
                            [](const UITextCharFormat& format, int value) { return format.index < value; });
}

const UITextCharFormat* UITextFormats::find(int index) const
{
    auto it =
        std::lower_bound(m_formats.begin(), m_formats.end(), index,
                         [](const UITextCharFormat& format, int value) { return format.index < value; });
    return it != m_formats.end() && it->index == index ? &*it : nullptr;
}

uint32_t UITextFormats::styleAt(int index) const
{
    if (m_formats.empty())
        return m_defaultStyle;
    const UITextCharFormat* format = find(index);
    return format ? format->styleFlags : m_defaultStyle;
}

void UITextFormats::set(const UITextCharFormat& format)
{
    auto it = lowerBound(format.index);
    if (it != m_formats.end() && it->index == format.index)
        *it = format;
    else
        m_formats.insert(it, format);
}

void UITextFormats::removeRange(int index, int count)
{
    if (count < 1 || m_formats.empty())
        return;
    auto first = lowerBound(index);
    auto last = lowerBound(index + count);
    auto rest = m_formats.erase(first, last);
    for (; rest != m_formats.end(); ++rest)
        rest->index -= count;
}

void UITextFormats::insertRange(int index, int count, const UITextCharFormat* model)
{
    if (count < 1)
        return;
    const UITextCharFormat copy = model ? *model : UITextCharFormat();
    auto at = lowerBound(index);
    for (auto it = at; it != m_formats.end(); ++it)
        it->index += count;
    if (!model)
        return;
    std::vector<UITextCharFormat> added(count, copy);
    for (int i = 0; i < count; ++i)
        added[i].index = index + i;
    m_formats.insert(lowerBound(index), added.begin(), added.end());
}
