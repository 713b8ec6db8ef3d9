#pragma once

#include "foundation/text/String.h"
#include "graphics/color/Color.h"
#include "model/records/CardStyle.h"

class ViewSettings;

// The CSS fragments of the card's look. Each is a complete declaration ending
// in ';' (or empty) made only of numbers, quoted names and escaped addresses,
// so that no setting can close the rule it stands in.
class CardCss
{
public:
    // Title sizes relative to the text size, and the line height relative to
    // a size: the single-precision constants read as doubles, as the card has
    // always used them (so 10 px text has a 13 px line, not 14).
    static constexpr double kTextFactor = 1.0;
    static constexpr double kSmallTitleFactor = 1.100000023841858;
    static constexpr double kMediumTitleFactor = 1.399999976158142;
    static constexpr double kBigTitleFactor = 1.600000023841858;
    static constexpr double kLineHeightFactor = 1.399999976158142;
    // Pixels: a size out of this range would make the card unreadable.
    static constexpr int kMinFontSize = 1;
    static constexpr int kMaxFontSize = 400;

    // The movie's style with the view's card colours (for alpha 0), family
    // (for empty) and size (for 0) filled in.
    static CardStyle resolvedStyle(const CardStyle& movie, const ViewSettings& view);

    // "color:rgb(r,g,b);"
    static String color(const Color& color);
    // "background-color:rgb(r,g,b);"
    static String backgroundColor(const Color& color);
    // "background-image: url('file:///...');", empty for no path.
    static String backgroundImage(const String& path);
    // "font-family:'A','B';", empty when no family name is left.
    static String fontFamily(const String& families);
    // "font-size:Spx;line-height:Lpx;" with the base size held to 1-400, S the
    // base times the factor (truncated, held to 1-400) and L = trunc(S x kLineHeightFactor).
    static String fontSize(int baseSize, double factor);
};
