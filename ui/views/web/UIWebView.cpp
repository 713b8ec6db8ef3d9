#include "ui/views/web/UIWebView.h"

#include "graphics/paint/Painter.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/core/input/UIClipboard.h"
#include "ui/core/layout/UISizePolicy.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/views/web/HtmlViewEngine.h"
#include "ui/views/web/WebViewEventSink.h"
#include "ui/views/web/WebViewOption.h"
#include "ui/views/web/WebViewPrinter.h"
#include "ui/views/web/browser/SystemBrowser.h"
#include "ui/widgets/range/UIScrollBar.h"
#include "ui/widgets/scroll/UIFrameOverlay.h"

#include <algorithm>

namespace {

constexpr int kSpaceKey = 32;
constexpr int kPageUpKey = 33;
constexpr int kPageDownKey = 34;
constexpr int kEndKey = 35;
constexpr int kHomeKey = 36;
constexpr int kLeftKey = 37;
constexpr int kUpKey = 38;
constexpr int kRightKey = 39;
constexpr int kDownKey = 40;
constexpr uint32_t kShiftModifier = 1;
constexpr uint32_t kControlModifier = 2;
constexpr int kCKey = 67;

constexpr int kWheelLeft = 1;
constexpr int kWheelRight = 2;
constexpr int kWheelTowardsUser = 3;

UIWebView::SystemEngineMaker& systemEngineMaker()
{
    static UIWebView::SystemEngineMaker maker = &SystemBrowser::createEngine;
    return maker;
}

// The system's browser where it works and the view has a window to put it
// in; our own engine otherwise.
std::unique_ptr<WebViewEngine> engineFor(UIWidget* parent, WebViewEventSink* sink, uint32_t options)
{
    UIWidget* window = parent ? parent->window() : nullptr;
    void* handle = window ? window->windowHandle() : nullptr;
    if (handle) {
        if (std::unique_ptr<WebViewEngine> system = systemEngineMaker()(handle, sink, options))
            return system;
    }
    return std::make_unique<HtmlViewEngine>(sink, !(options & WebViewOption::NoImages));
}

} // namespace

void UIWebView::setSystemEngineMaker(SystemEngineMaker maker)
{
    systemEngineMaker() = maker ? maker : &SystemBrowser::createEngine;
}

UIWebView::UIWebView(UIWidget* parent, uint32_t options)
    : UIWidget(parent), m_options(options), m_sink(std::make_unique<WebViewEventSink>(this)),
      m_engine(engineFor(parent, m_sink.get(), options))
{
    // A layout that moves a container moves the view within its window
    // without telling the view.
    for (UIWidget* above = parent; above && !above->isWindow(); above = above->parentWidget())
        above->moved.connect(this, &UIWebView::placeEngine);
    setFlag(kTransparent, false);
    setFlag(kHoverTracking, true);
    setLayoutEnabled(false);
    m_frame = new UIFrameOverlay(this);
    addEffect(m_frame);
    setStyleName(String(u"UIWebView"));
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    setFocusPolicy(kClickFocus | kWheelFocus);
    if (!(options & WebViewOption::NoScrollBars)) {
        m_bar = new UIScrollBar(this);
        m_bar->setOrientation(1);
        m_bar->valueChanged.connectWithArg(this, &UIWebView::onBarValue);
    }
    placePage();
}

void UIWebView::setStyleProperty(const String& name, const String& value)
{
    if (name == String(u"borderColor"))
        m_frame->setColor(parseStyleColor(value));
}

// The engine goes before the sink it reports through.
UIWebView::~UIWebView()
{
    m_engine.reset();
}

// The page joins the history when its load ends, before loadFinished, so
// that a slot sees the history as it now is. A load that fails reports
// nothing, so the view is still there to forget the page.
bool UIWebView::setHtml(const String& html)
{
    m_loading = std::make_unique<String>(html);
    const bool loaded = m_engine->setHtml(html);
    if (!loaded)
        m_loading.reset();
    return loaded;
}

bool UIWebView::navigate(const String& address)
{
    m_loading = std::make_unique<String>();
    const bool loaded = m_engine->navigate(address);
    if (!loaded)
        m_loading.reset();
    return loaded;
}

void UIWebView::showPage(const String& page)
{
    m_loading.reset();
    if (page.isEmpty())
        m_engine->navigate(String(u"about:blank"));
    else
        m_engine->setHtml(page);
}

void UIWebView::refresh()
{
    String page;
    m_history.current(page);
    showPage(page);
}

void UIWebView::back()
{
    String page;
    if (m_history.goBack(page))
        showPage(page);
}

void UIWebView::forward()
{
    String page;
    if (m_history.goForward(page))
        showPage(page);
}

bool UIWebView::print()
{
    return WebViewPrinter::print(m_engine->snapshot(0));
}

String UIWebView::selectedText() const
{
    return m_engine->selectedText();
}

bool UIWebView::pageLoaded()
{
    if (m_loading) {
        m_history.add(*m_loading);
        m_loading.reset();
    }
    placePage();
    UIWidgetGuard guard(this);
    loadFinished.emit();
    return guard.isAlive();
}

void UIWebView::setUserAgent(const String& text)
{
    m_userAgent = text;
    m_engine->setUserAgent(text);
}

void UIWebView::setOffline(bool offline)
{
    m_offline = offline;
    m_engine->setOffline(offline);
}

void UIWebView::setSilent(bool silent)
{
    m_silent = silent;
    m_engine->setSilent(silent);
}

String UIWebView::url() const
{
    return m_engine->url();
}

String UIWebView::html() const
{
    return m_engine->html();
}

String UIWebView::text() const
{
    return m_engine->text();
}

StringList UIWebView::links() const
{
    return m_engine->links();
}

void UIWebView::reset()
{
    m_engine->reset();
    placePage();
}

int UIWebView::readyState() const
{
    return m_engine->readyState();
}

void UIWebView::setZoom(int percent)
{
    m_engine->setZoom(percent);
    placePage();
}

int UIWebView::zoom() const
{
    return m_engine->zoom();
}

void UIWebView::setCharset(const String& charset)
{
    m_engine->setCharset(charset);
}

String UIWebView::charset() const
{
    return m_engine->charset();
}

String UIWebView::internetExplorerVersion() const
{
    return m_engine->browserVersion();
}

Image UIWebView::snapshot(int minimumWidth)
{
    return m_engine->snapshot(minimumWidth);
}

bool UIWebView::scrollToElement(const String& id)
{
    if (!m_engine->scrollToElement(id))
        return false;
    syncBar();
    update();
    return true;
}

void UIWebView::scrollTo(const Point& position)
{
    scrollPageTo(position);
}

Point UIWebView::scrollPosition() const
{
    return m_engine->scrollPosition();
}

void UIWebView::scrollPageTo(const Point& position)
{
    const Point before = m_engine->scrollPosition();
    m_engine->scrollTo(position);
    if (m_engine->scrollPosition() == before)
        return;
    repaintAfter(&UIWebView::syncBar);
}

void UIWebView::repaintAfter(void (UIWebView::*change)())
{
    // The bar and the page reach the screen in one repaint.
    if (!updatesEnabled()) {
        (this->*change)();
        return;
    }
    setUpdatesEnabled(false);
    (this->*change)();
    setUpdatesEnabled(true);
}

String UIWebView::elementIdAt(int x, int y) const
{
    return m_engine->elementAt(Point(x, y)).id;
}

String UIWebView::elementTagAt(int x, int y) const
{
    return m_engine->elementAt(Point(x, y)).tag;
}

String UIWebView::elementTextAt(int x, int y) const
{
    return m_engine->elementAt(Point(x, y)).text;
}

Rect UIWebView::elementRectAt(int x, int y) const
{
    return m_engine->elementAt(Point(x, y)).rect;
}

std::vector<WebViewElement> UIWebView::elementsWithIds() const
{
    return m_engine->elementsWithIds();
}

std::vector<WebViewElement> UIWebView::anchors() const
{
    return m_engine->anchors();
}

UICursor UIWebView::cursorAt(const Point& point) const
{
    return UICursor(m_engine->cursorAt(point));
}

void UIWebView::setVisible(bool visible)
{
    m_engine->setVisible(visible);
    UIWidget::setVisible(visible);
    if (visible)
        placePage();
}

void UIWebView::placePage()
{
    placeEngine();
    repaintAfter(&UIWebView::layOutPage);
}

void UIWebView::placeEngine()
{
    const Point corner = mapToWindow(Point(0, 0));
    m_engine->setPlace(Rect(corner.x, corner.y, width(), height()));
}

void UIWebView::moveEvent(UIEvent*)
{
    placeEngine();
}

void UIWebView::layOutPage()
{
    const int full = width();
    const int narrow = std::max(0, full - (m_bar ? m_bar->thickness() : 0));
    // The layout in use is tried first, so that a page that keeps its bar
    // (or keeps having none) is laid out once.
    bool withBar = m_bar && m_bar->testFlag(kVisible);
    m_engine->setViewport(Rect(0, 0, withBar ? narrow : full, height()));
    const bool needsBar = m_bar && m_engine->contentSize().height > height();
    if (needsBar != withBar) {
        withBar = needsBar;
        m_engine->setViewport(Rect(0, 0, withBar ? narrow : full, height()));
    }
    if (m_bar) {
        if (withBar)
            m_bar->setGeometry(narrow, 0, full - narrow, height());
        m_bar->setVisible(withBar);
    }
    syncBar();
    update();
}

void UIWebView::syncBar()
{
    if (!m_bar)
        return;
    const int content = m_engine->contentSize().height;
    m_bar->setDocumentLength(std::max(1, content));
    m_bar->setPageStep(std::max(1, height()));
    m_bar->setSingleStep(m_engine->lineHeight());
    m_bar->setRange(0, std::max(0, content - height()));
    m_bar->setValue(m_engine->scrollPosition().y);
}

void UIWebView::onBarValue(int value)
{
    scrollPageTo(Point(m_engine->scrollPosition().x, value));
}

void UIWebView::paint(UIEvent*)
{
    Painter painter(paintTarget());
    m_engine->paint(painter);
}

void UIWebView::resizeEvent(UIEvent*)
{
    placePage();
}

bool UIWebView::scrollByKey(int key, uint32_t modifiers)
{
    const Point at = m_engine->scrollPosition();
    const int line = m_engine->lineHeight();
    const int page = std::max(line, height() - line);
    switch (key) {
    case kUpKey:
        scrollPageTo(Point(at.x, at.y - line));
        return true;
    case kDownKey:
        scrollPageTo(Point(at.x, at.y + line));
        return true;
    case kLeftKey:
        scrollPageTo(Point(at.x - line, at.y));
        return true;
    case kRightKey:
        scrollPageTo(Point(at.x + line, at.y));
        return true;
    case kPageUpKey:
        scrollPageTo(Point(at.x, at.y - page));
        return true;
    case kSpaceKey:
        scrollPageTo(Point(at.x, (modifiers & kShiftModifier) ? at.y - page : at.y + page));
        return true;
    case kPageDownKey:
        scrollPageTo(Point(at.x, at.y + page));
        return true;
    case kHomeKey:
        scrollPageTo(Point(at.x, 0));
        return true;
    case kEndKey:
        scrollPageTo(Point(at.x, m_engine->contentSize().height));
        return true;
    default:
        return false;
    }
}

// Shift with an arrow moves the marking's end; the arrows alone scroll.
bool UIWebView::markByKey(int key)
{
    static const int kArrows[] = {kLeftKey, kRightKey, kUpKey, kDownKey};
    for (int direction = 0; direction < 4; ++direction) {
        if (kArrows[direction] != key)
            continue;
        if (m_engine->extendSelection(direction))
            update();
        return true;
    }
    return false;
}

void UIWebView::copySelection()
{
    const String text = m_engine->selectedText();
    if (text.isEmpty())
        return;
    // Without an application (a tool, a test) a clipboard object of our own
    // writes to the same system clipboard.
    if (UIApplication* application = UIApplication::instance())
        application->clipboard()->setText(text);
    else
        UIClipboard().setText(text);
}

void UIWebView::keyPressEvent(UIEvent* event)
{
    const auto* key = static_cast<UIKeyEvent*>(event);
    const uint32_t modifiers = key->modifiers();
    if ((modifiers & kControlModifier) && key->key() == kCKey) {
        copySelection();
        event->accept();
        return;
    }
    if (((modifiers & kShiftModifier) && markByKey(key->key())) || scrollByKey(key->key(), modifiers))
        event->accept();
}

void UIWebView::mousePressEvent(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    const bool hadMarking = !m_engine->selectedText().isEmpty();
    m_engine->mousePress(mouse->position(), int(mouse->button()));
    // A press begins a new marking: the old one goes.
    if (hadMarking)
        update();
}

void UIWebView::mouseReleaseEvent(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    m_engine->mouseRelease(mouse->position(), int(mouse->button()));
}

void UIWebView::mouseMoveEvent(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    m_engine->mouseMove(mouse->position());
    if (mouse->buttons() & HtmlViewEngine::kLeftButton)
        update();
}

void UIWebView::mouseLeaveEvent(UIEvent*)
{
    m_engine->mouseMove(Point(-1, -1));
}

void UIWebView::wheelEvent(UIEvent* event)
{
    const auto* wheel = static_cast<UIWheelEvent*>(event);
    const int step = kWheelLines * m_engine->lineHeight();
    const Point at = m_engine->scrollPosition();
    switch (wheel->direction()) {
    case kWheelLeft:
        scrollPageTo(Point(at.x - step, at.y));
        break;
    case kWheelRight:
        scrollPageTo(Point(at.x + step, at.y));
        break;
    case kWheelTowardsUser:
        scrollPageTo(Point(at.x, at.y + step));
        break;
    default:
        scrollPageTo(Point(at.x, at.y - step));
        break;
    }
    event->accept();
}
