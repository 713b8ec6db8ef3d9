#pragma once

#include "foundation/text/String.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/text/UITextStyle.h"

#include <vector>

// What the line edit and the text edit both take from their style models:
// the font, the five colour sets their documents paint with, and the font
// and pen of the placeholder.
struct UIEditStyle
{
    FontDesc font;
    UITextStyle colors = blankColors();
    FontDesc blankFont;
    Pen blankPen;

    // Every colour the default (invisible) pen and brush, until the skin
    // gives one.
    static UITextStyle blankColors();
    // The colours the document gets: these, with a transparent normal
    // background, since the widget paints its own.
    UITextStyle documentColors() const;
};

// The shared table: true when name is one of its properties.
bool applyEditStyleField(UIEditStyle& style, const String& name, const String& value);
std::vector<String> editStyleFieldNames();
