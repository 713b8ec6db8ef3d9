#pragma once

#include "foundation/text/String.h"
#include "graphics/image/ImageSet.h"
#include "graphics/paint/Brush.h"
#include "ui/core/widget/UIItem.h"

// One entry of a combo box. Its display text is what the field and the popup
// show, and what sorting and the text searches use; the base item's text,
// user data and tag serve the combo box's other look-ups.
class UIComboBoxItem : public UIItem
{
public:
    UIComboBoxItem() = default;
    explicit UIComboBoxItem(const String& text) : m_text(text) {}

    void setText(const String& text) { m_text = text; }
    const String& text() const { return m_text; }
    void setIcon(const ImageSet& icon) { m_icon = icon; }
    const ImageSet& icon() const { return m_icon; }
    void setSeparator(bool on) { m_separator = on; }
    bool isSeparator() const { return m_separator; }
    void setToolTip(const String& text) { m_toolTip = text; }
    const String& toolTip() const { return m_toolTip; }
    void setBackground(const Brush& brush) { m_background = brush; }
    const Brush& background() const { return m_background; }

private:
    String m_text;
    ImageSet m_icon;
    bool m_separator = false;
    String m_toolTip;
    Brush m_background;
};
