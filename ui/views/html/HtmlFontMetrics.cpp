#include "ui/views/html/HtmlFontMetrics.h"

int HtmlFontMetrics::advance(const char16_t* text, int length) const
{
    if (!text || length < 1)
        return 0;
    int width = 0;
    for (int i = 0; i < length; ++i) {
        if (text[i] >= 0xD800 && text[i] <= 0xDFFF)
            return textWidth(text, length, false);
        width += unitWidth(text[i]);
    }
    return width;
}

int HtmlFontMetrics::unitWidth(char16_t unit) const
{
    std::unique_ptr<Block>& block = m_blocks[unit / kBlockSize];
    if (!block) {
        block = std::make_unique<Block>();
        block->fill(-1);
    }
    int32_t& width = (*block)[unit % kBlockSize];
    if (width < 0)
        width = textWidth(&unit, 1, false);
    return width;
}
