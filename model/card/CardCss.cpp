#include "model/card/CardCss.h"

#include "model/card/CardEscape.h"
#include "model/config/ViewSettings.h"

#include <cmath>

namespace {

int clampedSize(double size)
{
    if (!(size >= CardCss::kMinFontSize))
        return CardCss::kMinFontSize;
    return size >= CardCss::kMaxFontSize ? CardCss::kMaxFontSize : int(std::trunc(size));
}

Color chosen(const Color& own, const Color& fallback)
{
    return own.alpha() != 0 ? own : fallback;
}

} // namespace

// The one place that reads the view's card settings.
CardStyle CardCss::resolvedStyle(const CardStyle& movie, const ViewSettings& view)
{
    CardStyle look = movie;
    look.backgroundColor = chosen(movie.backgroundColor, view.movieCardBackgroundColor);
    look.textColor = chosen(movie.textColor, view.movieCardTextColor);
    look.titleColor = chosen(movie.titleColor, view.movieCardTitleColor);
    look.linkColor = chosen(movie.linkColor, view.movieCardLinkColor);
    if (look.fontFamily.isEmpty())
        look.fontFamily = view.movieCardFontFamily;
    if (look.fontSize == 0)
        look.fontSize = view.movieCardFontSize;
    return look;
}

String CardCss::color(const Color& color)
{
    return String(u"color:rgb(").append(color.toDecimalText()).append(String(u");"));
}

String CardCss::backgroundColor(const Color& color)
{
    return String(u"background-").append(CardCss::color(color));
}

String CardCss::backgroundImage(const String& path)
{
    if (path.isEmpty())
        return String();
    return String(u"background-image: url('").append(CardEscape::fileUrl(path)).append(String(u"');"));
}

String CardCss::fontFamily(const String& families)
{
    String list = CardEscape::fontFamilyList(families);
    if (list.isEmpty())
        return String();
    return String(u"font-family:").append(list).appendChar(u';');
}

String CardCss::fontSize(int baseSize, double factor)
{
    int base = clampedSize(baseSize);
    int size = factor == kTextFactor ? base : clampedSize(base * factor);
    int lineHeight = int(std::trunc(size * kLineHeightFactor));
    return String(u"font-size:")
        .append(String::fromInt(size))
        .append(String(u"px;line-height:"))
        .append(String::fromInt(lineHeight))
        .append(String(u"px;"));
}
