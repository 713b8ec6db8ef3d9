#include "ui/widgets/text/UITextStyle.h"

UITextStyle UITextStyle::defaults()
{
    const Brush none(Color(0x00FFFFFFu), 0);
    const Pen grey(Color(128, 128, 128));
    UITextStyle style;
    style.normal = {Pen(Color(0, 0, 0)), none};
    style.selected = {Pen(Color(255, 255, 255)), Brush(Color(0, 0, 0), 0)};
    style.disabled = {grey, none};
    style.readOnly = {grey, none};
    return style;
}
