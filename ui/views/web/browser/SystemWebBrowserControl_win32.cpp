#include "ui/views/web/browser/SystemWebBrowserControl.h"

#include "ui/views/web/browser/ComText.h"
#include "ui/views/web/browser/WebBrowserSite.h"
#include "ui/views/web/browser/WebBrowserSubclass.h"
#include "ui/views/web/browser/WebBrowserWheelHook.h"

#include <mshtmdid.h>

#include <functional>

namespace {

constexpr DWORD kSetClientSiteFirst = 0x20000;
constexpr DWORD kInvisibleAtRuntime = 0x400;
constexpr DISPID kUserAgentProperty = -5513;
constexpr int kSnapshotProbeWidth = 1024;
// getAttribute's flag for the value as the page wrote it.
constexpr LONG kAttributeAsWritten = 2;

// A BSTR variant that frees its text when it goes.
class TextVariant
{
public:
    explicit TextVariant(const String& text)
    {
        VariantInit(&m_value);
        m_value.vt = VT_BSTR;
        m_value.bstrVal = ComText::toBstr(text);
    }
    ~TextVariant() { VariantClear(&m_value); }
    TextVariant(const TextVariant&) = delete;
    TextVariant& operator=(const TextVariant&) = delete;
    bool isValid() const { return m_value.bstrVal != nullptr; }
    VARIANT* get() { return &m_value; }

private:
    VARIANT m_value;
};

String elementText(IHTMLElement* element, SystemWebBrowserControl::TextGetter getter)
{
    BSTR text = nullptr;
    if (FAILED((element->*getter)(&text)))
        return String();
    return ComText::take(text);
}

WebViewElement describe(IHTMLElement* element)
{
    WebViewElement described;
    described.tag = elementText(element, &IHTMLElement::get_tagName);
    described.id = elementText(element, &IHTMLElement::get_id);
    described.text = elementText(element, &IHTMLElement::get_innerText);
    long left = 0, top = 0, width = 0, height = 0;
    element->get_offsetLeft(&left);
    element->get_offsetTop(&top);
    element->get_offsetWidth(&width);
    element->get_offsetHeight(&height);
    described.rect = Rect(int(left), int(top), int(width), int(height));
    return described;
}

bool isAnchorTag(const String& tag)
{
    return tag == String(u"A") || tag == String(u"a");
}

String anchorTarget(IHTMLElement* element)
{
    ComRef<IHTMLAnchorElement> anchor;
    BSTR href = nullptr;
    if (!anchor.queryFrom(element, IID_IHTMLAnchorElement) || FAILED(anchor->get_href(&href)))
        return String();
    return ComText::take(href);
}

// The anchor's target as the page wrote it. The control's own href is
// resolved against the page, which turns the path of a local link into a
// "file:" address; a control that cannot read the attribute leaves that.
String writtenAnchorTarget(IHTMLElement* element)
{
    BSTR name = ComText::toBstr(String(u"href"));
    VARIANT value;
    VariantInit(&value);
    const HRESULT read = element->getAttribute(name, kAttributeAsWritten, &value);
    SysFreeString(name);
    if (FAILED(read))
        return anchorTarget(element);
    if (value.vt != VT_BSTR) {
        VariantClear(&value);
        return String();
    }
    return ComText::take(value.bstrVal);
}

// The target of the link the element lies in, itself included.
String enclosingLinkTarget(IHTMLElement* element)
{
    ComRef<IHTMLElement> current;
    current.share(element);
    for (;;) {
        if (isAnchorTag(elementText(current.get(), &IHTMLElement::get_tagName)))
            return writtenAnchorTarget(current.get());
        ComRef<IHTMLElement> parent;
        if (FAILED(current->get_parentElement(parent.out())) || !parent)
            return String();
        current.share(parent.get());
    }
}

// Every element of a collection, in order.
void forEachElement(IHTMLElementCollection* elements, const std::function<void(IHTMLElement*)>& visit)
{
    long count = 0;
    if (FAILED(elements->get_length(&count)))
        return;
    for (long i = 0; i < count; ++i) {
        VARIANT index;
        VariantInit(&index);
        index.vt = VT_I4;
        index.lVal = i;
        VARIANT none;
        VariantInit(&none);
        ComRef<IDispatch> item;
        ComRef<IHTMLElement> element;
        if (SUCCEEDED(elements->item(index, none, item.out())) &&
            element.queryFrom(item.get(), IID_IHTMLElement))
            visit(element.get());
    }
}

bool isTrue(VARIANT_BOOL value)
{
    return value == VARIANT_TRUE;
}

} // namespace

SystemWebBrowserControl::SystemWebBrowserControl(void* parentWindow, WebViewEventSink* sink, IUnknown* made)
    : m_hostWindow(parentWindow), m_catcher(this, sink)
{
    m_hostWindow.setSizeHandler([this](int width, int height) { resized(width, height); });
    createBrowser(made);
    m_subclass = std::make_unique<WebBrowserSubclass>(&m_hostWindow, &m_catcher);
    WebBrowserWheelHook::add(&m_hostWindow);
}

SystemWebBrowserControl::~SystemWebBrowserControl()
{
    WebBrowserWheelHook::remove(&m_hostWindow);
    m_subclass.reset();
    releaseControl();
    m_hostWindow.setSizeHandler(nullptr);
}

void SystemWebBrowserControl::createBrowser(IUnknown* made)
{
    HWND host = static_cast<HWND>(m_hostWindow.handle());
    ComRef<IUnknown> control;
    if (!host)
        return;
    if (made)
        control.queryFrom(made, IID_IUnknown);
    else
        CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER,
                         IID_IUnknown, control.outVoid());
    if (!control)
        return;
    m_viewObject.queryFrom(control.get(), IID_IViewObject);
    if (!m_oleObject.queryFrom(control.get(), IID_IOleObject))
        return;
    m_site = new WebBrowserSite(host);
    DWORD status = 0;
    m_oleObject->GetMiscStatus(DVASPECT_CONTENT, &status);
    const bool siteFirst = (status & kSetClientSiteFirst) != 0;
    if (siteFirst) {
        m_oleObject->SetClientSite(m_site->clientSite());
        m_oleObject->SetHostNames(nullptr, nullptr);
    }
    ComRef<IPersistStreamInit> persist;
    if (persist.queryFrom(control.get(), IID_IPersistStreamInit))
        persist->InitNew();
    if (m_inPlaceObject.queryFrom(control.get(), IID_IOleInPlaceObject)) {
        HWND controlWindow = nullptr;
        if (SUCCEEDED(m_inPlaceObject->GetWindow(&controlWindow)) && controlWindow)
            SetActiveWindow(controlWindow);
    }
    RECT area = {};
    GetClientRect(host, &area);
    if (m_inPlaceObject)
        m_inPlaceObject->SetObjectRects(&area, &area);
    if (!(status & kInvisibleAtRuntime))
        m_oleObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, m_site->clientSite(), 0, host, &area);
    if (!siteFirst) {
        m_oleObject->SetClientSite(m_site->clientSite());
        m_oleObject->SetHostNames(nullptr, nullptr);
    }
    if (!m_browser.queryFrom(control.get(), IID_IWebBrowser2))
        return;
    m_site->setBrowser(m_browser.get());
    ComRef<IConnectionPointContainer> points;
    if (points.queryFrom(control.get(), IID_IConnectionPointContainer) &&
        SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, m_connection.out())) && m_connection)
        m_connection->Advise(m_site->eventDispatch(), &m_cookie);
    m_browser->put_MenuBar(VARIANT_FALSE);
    m_browser->put_AddressBar(VARIANT_FALSE);
    m_browser->put_ToolBar(VARIANT_FALSE);
    m_browser->put_StatusBar(VARIANT_FALSE);
    m_browser->put_RegisterAsBrowser(VARIANT_FALSE);
    m_browser->put_RegisterAsDropTarget(VARIANT_FALSE);
}

void SystemWebBrowserControl::releaseControl()
{
    if (m_connection) {
        m_connection->Unadvise(m_cookie);
        m_connection.reset();
    }
    if (m_browser) {
        m_browser->Stop();
        m_browser.reset();
    }
    if (m_inPlaceObject) {
        m_inPlaceObject->UIDeactivate();
        m_inPlaceObject->InPlaceDeactivate();
        m_inPlaceObject.reset();
    }
    if (m_oleObject) {
        m_oleObject->Close(OLECLOSE_NOSAVE);
        m_oleObject->SetClientSite(nullptr);
        m_oleObject.reset();
    }
    m_viewObject.reset();
    if (m_site) {
        m_site->connect(nullptr);
        m_site->setBrowser(nullptr);
        m_site->Release();
        m_site = nullptr;
    }
}

void SystemWebBrowserControl::resized(int width, int height)
{
    if (m_browser) {
        m_browser->put_Width(width);
        m_browser->put_Height(height);
    }
    if (m_inPlaceObject) {
        const RECT area = {0, 0, width, height};
        m_inPlaceObject->SetObjectRects(&area, &area);
    }
}

void SystemWebBrowserControl::connect(WebBrowserEvents* events)
{
    if (m_site)
        m_site->connect(events);
}

bool SystemWebBrowserControl::navigate(const String& address)
{
    if (!m_browser)
        return false;
    TextVariant target(address);
    if (!target.isValid())
        return false;
    VARIANT empty;
    VariantInit(&empty);
    return SUCCEEDED(m_browser->Navigate2(target.get(), &empty, &empty, &empty, &empty));
}

bool SystemWebBrowserControl::readyState(int& state)
{
    READYSTATE read = READYSTATE_UNINITIALIZED;
    if (!m_browser || FAILED(m_browser->get_ReadyState(&read)))
        return false;
    state = int(read);
    return true;
}

String SystemWebBrowserControl::locationUrl()
{
    BSTR address = nullptr;
    if (!m_browser || FAILED(m_browser->get_LocationURL(&address)))
        return String();
    return ComText::take(address);
}

void SystemWebBrowserControl::run(Command command)
{
    if (!m_browser)
        return;
    switch (command) {
    case kGoBack:
        m_browser->GoBack();
        break;
    case kGoForward:
        m_browser->GoForward();
        break;
    case kRefresh:
        m_browser->Refresh();
        break;
    case kStop:
        m_browser->Stop();
        break;
    case kPrint:
        m_browser->ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER, nullptr, nullptr);
        break;
    case kFind:
        m_browser->ExecWB(OLECMDID_FIND, OLECMDEXECOPT_DONTPROMPTUSER, nullptr, nullptr);
        break;
    case kSelectAll:
        m_browser->ExecWB(OLECMDID_SELECTALL, OLECMDEXECOPT_DONTPROMPTUSER, nullptr, nullptr);
        break;
    case kCopy:
        m_browser->ExecWB(OLECMDID_COPY, OLECMDEXECOPT_DONTPROMPTUSER, nullptr, nullptr);
        break;
    }
}

void SystemWebBrowserControl::setZoom(int percent)
{
    if (!m_browser)
        return;
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = percent;
    m_browser->ExecWB(OLECMDID(63), OLECMDEXECOPT_DONTPROMPTUSER, &value, nullptr);
}

bool SystemWebBrowserControl::zoom(int& percent)
{
    if (!m_browser)
        return false;
    VARIANT value;
    VariantInit(&value);
    if (FAILED(m_browser->ExecWB(OLECMDID(63), OLECMDEXECOPT_DONTPROMPTUSER, nullptr, &value)))
        return false;
    const bool read = SUCCEEDED(VariantChangeType(&value, &value, 0, VT_I4));
    if (read)
        percent = int(value.lVal);
    VariantClear(&value);
    return read;
}

bool SystemWebBrowserControl::property(Property which)
{
    VARIANT_BOOL value = VARIANT_FALSE;
    if (!m_browser)
        return false;
    const HRESULT read = which == kOffline ? m_browser->get_Offline(&value) : m_browser->get_Silent(&value);
    return SUCCEEDED(read) && isTrue(value);
}

void SystemWebBrowserControl::setProperty(Property which, bool on)
{
    if (!m_browser)
        return;
    const VARIANT_BOOL value = on ? VARIANT_TRUE : VARIANT_FALSE;
    if (which == kOffline)
        m_browser->put_Offline(value);
    else
        m_browser->put_Silent(value);
}

void SystemWebBrowserControl::show(bool visible)
{
    ShowWindow(static_cast<HWND>(m_hostWindow.handle()), visible ? SW_SHOW : SW_HIDE);
    if (m_browser)
        m_browser->put_Visible(visible ? VARIANT_TRUE : VARIANT_FALSE);
}

void SystemWebBrowserControl::place(const Rect& rect)
{
    m_place = rect;
    SetWindowPos(static_cast<HWND>(m_hostWindow.handle()), nullptr, rect.x, rect.y, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

bool SystemWebBrowserControl::userAgentChanged()
{
    ComRef<IOleControl> control;
    if (!control.queryFrom(m_browser.get(), IID_IOleControl))
        return false;
    control->OnAmbientPropertyChange(kUserAgentProperty);
    return true;
}

bool SystemWebBrowserControl::document2(ComRef<IHTMLDocument2>& document)
{
    ComRef<IDispatch> dispatch;
    if (!m_browser || FAILED(m_browser->get_Document(dispatch.out())) || !dispatch)
        return false;
    return document.queryFrom(dispatch.get(), IID_IHTMLDocument2);
}

bool SystemWebBrowserControl::document3(ComRef<IHTMLDocument3>& document)
{
    ComRef<IDispatch> dispatch;
    if (!m_browser || FAILED(m_browser->get_Document(dispatch.out())) || !dispatch)
        return false;
    return document.queryFrom(dispatch.get(), IID_IHTMLDocument3);
}

bool SystemWebBrowserControl::hasDocument()
{
    ComRef<IHTMLDocument2> document;
    return document2(document);
}

bool SystemWebBrowserControl::openDocument()
{
    ComRef<IHTMLDocument2> document;
    if (!document2(document))
        return false;
    BSTR type = ComText::toBstr(String(u"text/html"));
    TextVariant name(String(u"replace"));
    VARIANT replace;
    VariantInit(&replace);
    replace.vt = VT_BOOL;
    replace.boolVal = VARIANT_TRUE;
    VARIANT features;
    VariantInit(&features);
    ComRef<IDispatch> opened;
    const HRESULT result = document->open(type, *name.get(), features, replace, opened.out());
    SysFreeString(type);
    return SUCCEEDED(result);
}

bool SystemWebBrowserControl::writeDocument(const String& html)
{
    ComRef<IHTMLDocument2> document;
    return document2(document) && ComText::writeDocument(document.get(), html);
}

bool SystemWebBrowserControl::closeDocument()
{
    ComRef<IHTMLDocument2> document;
    return document2(document) && SUCCEEDED(document->close());
}

void SystemWebBrowserControl::cacheBackgroundImages()
{
    ComRef<IHTMLDocument2> document;
    if (!document2(document))
        return;
    BSTR command = ComText::toBstr(String(u"BackgroundImageCache"));
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BOOL;
    value.boolVal = VARIANT_TRUE;
    VARIANT_BOOL done = VARIANT_FALSE;
    document->execCommand(command, VARIANT_FALSE, value, &done);
    SysFreeString(command);
}

void SystemWebBrowserControl::setCharset(const String& charset)
{
    ComRef<IHTMLDocument2> document;
    if (charset.isEmpty() || !document2(document))
        return;
    BSTR text = ComText::toBstr(charset);
    document->put_charset(text);
    SysFreeString(text);
}

String SystemWebBrowserControl::charset()
{
    ComRef<IHTMLDocument2> document;
    BSTR text = nullptr;
    if (!document2(document) || FAILED(document->get_charset(&text)))
        return String();
    return ComText::take(text);
}

String SystemWebBrowserControl::rootText(TextGetter getter)
{
    ComRef<IHTMLDocument3> document;
    ComRef<IHTMLElement> root;
    if (!document3(document) || FAILED(document->get_documentElement(root.out())) || !root)
        return String();
    return elementText(root.get(), getter);
}

String SystemWebBrowserControl::documentHtml()
{
    return rootText(&IHTMLElement::get_outerHTML);
}

String SystemWebBrowserControl::documentText()
{
    return rootText(&IHTMLElement::get_outerText);
}

String SystemWebBrowserControl::selectedText()
{
    ComRef<IHTMLDocument2> document;
    ComRef<IHTMLSelectionObject> selection;
    if (!document2(document) || FAILED(document->get_selection(selection.out())) || !selection)
        return String();
    BSTR type = nullptr;
    if (FAILED(selection->get_type(&type)))
        return String();
    const String kind = ComText::take(type).toLower();
    if (kind.isEmpty() || kind == String(u"none") || kind == String(u"control"))
        return String();
    ComRef<IDispatch> range;
    ComRef<IHTMLTxtRange> textRange;
    BSTR text = nullptr;
    if (FAILED(selection->createRange(range.out())) || !textRange.queryFrom(range.get(), IID_IHTMLTxtRange) ||
        FAILED(textRange->get_text(&text)))
        return String();
    return ComText::take(text);
}

StringList SystemWebBrowserControl::links()
{
    StringList targets;
    ComRef<IHTMLDocument3> document;
    ComRef<IHTMLElementCollection> anchors;
    BSTR tag = ComText::toBstr(String(u"a"));
    const bool found =
        document3(document) && SUCCEEDED(document->getElementsByTagName(tag, anchors.out())) && anchors;
    SysFreeString(tag);
    if (found)
        forEachElement(anchors.get(), [&](IHTMLElement* anchor) {
            const String target = anchorTarget(anchor);
            if (!target.isEmpty())
                targets.append(target);
        });
    return targets;
}

WebViewElement SystemWebBrowserControl::elementAt(const Point& point, String* href)
{
    ComRef<IHTMLDocument2> document;
    ComRef<IHTMLElement> element;
    if (!document2(document) || FAILED(document->elementFromPoint(point.x, point.y, element.out())) ||
        !element)
        return WebViewElement();
    if (href)
        *href = enclosingLinkTarget(element.get());
    return describe(element.get());
}

std::vector<WebViewElement> SystemWebBrowserControl::elementsWithIds()
{
    std::vector<WebViewElement> found;
    ComRef<IHTMLDocument2> document;
    ComRef<IHTMLElementCollection> all;
    if (!document2(document) || FAILED(document->get_all(all.out())) || !all)
        return found;
    forEachElement(all.get(), [&](IHTMLElement* element) {
        WebViewElement described = describe(element);
        if (!described.id.isEmpty())
            found.push_back(described);
    });
    return found;
}

std::vector<WebViewElement> SystemWebBrowserControl::anchors()
{
    std::vector<WebViewElement> found;
    ComRef<IHTMLDocument3> document;
    ComRef<IHTMLElementCollection> collection;
    BSTR tag = ComText::toBstr(String(u"a"));
    const bool listed =
        document3(document) && SUCCEEDED(document->getElementsByTagName(tag, collection.out())) && collection;
    SysFreeString(tag);
    if (listed)
        forEachElement(collection.get(), [&](IHTMLElement* anchor) {
            WebViewElement described = describe(anchor);
            described.href = anchorTarget(anchor);
            if (!described.href.isEmpty())
                found.push_back(described);
        });
    return found;
}

bool SystemWebBrowserControl::scrollToElement(const String& id)
{
    ComRef<IHTMLDocument3> document;
    ComRef<IHTMLElement> element;
    BSTR name = ComText::toBstr(id);
    const bool found =
        document3(document) && SUCCEEDED(document->getElementById(name, element.out())) && element;
    SysFreeString(name);
    if (!found)
        return false;
    VARIANT top;
    VariantInit(&top);
    top.vt = VT_BOOL;
    top.boolVal = VARIANT_TRUE;
    return SUCCEEDED(element->scrollIntoView(top));
}

void SystemWebBrowserControl::scrollTo(const Point& point)
{
    ComRef<IHTMLDocument2> document;
    ComRef<IDispatch> script;
    ComRef<IHTMLWindow2> window;
    if (document2(document) && SUCCEEDED(document->get_Script(script.out())) &&
        window.queryFrom(script.get(), IID_IHTMLWindow2))
        window->scrollTo(point.x, point.y);
}

Point SystemWebBrowserControl::scrollPosition()
{
    ComRef<IHTMLDocument2> document;
    ComRef<IHTMLElement> body;
    ComRef<IHTMLElement2> body2;
    if (!document2(document) || FAILED(document->get_body(body.out())) ||
        !body2.queryFrom(body.get(), IID_IHTMLElement2))
        return Point(0, 0);
    long left = 0, top = 0;
    body2->get_scrollLeft(&left);
    body2->get_scrollTop(&top);
    return Point(int(left), int(top));
}

int SystemWebBrowserControl::frameCount()
{
    ComRef<IHTMLDocument2> document;
    ComRef<IHTMLFramesCollection2> frames;
    long count = 0;
    if (!document2(document) || FAILED(document->get_frames(frames.out())) || !frames ||
        FAILED(frames->get_length(&count)))
        return 0;
    return int(count);
}

bool SystemWebBrowserControl::frameDocument(int index, ComRef<IHTMLDocument2>& frame)
{
    ComRef<IHTMLDocument2> document;
    ComRef<IOleContainer> container;
    ComRef<IEnumUnknown> objects;
    if (index < 0 || !document2(document) || !container.queryFrom(document.get(), IID_IOleContainer) ||
        FAILED(container->EnumObjects(OLECONTF_EMBEDDINGS, objects.out())) || !objects)
        return false;
    ComRef<IUnknown> object;
    ComRef<IWebBrowser2> browser;
    ComRef<IDispatch> dispatch;
    if ((index > 0 && objects->Skip(ULONG(index)) != S_OK) ||
        objects->Next(1, object.out(), nullptr) != S_OK ||
        !browser.queryFrom(object.get(), IID_IWebBrowser2) || FAILED(browser->get_Document(dispatch.out())))
        return false;
    return frame.queryFrom(dispatch.get(), IID_IHTMLDocument2);
}

Image SystemWebBrowserControl::snapshot(int minimumWidth)
{
    const Image image = drawWholePage(minimumWidth);
    place(m_place);
    return image;
}

Image SystemWebBrowserControl::drawWholePage(int minimumWidth)
{
    HWND host = static_cast<HWND>(m_hostWindow.handle());
    ComRef<IHTMLDocument2> document;
    ComRef<IHTMLDocument3> document3Part;
    ComRef<IHTMLElement> body;
    ComRef<IHTMLElement2> body2;
    ComRef<IHTMLBodyElement> bodyElement;
    ComRef<IHTMLElement> root;
    ComRef<IHTMLElement2> root2;
    if (!m_browser || !host || !m_viewObject)
        return Image();
    MoveWindow(host, 0, 0, kSnapshotProbeWidth, 1, TRUE);
    if (!document2(document) || !document3(document3Part) || FAILED(document->get_body(body.out())) ||
        !body2.queryFrom(body.get(), IID_IHTMLElement2) ||
        !bodyElement.queryFrom(body.get(), IID_IHTMLBodyElement) ||
        FAILED(document3Part->get_documentElement(root.out())) ||
        !root2.queryFrom(root.get(), IID_IHTMLElement2))
        return Image();
    BSTR scroll = nullptr;
    bodyElement->get_scroll(&scroll);
    if (ComText::take(scroll).toLower() != String(u"no")) {
        BSTR no = ComText::toBstr(String(u"no"));
        bodyElement->put_scroll(no);
        SysFreeString(no);
    }
    long bodyWidth = 0, rootWidth = 0, bodyHeight = 0, rootHeight = 0;
    body2->get_scrollWidth(&bodyWidth);
    root2->get_scrollWidth(&rootWidth);
    body2->get_scrollHeight(&bodyHeight);
    root2->get_scrollHeight(&rootHeight);
    int width = int(bodyWidth > rootWidth ? bodyWidth : rootWidth);
    if (minimumWidth > 0 && minimumWidth > width)
        width = minimumWidth;
    const int height = int(bodyHeight > rootHeight ? bodyHeight : rootHeight);
    if (width <= 0 || height <= 0)
        return Image();
    MoveWindow(host, 0, 0, width, height, TRUE);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    Image image;
    if (memory && bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        const RECTL bounds = {0, 0, width, height};
        m_viewObject->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory, &bounds, nullptr, nullptr,
                           0);
        SelectObject(memory, old);
        image = Image::fromBitmapHandle(bitmap, false);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memory)
        DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}
