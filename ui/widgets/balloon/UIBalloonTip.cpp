#include "ui/widgets/balloon/UIBalloonTip.h"

#include "foundation/containers/StringList.h"
#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/UIWorkArea.h"

#include <algorithm>

namespace {

const char16_t* const kSkinNames[] = {u"UIBalloonTip_Background",  u"UIBalloonTip_BackgroundBorder",
                                      u"UIBalloonTip_CloseButton", u"UIBalloonTip_ArrowLeft",
                                      u"UIBalloonTip_ArrowTop",    u"UIBalloonTip_ArrowRight",
                                      u"UIBalloonTip_ArrowBottom"};

using Style = UIBalloonTip::Style;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"shadowForeground", [](Style& s, const String& v) { s.shadowForeground = parseStylePen(v); }},
    {u"shadowOffset", [](Style& s, const String& v) { s.shadowOffset = parseStylePoint(v); }},
    {u"titleFont", [](Style& s, const String& v) { s.titleFont = parseStyleFont(v); }},
    {u"titleForeground", [](Style& s, const String& v) { s.titleForeground = parseStylePen(v); }},
    {u"titleShadowForeground", [](Style& s, const String& v) { s.titleShadowForeground = parseStylePen(v); }},
    {u"titleShadowOffset", [](Style& s, const String& v) { s.titleShadowOffset = parseStylePoint(v); }},
    {u"background", [](Style& s, const String& v) { s.background = parseStyleBrush(v); }},
    {u"horizontalSpacing", [](Style& s, const String& v) { s.horizontalSpacing = parseStyleInt(v); }},
    {u"verticalSpacing", [](Style& s, const String& v) { s.verticalSpacing = parseStyleInt(v); }},
    {u"padding", [](Style& s, const String& v) { s.padding = parseStyleMargins(v); }},
    {u"desktopPadding", [](Style& s, const String& v) { s.desktopPadding = parseStyleMargins(v); }},
    {u"cornerDiametr", [](Style& s, const String& v) { s.cornerDiametr = parseStyleInt(v); }},
    {u"arrowLength", [](Style& s, const String& v) { s.arrowLength = parseStyleInt(v); }},
    {u"arrowThickness", [](Style& s, const String& v) { s.arrowThickness = parseStyleInt(v); }},
    {u"arrowBorderSpacing", [](Style& s, const String& v) { s.arrowBorderSpacing = parseStyleInt(v); }},
};

constexpr uint32_t kWindowFlags =
    UINativeWindow::kFrameless | UINativeWindow::kTopmost | UINativeWindow::kDropShadow;
constexpr uint32_t kTopLeft = Rect::kAlignLeft | Rect::kAlignTop;
constexpr int kLastThemeIconKind = 12;
constexpr char16_t kLineFeed = u'\n';

UIBalloonTip*& current()
{
    static UIBalloonTip* balloon = nullptr;
    return balloon;
}

bool isBreak(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

int64_t rightOf(const Rect& r)
{
    return int64_t(r.x) + r.width;
}

int64_t bottomOf(const Rect& r)
{
    return int64_t(r.y) + r.height;
}

StringList linesOf(const String& text)
{
    StringList lines;
    int start = 0;
    for (int i = 0; i <= text.length(); ++i) {
        if (i == text.length() || text.at(i) == kLineFeed) {
            lines.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    return lines;
}

void drawShadowed(Painter& painter, const String& text, const Rect& rect, const Pen& pen, const Pen& shadow,
                  const Point& offset)
{
    painter.setPen(shadow);
    painter.drawText(text, Rect(rect.x + offset.x, rect.y + offset.y, rect.width, rect.height), kTopLeft, 0,
                     true, nullptr);
    painter.setPen(pen);
    painter.drawText(text, rect, kTopLeft, 0, true, nullptr);
}

} // namespace

UIBalloonTip::UIBalloonTip(UIWidget* parent) : UIWidget(parent, kWindowFlags)
{
    setFlag(kWindow | kHoverTracking, true);
    setFlag(kTransparent, false);
    setFocusPolicy(kClickFocus);
    setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kFixed);
    setStyleName(String(u"UIBalloonTip"));
}

UIBalloonTip::~UIBalloonTip()
{
    killTimer(kShowTimerId);
    killTimer(kDisplayTimerId);
    killTimer(kCloseCheckTimerId);
    if (current() == this)
        current() = nullptr;
}

UIStyleNames UIBalloonTip::styleNames()
{
    return UIStyleNames{String(u"UIBalloonTip"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

void UIBalloonTip::showBalloon(UIWidget* widget, const Point& anchor, const String& title, const String& text,
                               int iconKind, const Image& icon, int arrowSide, int showDelay, int displayTime,
                               int soundKind, int highlightKind)
{
    hideBalloon();
    auto* balloon = new UIBalloonTip(widget);
    current() = balloon;
    balloon->setTitle(title);
    balloon->setText(text);
    balloon->setIcon(icon);
    balloon->setIconKind(iconKind);
    balloon->m_soundKind = soundKind;
    balloon->m_arrowSide = arrowSide;
    balloon->setHighlight(highlightKind);
    if (showDelay > 0)
        balloon->m_showDelay = showDelay;
    if (displayTime > 0)
        balloon->m_displayTime = displayTime;
    balloon->showAt(anchor);
}

void UIBalloonTip::hideBalloon()
{
    UIBalloonTip* balloon = current();
    if (!balloon)
        return;
    balloon->setVisible(false);
    current() = nullptr;
    delete balloon;
}

void UIBalloonTip::hideFor(const UIWidget* widget)
{
    if (isShowing() && owner() == widget)
        hideBalloon();
}

bool UIBalloonTip::isShowing()
{
    const UIBalloonTip* balloon = current();
    return balloon && (balloon->isVisible() || balloon->isPending());
}

UIWidget* UIBalloonTip::owner()
{
    return current() ? current()->parentWidget() : nullptr;
}

bool UIBalloonTip::isInstance(const UIWidget* widget)
{
    return widget && widget == current();
}

UIBalloonTip* UIBalloonTip::instance()
{
    return current();
}

String UIBalloonTip::currentText()
{
    return isShowing() ? current()->m_text : String();
}

void UIBalloonTip::updateText(const String& text, bool resize)
{
    UIBalloonTip* balloon = current();
    if (!balloon || text.isEmpty())
        return;
    balloon->setText(text);
    if (resize)
        balloon->resizeTo(balloon->effectiveSizeHint());
}

String UIBalloonTip::normalizedText(const String& text)
{
    String result;
    char16_t previous = 0;
    for (int i = 0; i < text.length(); ++i) {
        const char16_t c = text.at(i);
        if (isBreak(c)) {
            if (i == 0 || !isBreak(previous))
                result.appendChar(kLineFeed);
        } else {
            result.appendChar(isControl(c) ? u' ' : c);
        }
        previous = c;
    }
    return result;
}

void UIBalloonTip::setTitle(const String& title)
{
    m_title = title;
    update();
}

void UIBalloonTip::setText(const String& text)
{
    m_text = normalizedText(text);
    update();
}

void UIBalloonTip::setIconKind(int kind)
{
    m_iconKind = kind;
    update();
}

void UIBalloonTip::setIcon(const Image& icon)
{
    m_icon = icon;
    update();
}

Image UIBalloonTip::iconImage() const
{
    if (m_iconKind == 0)
        return m_icon;
    const UITheme* theme = UIApplication::instance()->theme();
    if (m_iconKind < 0 || m_iconKind > kLastThemeIconKind || !theme)
        return Image();
    return theme->image(m_iconKind + 2);
}

void UIBalloonTip::setTimes(int showDelay, int displayTime)
{
    m_showDelay = showDelay;
    m_displayTime = displayTime;
}

void UIBalloonTip::setHighlight(int kind)
{
    if (kind == m_highlight)
        return;
    m_highlight = kind;
    if (kind == 0)
        m_skins[kWorkingBackground] = m_skins[kBackground];
}

void UIBalloonTip::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIBalloonTip::setSkinImage(const UISkinImage& image, const String& name)
{
    const int index = skinImageIndex(kSkinNames, name);
    if (index < 0)
        return;
    if (index == 0) {
        m_skins[kBackground] = image;
        m_skins[kWorkingBackground] = image;
        return;
    }
    // The table has no entry for the working copy.
    m_skins[index + 1] = image;
}

Size UIBalloonTip::sizeHint() const
{
    int w = 0;
    int h = 0;
    if (!m_title.isEmpty()) {
        const FontMetrics metrics(m_style.titleFont, nullptr);
        w = metrics.textWidth(m_title.data(), m_title.length(), false);
        h = metrics.height();
    }
    if (!m_text.isEmpty()) {
        const FontMetrics metrics(m_style.font, nullptr);
        const StringList lines = linesOf(m_text);
        for (const String& line : lines)
            w = std::max(w, metrics.textWidth(line.data(), line.length(), false));
        h += lines.count() * metrics.height();
    }
    if (!m_title.isEmpty() && !m_text.isEmpty())
        h += m_style.verticalSpacing;
    const Image image = iconImage();
    if (!image.isNull()) {
        if (m_iconPosition == 0) {
            w += image.width() + m_style.horizontalSpacing;
            h = std::max(h, image.height());
        } else {
            h += image.height() + m_style.verticalSpacing;
            w = std::max(w, image.width());
        }
    }
    w += m_style.horizontalSpacing + m_skins[kCloseButton].frameWidth() + m_style.padding.left +
         m_style.padding.right;
    h += m_style.padding.top + m_style.padding.bottom;
    if (m_arrowSide == kLeftOfAnchor || m_arrowSide == kRightOfAnchor)
        w += m_style.arrowLength;
    else
        h += m_style.arrowLength;
    return Size(w, h);
}

void UIBalloonTip::layout()
{
    const Size size = effectiveSizeHint();
    const int w = size.width;
    const int h = size.height;
    const int length = m_style.arrowLength;
    const int thickness = m_style.arrowThickness;
    switch (m_arrowSide) {
    case kLeftOfAnchor:
        m_bodyRect = Rect(0, 0, w - length, h);
        m_arrowRect = Rect(m_bodyRect.width, m_bodyRect.height / 2 - thickness / 2, length, thickness);
        break;
    case kRightOfAnchor:
        m_bodyRect = Rect(length, 0, w - length, h);
        m_arrowRect = Rect(0, m_bodyRect.height / 2 - thickness / 2, length, thickness);
        break;
    case kBelowAnchor:
        m_bodyRect = Rect(0, length, w, h - length);
        m_arrowRect = Rect(m_bodyRect.width / 2 - thickness / 2, 0, thickness, length);
        break;
    default:
        m_bodyRect = Rect(0, 0, w, h - length);
        m_arrowRect = Rect(m_bodyRect.width / 2 - thickness / 2, m_bodyRect.height, thickness, length);
        break;
    }
}

bool UIBalloonTip::tryVertical(const Rect& area, bool forced)
{
    const int reach = m_style.arrowThickness / 2 + m_style.arrowBorderSpacing;
    if (!forced && (m_anchor.x - area.x < reach || rightOf(area) - m_anchor.x < reach))
        return false;
    layout();
    const int needed = m_arrowRect.height + m_bodyRect.height;
    if (m_arrowSide == kBelowAnchor && bottomOf(area) - m_anchor.y < needed)
        m_arrowSide = kAboveAnchor;
    else if (m_arrowSide == kAboveAnchor && m_anchor.y - area.y < needed)
        m_arrowSide = kBelowAnchor;
    layout();
    place(area);
    return true;
}

bool UIBalloonTip::tryHorizontal(const Rect& area, bool forced)
{
    const int reach = m_style.arrowThickness / 2 + m_style.arrowBorderSpacing;
    if (!forced && (m_anchor.y - area.y < reach || bottomOf(area) - m_anchor.y < reach))
        return false;
    layout();
    const int needed = m_arrowRect.width + m_bodyRect.width;
    if (m_arrowSide != kRightOfAnchor && m_anchor.x - area.x < needed)
        m_arrowSide = kRightOfAnchor;
    else if (m_arrowSide == kRightOfAnchor && rightOf(area) - m_anchor.x < needed)
        m_arrowSide = kLeftOfAnchor;
    layout();
    place(area);
    return true;
}

void UIBalloonTip::choosePlacement(const Rect& area)
{
    if (m_arrowSide == kLeftOfAnchor || m_arrowSide == kRightOfAnchor) {
        if (tryHorizontal(area, false))
            return;
        m_arrowSide = kAboveAnchor;
        if (!tryVertical(area, false))
            tryVertical(area, true);
        return;
    }
    if (tryVertical(area, false))
        return;
    m_arrowSide = kLeftOfAnchor;
    if (!tryHorizontal(area, false))
        tryHorizontal(area, true);
}

void UIBalloonTip::place(const Rect& area)
{
    const int length = m_style.arrowLength;
    const Rect& body = m_bodyRect;
    switch (m_arrowSide) {
    case kLeftOfAnchor:
        m_windowPos = Point(m_anchor.x - body.width - length, m_anchor.y - body.height / 2);
        break;
    case kRightOfAnchor:
        m_windowPos = Point(m_anchor.x, m_anchor.y - body.height / 2);
        break;
    case kBelowAnchor:
        m_windowPos = Point(m_anchor.x - body.width / 2, m_anchor.y);
        break;
    default:
        m_windowPos = Point(m_anchor.x - body.width / 2, m_anchor.y - body.height - length);
        break;
    }
    if (area.isEmpty())
        return;
    // Slide the body along the area's edge and the arrow the other way, so
    // that the tip stays on the anchor, as far as the body's corners allow.
    const int spacing = m_style.arrowBorderSpacing;
    const Size size = effectiveSizeHint();
    if (m_arrowSide == kLeftOfAnchor || m_arrowSide == kRightOfAnchor) {
        if (m_windowPos.y < area.y) {
            const int shift =
                std::min(area.y - m_windowPos.y, std::max(0, m_arrowRect.y - (body.y + spacing)));
            m_windowPos.y += shift;
            m_arrowRect.y -= shift;
        } else if (int64_t(m_windowPos.y) + size.height > bottomOf(area)) {
            const int over = int(int64_t(m_windowPos.y) + size.height - bottomOf(area));
            const int room = int(bottomOf(body) - spacing - bottomOf(m_arrowRect));
            const int shift = std::min(over, std::max(0, room));
            m_windowPos.y -= shift;
            m_arrowRect.y += shift;
        }
        return;
    }
    if (m_windowPos.x < area.x) {
        const int shift = std::min(area.x - m_windowPos.x, std::max(0, m_arrowRect.x - (body.x + spacing)));
        m_windowPos.x += shift;
        m_arrowRect.x -= shift;
    } else if (int64_t(m_windowPos.x) + size.width > rightOf(area)) {
        const int over = int(int64_t(m_windowPos.x) + size.width - rightOf(area));
        const int room = int(rightOf(body) - spacing - rightOf(m_arrowRect));
        const int shift = std::min(over, std::max(0, room));
        m_windowPos.x -= shift;
        m_arrowRect.x += shift;
    }
}

void UIBalloonTip::arrowTriangle(Point points[3]) const
{
    const Rect& a = m_arrowRect;
    const int right = a.x + a.width;
    const int bottom = a.y + a.height;
    switch (m_arrowSide) {
    case kLeftOfAnchor:
        points[0] = Point(a.x, bottom);
        points[1] = Point(right, a.y + a.height / 2);
        points[2] = Point(a.x, a.y);
        break;
    case kRightOfAnchor:
        points[0] = Point(right, bottom);
        points[1] = Point(a.x, a.y + a.height / 2);
        points[2] = Point(right, a.y);
        break;
    case kBelowAnchor:
        points[0] = Point(a.x, bottom);
        points[1] = Point(a.x + a.width / 2, a.y);
        points[2] = Point(right, bottom);
        break;
    default:
        points[0] = Point(a.x, a.y);
        points[1] = Point(a.x + a.width / 2, bottom);
        points[2] = Point(right, a.y);
        break;
    }
}

void UIBalloonTip::showAt(const Point& anchor)
{
    if (!isEnabled())
        return;
    if (UIWidget* ownerWidget = parentWidget()) {
        if (UIWidget* top = ownerWidget->window())
            top->setWindowFlag(UINativeWindow::kKeepsActiveLook, true);
    }
    m_anchor = anchor;
    const Rect area = UIWorkArea::at(anchor);
    const UIMargins& m = m_style.desktopPadding;
    choosePlacement(area.isEmpty() ? area : area.adjusted(m.left, m.top, -m.right, -m.bottom));
    resizeTo(effectiveSizeHint());
    moveTo(m_windowPos);
    shapeWindow();
    startTimer(kShowTimerId, uint32_t(std::max(m_showDelay, 1)));
}

bool UIBalloonTip::checkClose()
{
    const UIWidget* ownerWidget = parentWidget();
    const UIWidget* top = ownerWidget ? ownerWidget->window() : nullptr;
    const bool ownerGone = !ownerWidget || !ownerWidget->isVisible() || (top && !top->isVisible());
    if (pressedButtons() == 0 && !ownerGone)
        return false;
    setVisible(false);
    return true;
}

void UIBalloonTip::showNow()
{
    killTimer(kShowTimerId);
    if (checkClose())
        return;
    setStaysOnTop(true);
    show();
    setFocus();
    if (m_soundKind != 0)
        UIApplication::instance()->playSound(m_soundKind);
    if (m_displayTime > 0)
        startTimer(kDisplayTimerId, uint32_t(m_displayTime));
    startTimer(kCloseCheckTimerId, kDefaultInterval);
}

void UIBalloonTip::setVisible(bool visible)
{
    if (visible) {
        UIWidget::setVisible(true);
        return;
    }
    const bool wasShowing = isVisible() || isPending();
    killTimer(kShowTimerId);
    killTimer(kDisplayTimerId);
    killTimer(kCloseCheckTimerId);
    m_closeHovered = false;
    if (!wasShowing) {
        UIWidget::setVisible(false);
        return;
    }
    if (UIWidget* ownerWidget = parentWidget()) {
        if (UIWidget* top = ownerWidget->window()) {
            top->setWindowFlag(UINativeWindow::kKeepsActiveLook, false);
            top->setWindowFlag(UINativeWindow::kShowInactive, false);
        }
    }
    UIWidget::setVisible(false);
}

void UIBalloonTip::timerEvent(UIEvent* event)
{
    switch (static_cast<UICustomEvent*>(event)->code()) {
    case kShowTimerId:
        showNow();
        break;
    case kDisplayTimerId:
        setVisible(false);
        break;
    case kCloseCheckTimerId:
        checkClose();
        break;
    default:
        break;
    }
}

void UIBalloonTip::clickEvent(UIEvent*)
{
    setVisible(false);
}

void UIBalloonTip::focusOutEvent(UIEvent*)
{
    setVisible(false);
}

void UIBalloonTip::keyPressEvent(UIEvent* event)
{
    const auto* key = static_cast<UIKeyEvent*>(event);
    if (key->key() == kEscapeKey)
        setVisible(false);
    else if (key->key() == kCopyKey && (key->modifiers() & 2))
        copyText();
}

void UIBalloonTip::copyText()
{
    String joined;
    for (const String* part : {&m_title, &m_text}) {
        if (part->isEmpty())
            continue;
        if (!joined.isEmpty())
            joined.append(String(u"\r\n"));
        joined.append(*part);
    }
    if (!joined.isEmpty())
        UIApplication::instance()->clipboard()->setText(joined);
}

void UIBalloonTip::mouseMoveEvent(UIEvent* event)
{
    const bool over = m_closeRect.contains(static_cast<UIMouseEvent*>(event)->position());
    if (over == m_closeHovered)
        return;
    m_closeHovered = over;
    update();
}

void UIBalloonTip::mouseLeaveEvent(UIEvent*)
{
    if (!m_closeHovered)
        return;
    m_closeHovered = false;
    update();
}

int UIBalloonTip::arrowSkin() const
{
    switch (m_arrowSide) {
    case kLeftOfAnchor:
        return kArrowRight;
    case kRightOfAnchor:
        return kArrowLeft;
    case kBelowAnchor:
        return kArrowTop;
    default:
        return kArrowBottom;
    }
}

void UIBalloonTip::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIBalloonTip::draw(Painter& painter)
{
    painter.fillRect(rect(), m_style.background);
    m_skins[kWorkingBackground].draw(painter, m_bodyRect, 0, UISkinImage::kAllCells);
    // The arrow image reaches into the body by its own size, its outer end
    // on the tip.
    const UISkinImage& arrow = m_skins[arrowSkin()];
    Rect a = m_arrowRect;
    switch (m_arrowSide) {
    case kLeftOfAnchor:
        a = Rect(a.x + a.width - std::max(a.width, arrow.frameWidth()), a.y,
                 std::max(a.width, arrow.frameWidth()), a.height);
        break;
    case kRightOfAnchor:
        a.width = std::max(a.width, arrow.frameWidth());
        break;
    case kBelowAnchor:
        a.height = std::max(a.height, arrow.frameHeight());
        break;
    default:
        a = Rect(a.x, a.y + a.height - std::max(a.height, arrow.frameHeight()), a.width,
                 std::max(a.height, arrow.frameHeight()));
        break;
    }
    arrow.draw(painter, a, 0, UISkinImage::kAllCells);
    m_skins[kBackgroundBorder].draw(painter, m_bodyRect, 0, UISkinImage::kAllCells);

    const UIMargins& pad = m_style.padding;
    Rect content(m_bodyRect.x + pad.left, m_bodyRect.y + pad.top, m_bodyRect.width - pad.left - pad.right,
                 m_bodyRect.height - pad.top - pad.bottom);
    const UISkinImage& close = m_skins[kCloseButton];
    m_closeRect = Rect(content.x + content.width - close.frameWidth(), content.y, close.frameWidth(),
                       close.frameHeight());
    close.draw(painter, m_closeRect, m_closeHovered ? 1 : 0, UISkinImage::kAllCells);
    content.width -= close.frameWidth() + m_style.horizontalSpacing;

    const Image image = iconImage();
    if (!image.isNull()) {
        painter.drawImageAligned(image, content, m_iconAlignment);
        if (m_iconPosition == 0) {
            content.x += image.width() + m_style.horizontalSpacing;
            content.width -= image.width() + m_style.horizontalSpacing;
        } else {
            content.y += image.height() + m_style.verticalSpacing;
            content.height -= image.height() + m_style.verticalSpacing;
        }
    }
    if (!m_title.isEmpty()) {
        painter.setFont(m_style.titleFont);
        drawShadowed(painter, m_title, content, m_style.titleForeground, m_style.titleShadowForeground,
                     m_style.titleShadowOffset);
        const int step = FontMetrics(m_style.titleFont, nullptr).height() + m_style.verticalSpacing;
        content.y += step;
        content.height -= step;
    }
    if (m_text.isEmpty())
        return;
    painter.setFont(m_style.font);
    const int lineHeight = FontMetrics(m_style.font, nullptr).height();
    for (const String& line : linesOf(m_text)) {
        drawShadowed(painter, line, content, m_style.foreground, m_style.shadowForeground,
                     m_style.shadowOffset);
        content.y += lineHeight;
        content.height -= lineHeight;
    }
}
