#include "ui/widgets/scroll/UIScrollArea.h"

#include "graphics/paint/Painter.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/core/theme/UIStyleValues.h"

#include "ui/widgets/range/UIScrollBar.h"
#include "ui/widgets/scroll/UIFrameOverlay.h"
#include "ui/widgets/scroll/UIScrollAreaCorner.h"
#include "ui/widgets/scroll/UIScrollAreaViewport.h"
#include <algorithm>

namespace {

const UIStyleField<UIScrollArea::Style> kFields[] = {
    {u"background", [](UIScrollArea::Style& s, const String& v) { s.background = parseStyleBrush(v); }},
    {u"borderColor", [](UIScrollArea::Style& s, const String& v) { s.borderColor = parseStyleColor(v); }},
};

constexpr uint32_t kRightButton = 2;
constexpr int kMaximumLayoutDepth = 2;

// Counts one layout pass for as long as it runs.
class DepthGuard
{
public:
    explicit DepthGuard(int& depth) : m_depth(depth) { ++m_depth; }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& m_depth;
};

} // namespace

UIScrollArea::UIScrollArea(UIWidget* parent) : UIWidget(parent)
{
    // First: the skin's properties reach it as soon as the style is named.
    m_frame = new UIFrameOverlay(this);
    addEffect(m_frame);
    setLayoutEnabled(false);
    setStyleName(String(u"UIScrollArea"));
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    setFlag(kTransparent, false);
    setUpdatesEnabled(false);
    m_viewport = new UIScrollAreaViewport(this);
    // The content fills the viewport exactly; no grid may place it otherwise.
    m_viewport->setLayoutEnabled(false);
    m_verticalBar = new UIScrollBar(this);
    m_verticalBar->setOrientation(1);
    m_verticalBar->setSingleStep(1);
    m_horizontalBar = new UIScrollBar(this);
    m_horizontalBar->setOrientation(0);
    m_horizontalBar->setSingleStep(20);
    m_viewport->show();
    m_corner = new UIScrollAreaCorner(this);
    m_verticalBar->valueChanged.connectWithArg(this, &UIScrollArea::onVerticalValue);
    m_horizontalBar->valueChanged.connectWithArg(this, &UIScrollArea::onHorizontalValue);
    for (UIScrollBar* bar : {m_verticalBar, m_horizontalBar}) {
        bar->mousePressed.connectWithArg(this, &UIScrollArea::repaintContent);
        bar->mouseReleased.connectWithArg(this, &UIScrollArea::focusContent);
    }
    setUpdatesEnabled(true);
}

UIScrollArea::~UIScrollArea() = default;

UIStyleNames UIScrollArea::styleNames()
{
    return UIStyleNames{String(u"UIScrollArea"), styleFieldNames(kFields), {}};
}

UIScrollArea* UIScrollArea::showing(const UIWidget* content)
{
    UIWidget* viewport = content ? content->parentWidget() : nullptr;
    return viewport ? dynamic_cast<UIScrollArea*>(viewport->parentWidget()) : nullptr;
}

void UIScrollArea::setContentWidget(UIWidget* widget)
{
    delete m_content;
    m_content = widget;
    if (!widget) {
        relayoutContent();
        return;
    }
    widget->setParent(m_viewport);
    widget->mouseMoved.connectWithArg(this, &UIScrollArea::onContentMove);
    widget->mousePressed.connectWithArg(this, &UIScrollArea::onContentPress);
    widget->mouseReleased.connectWithArg(this, &UIScrollArea::onContentRelease);
    relayoutContent();
}

Size UIScrollArea::contentSize() const
{
    if (!m_content)
        return Size(0, 0);
    const Size second = m_content->minimumSizeHint();
    return second.width > 0 || second.height > 0 ? second : m_content->effectiveSizeHint();
}

bool UIScrollArea::relayout()
{
    UIWidgetGuard guard(this);
    bool changed = UIWidget::relayout();
    if (guard.isAlive())
        relayoutContent();
    return changed;
}

void UIScrollArea::relayoutContent()
{
    if (m_layoutDepth >= kMaximumLayoutDepth || !m_content || !testFlag(kVisible))
        return;
    DepthGuard depth(m_layoutDepth);
    if (!m_scrollBarsEnabled) {
        m_viewport->setGeometry(0, 0, width(), height());
        m_content->setGeometry(0, 0, width(), height());
        return;
    }
    const Rect before = m_content->geometry();
    UIScrollAreaLayout::Input in;
    in.content = contentSize();
    in.area = size();
    in.verticalHint = m_verticalBar->sizeHint();
    in.horizontalHint = m_horizontalBar->sizeHint();
    in.horizontalPolicy = m_horizontalPolicy;
    in.verticalPolicy = m_verticalPolicy;
    applyLayout(UIScrollAreaLayout::compute(in), in.content);
    const Rect& viewport = m_viewport->geometry();
    m_content->setGeometry(0, 0, viewport.width, viewport.height);
    if (m_content->geometry() != before && m_content->effectiveSizeHint() != in.content)
        relayoutContent();
    updatePageSteps();
}

void UIScrollArea::applyLayout(const UIScrollAreaLayout& layout, const Size& content)
{
    const Rect& viewport = layout.viewport;
    m_viewport->setGeometry(viewport.x, viewport.y, viewport.width, viewport.height);
    const Rect& vertical = layout.verticalBar;
    const Rect& horizontal = layout.horizontalBar;
    const Rect& corner = layout.corner;
    if (layout.verticalShown)
        m_verticalBar->setGeometry(vertical.x, vertical.y, vertical.width, vertical.height);
    if (layout.horizontalShown)
        m_horizontalBar->setGeometry(horizontal.x, horizontal.y, horizontal.width, horizontal.height);
    m_verticalBar->setDocumentLength(content.height);
    m_horizontalBar->setDocumentLength(content.width);
    if (layout.verticalFits)
        m_verticalBar->setRange(0, layout.verticalMaximum);
    if (layout.horizontalFits)
        m_horizontalBar->setRange(0, layout.horizontalMaximum);
    if (layout.verticalShown && layout.horizontalShown) {
        m_corner->setGeometry(corner.x, corner.y, corner.width, corner.height);
        m_verticalBar->show();
        m_horizontalBar->show();
        m_corner->show();
        return;
    }
    m_corner->hide();
    m_verticalBar->setVisible(layout.verticalShown);
    m_horizontalBar->setVisible(layout.horizontalShown);
}

void UIScrollArea::updatePageSteps()
{
    const Size page = viewportSize();
    if (page.width > 0)
        m_horizontalBar->setPageStep(std::min(m_horizontalBar->documentLength(), page.width));
    if (page.height > 0)
        m_verticalBar->setPageStep(std::min(m_verticalBar->documentLength(), page.height));
}

Size UIScrollArea::viewportSize() const
{
    return m_viewport->size();
}

void UIScrollArea::scrollContent(int, int)
{
    if (m_content)
        m_content->setScrollOffset(-m_horizontalBar->value(), -m_verticalBar->value());
}

void UIScrollArea::setHorizontalPolicy(int policy)
{
    m_horizontalPolicy = policy;
    relayout();
}

void UIScrollArea::setVerticalPolicy(int policy)
{
    m_verticalPolicy = policy;
    relayout();
}

void UIScrollArea::setScrollBarsEnabled(bool on)
{
    if (on == m_scrollBarsEnabled)
        return;
    m_scrollBarsEnabled = on;
    if (on) {
        relayoutContent();
        return;
    }
    m_verticalBar->hide();
    m_horizontalBar->hide();
    m_corner->hide();
    m_viewport->setGeometry(0, 0, width(), height());
    if (m_content)
        m_content->setGeometry(0, 0, width(), height());
}

void UIScrollArea::setViewportBackground(const Brush& brush)
{
    m_viewport->setBackground(brush);
}

void UIScrollArea::setCornerBackground(const Brush& brush)
{
    m_corner->setBackground(brush);
}

void UIScrollArea::scrollToTop()
{
    m_verticalBar->setValue(m_verticalBar->minimum());
}

void UIScrollArea::scrollToBottom()
{
    m_verticalBar->setValue(m_verticalBar->maximum());
}

void UIScrollArea::scrollToLeft()
{
    m_horizontalBar->setValue(m_horizontalBar->minimum());
}

void UIScrollArea::scrollToRight()
{
    m_horizontalBar->setValue(m_horizontalBar->maximum());
}

void UIScrollArea::scrollUp()
{
    m_verticalBar->stepBy(-1);
}

void UIScrollArea::scrollDown()
{
    m_verticalBar->stepBy(1);
}

void UIScrollArea::scrollLeft()
{
    m_horizontalBar->stepBy(-1);
}

void UIScrollArea::scrollRight()
{
    m_horizontalBar->stepBy(1);
}

void UIScrollArea::pageUp()
{
    m_verticalBar->setValue(m_verticalBar->value() - m_verticalBar->pageStep());
}

void UIScrollArea::pageDown()
{
    m_verticalBar->setValue(m_verticalBar->value() + m_verticalBar->pageStep());
}

void UIScrollArea::scrollToVerticalStep(int step)
{
    m_verticalBar->setValue(step * m_verticalBar->singleStep());
}

void UIScrollArea::scrollToHorizontalStep(int step)
{
    m_horizontalBar->setValue(step * m_horizontalBar->singleStep());
}

void UIScrollArea::setVerticalValue(int value)
{
    m_verticalBar->setValue(value);
}

void UIScrollArea::setHorizontalValue(int value)
{
    m_horizontalBar->setValue(value);
}

void UIScrollArea::setVerticalStep(int step)
{
    m_verticalBar->setSingleStep(step);
}

int UIScrollArea::verticalStep() const
{
    return m_verticalBar->singleStep();
}

void UIScrollArea::setHorizontalStep(int step)
{
    m_horizontalBar->setSingleStep(step);
}

int UIScrollArea::horizontalStep() const
{
    return m_horizontalBar->singleStep();
}

// The area keeps the wheel it scrolls with (and any while a key is held on
// its content); the rest goes on to whatever holds the area.
void UIScrollArea::handleWheel(UIEvent* event)
{
    if (m_content && m_content->isKeyDown()) {
        event->accept();
        return;
    }
    const int direction = static_cast<UIWheelEvent*>(event)->direction();
    if (m_verticalBar->testFlag(kVisible)) {
        if (direction != 3 && direction != 4)
            return;
        m_verticalBar->stepBy(direction == 3 ? 1 : -1);
        event->accept();
        return;
    }
    if (m_horizontalBar->testFlag(kVisible)) {
        m_horizontalBar->stepBy(direction == 1 || direction == 3 ? 1 : -1);
        event->accept();
    }
}

Size UIScrollArea::sizeHint() const
{
    const Size v = m_verticalBar->sizeHint();
    const Size h = m_horizontalBar->sizeHint();
    if (m_horizontalPolicy != 0 && m_verticalPolicy != 0)
        return Size(v.width + h.width, h.height + v.height);
    if (m_horizontalPolicy != 0)
        return h;
    return m_verticalPolicy != 0 ? v : Size(v.width, v.width);
}

void UIScrollArea::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
    m_frame->setColor(m_style.borderColor);
}

void UIScrollArea::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIScrollArea::draw(Painter& painter) const
{
    if (m_style.background.isVisible())
        painter.fillRect(rect(), m_style.background);
}

void UIScrollArea::resizeEvent(UIEvent*)
{
    relayoutContent();
}

void UIScrollArea::wheelEvent(UIEvent* event)
{
    handleWheel(event);
}

void UIScrollArea::onVerticalValue(int value)
{
    scrollContent(0, value);
}

void UIScrollArea::onHorizontalValue(int value)
{
    scrollContent(value, 0);
}

void UIScrollArea::repaintContent(UIEvent*)
{
    if (m_content)
        m_content->update();
}

void UIScrollArea::focusContent(UIEvent*)
{
    if (m_content)
        m_content->setFocus();
}

void UIScrollArea::onContentPress(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    if (!m_dragScrollEnabled || mouse->button() != kRightButton)
        return;
    m_lastPanPosition = mouse->position();
    m_savedCursor = m_content->cursor();
    m_content->setCursor(m_panCursor);
}

void UIScrollArea::onContentMove(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    if (!m_dragScrollEnabled || !(mouse->buttons() & kRightButton) || mouse->position() == m_lastPanPosition)
        return;
    const Point& at = mouse->position();
    if (m_horizontalBar->testFlag(kVisible))
        m_horizontalBar->setValue(m_horizontalBar->value() + m_lastPanPosition.x - at.x);
    if (m_verticalBar->testFlag(kVisible))
        m_verticalBar->setValue(m_verticalBar->value() + m_lastPanPosition.y - at.y);
    m_lastPanPosition = at;
}

void UIScrollArea::onContentRelease(UIEvent* event)
{
    if (m_dragScrollEnabled && static_cast<UIMouseEvent*>(event)->button() == kRightButton)
        m_content->setCursor(m_savedCursor);
}
