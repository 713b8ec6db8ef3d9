#include "ui/widgets/text/UITextEdit.h"

#include "graphics/paint/Painter.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/core/platform/UIInputMethod.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/widgets/edit/UIEditMenu.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/range/UIScrollBar.h"
#include "ui/widgets/text/UITextDocument.h"
#include "ui/widgets/text/UITextEditView.h"
#include "ui/widgets/tooltip/UIToolTip.h"

namespace {

const char16_t* const kSkinNames[] = {u"UITextEdit_Background"};

const UIStyleField<UITextEdit::Style> kFields[] = {
    {u"zoomMinimum", [](UITextEdit::Style& s, const String& v) { s.zoomMinimum = parseStyleFloat(v); }},
    {u"zoomMaximum", [](UITextEdit::Style& s, const String& v) { s.zoomMaximum = parseStyleFloat(v); }},
};

constexpr uint32_t kShift = 1;
constexpr uint32_t kControl = 2;
constexpr int kTextBeam = 4;
constexpr int kWheelAway = 4;

// The menu's texts, then those of its "Text Size" submenu; "" for the
// separators.
const char16_t* const kMenuTexts[] = {u"Undo",   u"Redo", u"",           u"Cut", u"Copy",     u"Paste",
                                      u"Delete", u"",     u"Select All", u"",    u"Text Size"};
const char16_t* const kSizeMenuTexts[] = {u"Increase", u"Decrease", u"", u"Normal"};
constexpr int kMainItems = UITextEdit::kIncreaseItem;
constexpr int kSizeItems = UITextEdit::kMenuItemCount - UITextEdit::kIncreaseItem;
constexpr const char16_t* kContext = u"UserInterface/UITextEdit";

} // namespace

UITextEdit::UITextEdit(UIWidget* parent) : UIEditBase(parent, true)
{
    setStyleName(String(u"UITextEdit"));
    setFlag(kTransparent, false);
    setFlag(kWantsDoubleClicks | kHoverTracking | UIInputMethod::kTakesTextFlag, true);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    setFocusPolicy(kClickFocus);
    setCursor(UICursor(kTextBeam));
    setDragEnabled(true);
    setAcceptDrops(true);
    m_document->setStyle(m_style.edit.documentColors());
    m_document->setFont(m_style.edit.font);
    m_document->setWordWrap(false);
    m_document->setMargins(3, 2, 2, 2);
    m_document->connect(this, &UITextEdit::onTextChanged);
    m_document->cursor()->cursorMoved.connectWithArg(this, &UITextEdit::onCursorMoved);
    m_document->cursor()->selectionChanged.connect(this, &UITextEdit::onSelectionChanged);
    setText(String());
}

UITextEdit::~UITextEdit() = default;

UIStyleNames UITextEdit::styleNames()
{
    std::vector<String> properties = editStyleFieldNames();
    for (const String& name : styleFieldNames(kFields))
        properties.push_back(name);
    return UIStyleNames{String(u"UITextEdit"), properties, skinImageNames(kSkinNames)};
}

// ---- Text ----

void UITextEdit::setText(const String& text)
{
    setScrollOffset(0, 0);
    String stored = text;
    if (maxLength() > 0 && stored.length() > maxLength()) {
        stored = UIEditCommands::cutToLength(stored, maxLength());
        UIEditCommands::refuse();
    }
    m_document->setText(stored, UITextDocument::kClearUndo | UITextDocument::kCursorToEnd);
}

String UITextEdit::text() const
{
    return m_document->text();
}

void UITextEdit::setReadOnly(bool on)
{
    if (on == m_readOnly)
        return;
    applyReadOnly(on, !on);
}

void UITextEdit::clear()
{
    if (isEmpty())
        return;
    m_document->clear();
    setScrollOffset(0, 0);
}

void UITextEdit::setWordWrap(bool on)
{
    m_document->setWordWrap(on);
    update();
}

bool UITextEdit::wordWrap() const
{
    return m_document->wordWrap();
}

int UITextEdit::highlightAll(const String& text, bool caseSensitive, const Pen& pen, const Brush& brush,
                             uint32_t styleFlags)
{
    const int found = m_document->highlightAll(text, caseSensitive, pen, brush, styleFlags);
    if (found > 0)
        update();
    return found;
}

void UITextEdit::clearHighlights()
{
    if (!m_document->hasFormats())
        return;
    m_document->clearFormats();
    update();
}

// ---- Zoom ----

bool UITextEdit::applyZoom(int pixelStep)
{
    FontDesc zoomed = m_document->fontDesc();
    const float current = zoomed.size();
    zoomed.setPixelSize(zoomed.pixelSize() + pixelStep);
    zoomed.setSize(std::min(std::max(zoomed.size(), m_style.zoomMinimum), m_style.zoomMaximum));
    if (pixelStep > 0 ? zoomed.size() <= current : zoomed.size() >= current)
        return false;
    m_document->setFont(zoomed);
    update();
    zoomChanged.emit();
    return true;
}

bool UITextEdit::zoomIn()
{
    if (!m_zoomEnabled || m_document->fontSize() >= m_style.zoomMaximum)
        return false;
    return applyZoom(m_zoomStep);
}

bool UITextEdit::zoomOut()
{
    if (!m_zoomEnabled || m_document->fontSize() <= m_style.zoomMinimum)
        return false;
    return applyZoom(-m_zoomStep);
}

bool UITextEdit::zoomReset()
{
    if (!m_zoomEnabled || m_style.edit.font.size() == m_document->fontSize())
        return false;
    m_document->setFontSize(m_style.edit.font.size());
    update();
    zoomChanged.emit();
    return true;
}

bool UITextEdit::zoomsOnWheel(const UIWheelEvent& wheel) const
{
    return m_zoomEnabled && (wheel.modifiers() & kControl) && isEnabled();
}

// ---- Scrolling ----

UITextEditView* UITextEdit::view() const
{
    UIWidget* viewport = parentWidget();
    UIWidget* area = viewport ? viewport->parentWidget() : nullptr;
    if (!area || area->styleName() != String(u"UITextEditView"))
        return nullptr;
    return static_cast<UITextEditView*>(area);
}

int UITextEdit::lineWidthUpTo(int lineIndex, int position) const
{
    const UITextLine* line = m_document->line(lineIndex);
    if (!line)
        return 0;
    int total = 0;
    const int end = std::min(position, line->start + line->length);
    for (int i = line->start; i < end; i += m_document->charLength(i))
        total += m_document->charWidth(i);
    return total;
}

void UITextEdit::keepCursorVisible()
{
    const UITextCursor* cursor = m_document->cursor();
    const int index = cursor->lineIndex();
    if (index < 0)
        return;
    const Rect margins = m_document->margins();
    const int lineHeight = m_document->fontMetrics().height();
    UITextEditView* area = view();
    const int top = lineHeight * index + scrollY() + margins.y;
    int vertical = -scrollY();
    if (top < margins.y)
        vertical = lineHeight * index;
    else if (top + lineHeight > height() - (margins.y + margins.height))
        vertical = lineHeight * index + margins.y - (height() - margins.y - lineHeight);
    const int room = width() - margins.x - margins.width;
    int offset = scrollX();
    const int x = offset + lineWidthUpTo(index, cursor->position());
    if (x > room) {
        const UITextLine* line = m_document->line(index);
        const int lineWidth = lineWidthUpTo(index, line->start + line->length);
        offset = std::max(offset - (x - room + kScrollRoom), room - lineWidth);
    } else if (x < 0) {
        offset = std::min(offset + kScrollRoom - x, 0);
    }
    if (!area) {
        setScrollOffset(offset, -vertical);
        return;
    }
    if (vertical != -scrollY())
        area->setVerticalValue(vertical);
    if (offset != scrollX())
        area->setHorizontalValue(-offset);
}

// ---- Slots ----

void UITextEdit::onTextChanged()
{
    UIToolTip::hideFor(this);
    UITextCursor* cursor = m_document->cursor();
    m_document->undoStack().push(UITextSnapshot{cursor->anchor(), cursor->position(), m_document->text()});
    textChanged.emit();
    keepCursorVisible();
    update();
}

void UITextEdit::onCursorMoved(const UITextCursorMove* move)
{
    keepCursorVisible();
    update();
    cursorPositionChanged.emitValue(move);
}

void UITextEdit::onSelectionChanged()
{
    update();
    selectionChanged.emit();
}

// ---- Context menu ----

UITextEdit::MenuItems UITextEdit::menuItems() const
{
    MenuItems items;
    const bool enabled = isEnabled();
    const bool canEdit = enabled && editable();
    const bool selection = hasSelection();
    items[kUndoItem].enabled = canEdit && m_document->canUndo();
    items[kRedoItem].enabled = canEdit && m_document->canRedo();
    items[kCutItem].enabled = canEdit && selection;
    items[kDeleteItem].enabled = canEdit && selection;
    items[kCopyItem].enabled = enabled && selection;
    items[kPasteItem].enabled = canEdit && UIClipboard::availableFormat() == UIClipboard::kText;
    items[kSelectAllItem].enabled = enabled && !isEmpty();
    items[kIncreaseItem].enabled = enabled && m_document->fontSize() < m_style.zoomMaximum;
    items[kDecreaseItem].enabled = enabled && m_document->fontSize() > m_style.zoomMinimum;
    return items;
}

void UITextEdit::updateMenu()
{
    const MenuItems items = menuItems();
    UIEditMenu::apply(menu(), items.data(), 0, kMainItems);
    UIEditMenu::apply(m_sizeMenu, items.data(), kIncreaseItem, kSizeItems);
}

UIMenu* UITextEdit::buildMenu()
{
    UIMenu* built = UIEditMenu::build(this, kMenuTexts, kMainItems);
    m_sizeMenu = UIEditMenu::build(built, kSizeMenuTexts, kSizeItems);
    built->setItemSubMenu(kTextSizeItem, m_sizeMenu);
    built->aboutToShow.connect(this, &UITextEdit::updateMenu);
    built->triggered.connectWithArg(this, &UITextEdit::onMenuItem);
    m_sizeMenu->triggered.connectWithArg(this, &UITextEdit::onSizeMenuItem);
    return built;
}

void UITextEdit::onMenuItem(int index)
{
    runEditMenuItem(index);
}

void UITextEdit::onSizeMenuItem(int index)
{
    if (index == kIncreaseItem - kIncreaseItem)
        zoomIn();
    else if (index == kDecreaseItem - kIncreaseItem)
        zoomOut();
    else if (index == kNormalItem - kIncreaseItem)
        zoomReset();
}

void UITextEdit::retranslate()
{
    if (!m_menu)
        return;
    UIEditMenu::retranslate(m_menu, kMenuTexts, kMainItems, kContext);
    UIEditMenu::retranslate(m_sizeMenu, kSizeMenuTexts, kSizeItems, kContext);
}

// ---- Style ----

Size UITextEdit::minimumSizeHint() const
{
    return m_document->sizeHint();
}

void UITextEdit::setStyleProperty(const String& name, const String& value)
{
    if (!applyEditStyleField(m_style.edit, name, value))
        applyStyleField(kFields, m_style, name, value);
}

void UITextEdit::setSkinImage(const UISkinImage& image, const String& name)
{
    if (skinImageIndex(kSkinNames, name) == 0)
        m_frameImage = image;
}

// ---- Paint ----

void UITextEdit::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

bool UITextEdit::isViewBarPressed() const
{
    const UITextEditView* area = view();
    if (!area)
        return false;
    return area->verticalScrollBar()->isMouseDown() || area->horizontalScrollBar()->isMouseDown();
}

void UITextEdit::draw(Painter& painter)
{
    drawEdit(painter, true, isViewBarPressed(), placeholderArea(m_document->fontMetrics().height()));
}

// ---- Events ----

void UITextEdit::resizeEvent(UIEvent*)
{
    // Also while hidden: a window lays its fields out before it shows, and
    // no resize follows once it has, so text wrapped to a stale width would
    // stay cut.
    m_document->setViewRect(rect());
}

void UITextEdit::keyPressEvent(UIEvent* event)
{
    if (m_selecting)
        return;
    auto* key = static_cast<UIKeyEvent*>(event);
    bool inserted = false;
    if (typeKeyText(*key, &inserted))
        return;
    if (key->modifiers() & kControl)
        handleControlKey(key->key(), key->modifiers());
    else
        handleKey(key->key(), key->modifiers());
}

void UITextEdit::handleKey(int key, uint32_t modifiers)
{
    const bool shift = (modifiers & kShift) != 0;
    const bool canEdit = isEnabled() && editable();
    UITextCursor* cursor = m_document->cursor();
    switch (key) {
    case 8:
        if (canEdit)
            backspace();
        else
            UIEditCommands::refuse();
        return;
    case 13:
        if (canEdit)
            insert(String(u"\n"));
        editingFinished.emit();
        return;
    case 33:
    case 34:
        cursor->moveCursor(key == 33 ? UITextCursor::kStart : UITextCursor::kEnd);
        return;
    case 35:
    case 36:
        cursor->moveCursor(key == 35 ? UITextCursor::kLineEnd : UITextCursor::kLineStart);
        return;
    case 37:
        cursor->moveCursor(UITextCursor::kLeft, shift);
        return;
    case 38:
        cursor->moveCursor(UITextCursor::kUp, shift);
        return;
    case 39:
        cursor->moveCursor(UITextCursor::kRight, shift);
        return;
    case 40:
        cursor->moveCursor(UITextCursor::kDown, shift);
        return;
    case 45:
        if (!shift)
            return;
        if (canEdit)
            paste();
        else
            UIEditCommands::refuse();
        return;
    case 46:
        if (!canEdit)
            UIEditCommands::refuse();
        else if (shift)
            cut();
        else
            deleteChar();
        return;
    default:
        return;
    }
}

void UITextEdit::handleControlKey(int key, uint32_t modifiers)
{
    const bool shift = (modifiers & kShift) != 0;
    const bool enabled = isEnabled();
    const bool canEdit = enabled && editable();
    switch (key) {
    case 45:
    case 67:
        if (enabled)
            copy();
        else
            UIEditCommands::refuse();
        return;
    case 48:
    case 96:
        if (enabled)
            zoomReset();
        return;
    case 65:
        if (enabled)
            selectAll();
        else
            UIEditCommands::refuse();
        return;
    case 85:
        if (canEdit)
            m_commands.changeCase(shift);
        else
            UIEditCommands::refuse();
        return;
    case 86:
    case 88:
    case 89:
    case 90:
        if (!canEdit)
            UIEditCommands::refuse();
        else if (key == 86)
            paste();
        else if (key == 88)
            cut();
        else if (key == 89)
            redo();
        else
            undo();
        return;
    case 107:
    case 187:
        if (enabled)
            zoomIn();
        return;
    case 109:
    case 189:
        if (enabled)
            zoomOut();
        return;
    default:
        // Ctrl changes nothing about the moving keys.
        handleKey(key, modifiers);
        return;
    }
}

void UITextEdit::doubleClickEvent(UIEvent*)
{
    m_document->cursor()->select(UITextCursor::kSelectWord);
}

void UITextEdit::wheelEvent(UIEvent* event)
{
    auto* wheel = static_cast<UIWheelEvent*>(event);
    if (!zoomsOnWheel(*wheel))
        return;
    if (wheel->direction() == kWheelAway)
        zoomOut();
    else
        zoomIn();
    event->accept();
}

void UITextEdit::focusOutEvent(UIEvent* event)
{
    UIEditBase::focusOutEvent(event);
    editingFinished.emit();
}
