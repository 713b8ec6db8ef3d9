#include "ui/widgets/edit/UILineEdit.h"

#include "foundation/text/CharClass.h"
#include "foundation/time/Time.h"
#include "graphics/paint/Painter.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/platform/UIInputMethod.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/widgets/edit/UIEditMenu.h"
#include "ui/widgets/edit/UIValidator.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/text/UITextDocument.h"
#include "ui/widgets/tooltip/UIToolTip.h"
#include "ui/widgets/window/UIWindow.h"

#include <algorithm>

namespace {

const char16_t* const kSkinNames[] = {u"UILineEdit_Background"};

const UIStyleField<UILineEdit::Style> kFields[] = {
    {u"minimumWidth", [](UILineEdit::Style& s, const String& v) { s.minimumWidth = parseStyleInt(v); }},
    {u"minimumHeight", [](UILineEdit::Style& s, const String& v) { s.minimumHeight = parseStyleInt(v); }},
};

constexpr uint32_t kShift = 1;
constexpr uint32_t kControl = 2;
constexpr int kTextBeam = 4;
// The popup's window flags: frameless, topmost, shown without activating,
// with a drop shadow.
constexpr uint32_t kPopupFlags = 512 | 16 | 8 | 1;
// The top-level window keeps its active look while the popup shows, and
// shows without activating.
constexpr uint32_t kKeepActiveLook = 4;
constexpr uint32_t kNoActivate = 8;

// The menu items' texts; "" for the separators.
const char16_t* const kMenuTexts[] = {u"Undo",  u"Redo",   u"", u"Cut",       u"Copy",
                                      u"Paste", u"Delete", u"", u"Select All"};
constexpr const char16_t* kContext = u"UserInterface/UILineEdit";

int previousWordStart(const String& text, int position)
{
    int i = position;
    while (i > 0 && isSpaceChar(text.at(i - 1)))
        --i;
    while (i > 0 && !isSpaceChar(text.at(i - 1)))
        --i;
    return i;
}

int nextWordStart(const String& text, int position, int end)
{
    int i = position;
    while (i < end && !isSpaceChar(text.at(i)))
        ++i;
    while (i < end && isSpaceChar(text.at(i)))
        ++i;
    return i;
}

} // namespace

UILineEdit::UILineEdit(UIWidget* parent) : UIEditBase(parent, false)
{
    setStyleName(String(u"UILineEdit"));
    setFlag(kTransparent, false);
    setFlag(0x40000 | kWantsDoubleClicks | kHoverTracking | UIInputMethod::kTakesTextFlag, true);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kFixed);
    setFocusPolicy(kTabFocus | kClickFocus);
    setCursor(UICursor(kTextBeam));
    setDragEnabled(true);
    setAcceptDrops(true);

    m_document->setStyle(m_style.edit.documentColors());
    m_document->setFont(m_style.edit.font);
    m_document->setWordWrap(false);
    m_document->setMargins(4, 4, 2, 2);
    m_document->connect(this, &UILineEdit::onDocumentChanged);
    m_document->cursor()->cursorMoved.connectWithArg(this, &UILineEdit::onCursorMoved);
    m_document->cursor()->selectionChanged.connect(this, &UILineEdit::onSelectionChanged);
    setText(String());
    if (UIWidget* top = window())
        top->moved.connect(this, &UILineEdit::onWindowMoved);
}

UILineEdit::~UILineEdit()
{
    delete m_completionPopup;
}

UIStyleNames UILineEdit::styleNames()
{
    std::vector<String> properties = editStyleFieldNames();
    for (const String& name : styleFieldNames(kFields))
        properties.push_back(name);
    return UIStyleNames{String(u"UILineEdit"), properties, skinImageNames(kSkinNames)};
}

// ---- Text ----

void UILineEdit::setText(const String& text)
{
    String stored = text;
    if (maxLength() > 0 && stored.length() > maxLength()) {
        stored = UIEditCommands::cutToLength(stored, maxLength());
        UIEditCommands::refuse();
    }
    m_document->setText(stored, UITextDocument::kClearUndo | UITextDocument::kCursorToEnd);
    setScrollOffset(0, 0);
}

String UILineEdit::text() const
{
    return m_document->text().mid(0, length());
}

String UILineEdit::displayText() const
{
    if (!passwordMode())
        return text();
    String masked;
    for (int i = 0; i < length(); i += m_document->charLength(i))
        masked.appendChar(m_document->passwordChar());
    return masked;
}

void UILineEdit::clear()
{
    if (isEmpty())
        return;
    m_document->clear();
    setScrollOffset(0, 0);
}

void UILineEdit::setReadOnly(bool on)
{
    if (on == m_readOnly)
        return;
    // Read-only and password fields take no input-method text.
    applyReadOnly(on, !on && !passwordMode());
}

void UILineEdit::setPasswordMode(bool on)
{
    if (on == passwordMode())
        return;
    m_document->setPasswordMode(on);
    // No composition window may show what a password is made of.
    setFlag(UIInputMethod::kTakesTextFlag, !on && !m_readOnly);
    update();
}

bool UILineEdit::passwordMode() const
{
    return m_document->passwordMode();
}

void UILineEdit::setPasswordChar(char16_t c)
{
    m_document->setPasswordChar(c);
}

char16_t UILineEdit::passwordChar() const
{
    return m_document->passwordChar();
}

void UILineEdit::setFontStyle(uint32_t flags)
{
    FontDesc styled = m_document->fontDesc();
    styled.setStyle(flags);
    m_document->setFont(styled);
}

void UILineEdit::setValidator(UIValidator* validator)
{
    m_validator.reset(validator);
    if (!m_validator)
        return;
    String checked = text();
    int position = cursorPosition();
    const int state = m_validator->validate(checked, position);
    if (state == UIValidator::kInvalid)
        setText(String());
    else if (checked != text())
        setText(checked);
}

void UILineEdit::setCursorPosition(int position, bool moveAnchor)
{
    m_document->cursor()->setPosition(std::max(0, std::min(position, length())), !moveAnchor);
}

int UILineEdit::cursorPosition() const
{
    return m_document->cursor()->position();
}

void UILineEdit::setSelection(int start, int count)
{
    m_document->cursor()->setSelection(start, count);
}

int UILineEdit::selectionAnchor() const
{
    return m_document->cursor()->anchor();
}

bool UILineEdit::textFits()
{
    return scrollX() == 0 && width() >= m_document->widestLineWidth();
}

// ---- Document slots ----

void UILineEdit::onDocumentChanged()
{
    // Putting a refused text back must not be checked and announced again.
    if (m_validating)
        return;
    if (validateChange())
        onTextChanged();
}

bool UILineEdit::validateChange()
{
    if (!m_validator)
        return true;
    String checked = text();
    int position = cursorPosition();
    const int state = m_validator->validate(checked, position);
    m_validating = true;
    if (state != UIValidator::kInvalid) {
        // The validator's fix-up, applied once and silently.
        if (checked != text()) {
            m_document->setText(checked, UITextDocument::kSilent);
            m_document->cursor()->setPosition(std::max(0, std::min(position, length())));
        }
        m_validating = false;
        return true;
    }
    // Refused: the text and selection from before the change come back; the
    // current snapshot of the history is that text.
    const UITextUndoStack& history = m_document->undoStack();
    if (history.currentIndex() >= 0) {
        const String before = history.at(history.currentIndex()).text;
        m_document->setText(before, UITextDocument::kSilent);
        m_document->cursor()->setPosition(m_restoreAnchor);
        m_document->cursor()->setPosition(m_restorePosition, true);
    } else {
        m_document->setText(String(), UITextDocument::kSilent | UITextDocument::kCursorToEnd);
    }
    m_validating = false;
    UIEditCommands::refuse();
    fixScrollAfterChange();
    update();
    return false;
}

void UILineEdit::onTextChanged()
{
    UIToolTip::hideFor(this);
    UITextCursor* cursor = m_document->cursor();
    m_document->undoStack().push(UITextSnapshot{cursor->anchor(), cursor->position(), m_document->text()});
    rememberCursor();
    setScrollOffset(scrollX(), 0);
    fixScrollAfterChange();
    if (autoToolTip())
        setToolTip(textFits() || passwordMode() ? String() : text());
    update();
    textChanged.emit();
}

void UILineEdit::rememberCursor()
{
    // Only a cursor that moved over the accepted text is where a refused
    // edit puts it back; moves made by an edit itself are not.
    const UITextUndoStack& history = m_document->undoStack();
    if (!m_validator || m_validating || history.currentIndex() < 0 ||
        history.at(history.currentIndex()).text != m_document->text())
        return;
    m_restoreAnchor = m_document->cursor()->anchor();
    m_restorePosition = m_document->cursor()->position();
}

void UILineEdit::onCursorMoved(const UITextCursorMove* move)
{
    rememberCursor();
    scrollToCursor();
    update();
    cursorPositionChanged.emitValue(move);
}

void UILineEdit::onSelectionChanged()
{
    rememberCursor();
    update();
    selectionChanged.emit();
}

void UILineEdit::onWindowMoved()
{
    closeCompletion(false);
}

// ---- Scrolling ----

int UILineEdit::textWidthBefore(int position) const
{
    int total = 0;
    const int end = std::min(position, length());
    for (int i = 0; i < end; i += m_document->charLength(i))
        total += m_document->charWidth(i);
    return total;
}

void UILineEdit::scrollToCursor()
{
    const Rect margins = m_document->margins();
    const int room = width() - margins.x - margins.width;
    int offset = scrollX();
    const int x = offset + textWidthBefore(cursorPosition());
    if (x > room)
        offset = std::max(offset - (x - room + kScrollRoom), room - textWidthBefore(length()));
    else if (x < 0)
        offset = std::min(offset + kScrollRoom - x, 0);
    if (offset != scrollX())
        setScrollOffset(offset, 0);
}

void UILineEdit::fixScrollAfterChange()
{
    if (isEmpty()) {
        setScrollOffset(0, 0);
        return;
    }
    const Rect margins = m_document->margins();
    const int room = width() - margins.x - margins.width;
    const int end = scrollX() + textWidthBefore(length());
    if (scrollX() < 0 && end < room)
        setScrollOffset(std::min(0, room - textWidthBefore(length())), 0);
}

// ---- Completion ----

bool UILineEdit::isCompletionVisible() const
{
    return m_completionPopup && m_completionPopup->isVisible();
}

void UILineEdit::createCompletionPopup()
{
    m_completionPopup = new UIWindow(nullptr, kPopupFlags);
    m_completionPopup->setBorderColor(Color(162, 191, 240));
    m_completionPopup->setLayoutMargin(1);
    m_completionView = new UIListView(m_completionPopup);
    m_completionView->setHorizontalPolicy(0);
    m_completionView->setVerticalPolicy(2);
    m_completionView->list()->setHoverSelection(true);
    m_completionView->list()->setWrapNavigation(true);
    m_completionView->show();
}

void UILineEdit::setWindowFlagsOfTop(uint32_t flags, bool on)
{
    UIWidget* top = window();
    if (!top || !top->isWindow())
        return;
    for (uint32_t flag : {kKeepActiveLook, kNoActivate}) {
        if (flags & flag)
            top->setWindowFlag(flag, on);
    }
}

void UILineEdit::hideCompletion()
{
    if (!isCompletionVisible())
        return;
    m_completionPopup->hide();
    m_completionView->list()->setCurrentIndex(-1, false);
    setWindowFlagsOfTop(kKeepActiveLook | kNoActivate, false);
    update();
}

void UILineEdit::showCompletion(const StringList& matches)
{
    if (!m_completionPopup)
        createCompletionPopup();
    UIList* list = m_completionView->list();
    bool same = list->count() == matches.count();
    int i = 0;
    for (const String& match : matches) {
        if (!same)
            break;
        same = list->item(i++)->text() == match;
    }
    if (!same) {
        list->clear();
        for (const String& match : matches) {
            if (list->count() >= m_completer.maximumMatches())
                break;
            list->addItem(match)->setElideMode(2);
        }
    }
    m_completionView->setHorizontalPolicy(0);
    m_completionView->setVerticalPolicy(0);
    const int height = list->minimumSizeHint().height + 2;
    m_completionPopup->resize(width(), height);
    m_completionPopup->moveTo(mapToGlobal(Point(0, this->height())));
    setWindowFlagsOfTop(kKeepActiveLook, true);
    m_completionPopup->show();
}

void UILineEdit::updateCompletion()
{
    const StringList& matches = m_completer.match(text());
    if (matches.isEmpty()) {
        hideCompletion();
        return;
    }
    showCompletion(matches);
}

void UILineEdit::moveCompletion(bool down)
{
    const int current = m_completionView ? m_completionView->list()->currentIndex() : -1;
    updateCompletion();
    if (!isCompletionVisible())
        return;
    UIList* list = m_completionView->list();
    const int count = list->count();
    if (count == 0)
        return;
    int next;
    if (down)
        next = current < 0 || current >= count - 1 ? 0 : current + 1;
    else
        next = current <= 0 ? count - 1 : current - 1;
    list->setCurrentIndex(next, true);
    list->selectCurrent();
}

void UILineEdit::closeCompletion(bool accept)
{
    if (!isCompletionVisible())
        return;
    UIListItem* chosen = m_completionView->list()->currentItem();
    const String choice = chosen ? chosen->text() : String();
    hideCompletion();
    if (accept && chosen)
        setText(choice);
}

// ---- Context menu ----

UILineEdit::MenuItems UILineEdit::menuItems() const
{
    MenuItems items;
    const bool enabled = isEnabled();
    const bool canEdit = enabled && editable();
    const bool pasteable = canEdit && UIClipboard::availableFormat() == UIClipboard::kText;
    const bool selection = hasSelection();
    items[kPasteItem].enabled = pasteable;
    items[kSelectAllItem].enabled = enabled && !isEmpty();
    if (m_validator) {
        for (int hidden : {kUndoItem, kRedoItem, kFirstSeparator, kCutItem, kDeleteItem, kSecondSeparator})
            items[hidden].shown = false;
        items[kCopyItem].enabled = enabled && !isEmpty() && selection;
        return items;
    }
    if (passwordMode()) {
        for (int hidden :
             {kUndoItem, kRedoItem, kFirstSeparator, kCutItem, kCopyItem, kSecondSeparator, kSelectAllItem})
            items[hidden].shown = false;
        items[kDeleteItem].enabled = canEdit && selection;
        return items;
    }
    items[kUndoItem].enabled = canEdit && m_document->canUndo();
    items[kRedoItem].enabled = canEdit && m_document->canRedo();
    items[kCutItem].enabled = canEdit && selection;
    items[kDeleteItem].enabled = canEdit && selection;
    items[kCopyItem].enabled = enabled && selection;
    return items;
}

void UILineEdit::updateMenu()
{
    const MenuItems items = menuItems();
    UIEditMenu::apply(menu(), items.data(), 0, kMenuItemCount);
}

UIMenu* UILineEdit::buildMenu()
{
    UIMenu* built = UIEditMenu::build(this, kMenuTexts, kMenuItemCount);
    built->aboutToShow.connect(this, &UILineEdit::updateMenu);
    built->triggered.connectWithArg(this, &UILineEdit::onMenuItem);
    return built;
}

void UILineEdit::onMenuItem(int index)
{
    runEditMenuItem(index);
}

bool UILineEdit::copy()
{
    // A password never leaves the field.
    if (passwordMode()) {
        UIEditCommands::refuse();
        return false;
    }
    return m_commands.copy();
}

bool UILineEdit::cut()
{
    if (passwordMode()) {
        UIEditCommands::refuse();
        return false;
    }
    return m_commands.cut();
}

void UILineEdit::popupContextMenu()
{
    // Centred under the field's centre point.
    UIMenu* shownMenu = menu();
    shownMenu->relayout();
    const Point centre = mapToGlobal(Point(width() / 2, height() / 2));
    shownMenu->popup(Point(centre.x - shownMenu->effectiveSizeHint().width / 2, centre.y));
}

void UILineEdit::retranslate()
{
    if (m_menu)
        UIEditMenu::retranslate(m_menu, kMenuTexts, kMenuItemCount, kContext);
}

// ---- Style ----

Size UILineEdit::sizeHint() const
{
    const Rect margins = m_document->margins();
    const int lineHeight = m_document->fontMetrics().height();
    return Size(std::max(m_style.minimumWidth, margins.x + margins.width),
                std::max(m_style.minimumHeight, lineHeight + margins.y + margins.height + 2));
}

void UILineEdit::setStyleProperty(const String& name, const String& value)
{
    if (!applyEditStyleField(m_style.edit, name, value))
        applyStyleField(kFields, m_style, name, value);
}

void UILineEdit::setSkinImage(const UISkinImage& image, const String& name)
{
    if (skinImageIndex(kSkinNames, name) == 0)
        m_frameImage = image;
}

// ---- Paint ----

void UILineEdit::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UILineEdit::draw(Painter& painter)
{
    const Rect margins = m_document->margins();
    drawEdit(painter, m_frame, false, placeholderArea(height() - margins.y - margins.height));
}

// ---- Events ----

void UILineEdit::resizeEvent(UIEvent*)
{
    m_document->setViewRect(rect());
    fixScrollAfterChange();
}

void UILineEdit::keyPressEvent(UIEvent* event)
{
    if (m_selecting)
        return;
    auto* key = static_cast<UIKeyEvent*>(event);
    bool inserted = false;
    if (typeKeyText(*key, &inserted)) {
        if (inserted)
            updateCompletion();
        return;
    }
    if (key->modifiers() & kControl)
        handleControlKey(key->key(), key->modifiers());
    else
        handleEditingKey(key->key(), key->modifiers());
}

void UILineEdit::handleEditingKey(int key, uint32_t modifiers)
{
    const bool shift = (modifiers & kShift) != 0;
    UITextCursor* cursor = m_document->cursor();
    const bool canEdit = isEnabled() && editable();
    switch (key) {
    case 8:
        if (!canEdit) {
            UIEditCommands::refuse();
            return;
        }
        backspace();
        updateCompletion();
        return;
    case 13:
        closeCompletion(true);
        editingFinished.emit();
        return;
    case 27:
        closeCompletion(false);
        return;
    case 35:
        cursor->moveCursor(UITextCursor::kLineEnd);
        return;
    case 36:
        cursor->moveCursor(UITextCursor::kLineStart);
        return;
    case 37:
    case 39:
        if (isEnabled())
            cursor->moveCursor(key == 37 ? UITextCursor::kLeft : UITextCursor::kRight, shift);
        return;
    case 38:
    case 40:
        moveCompletion(key == 40);
        return;
    case 45:
        if (!shift)
            return;
        if (!canEdit)
            UIEditCommands::refuse();
        else
            paste();
        return;
    case 46:
        if (!shift) {
            if (!canEdit) {
                UIEditCommands::refuse();
                return;
            }
            deleteChar();
            updateCompletion();
            return;
        }
        if (!canEdit || passwordMode())
            UIEditCommands::refuse();
        else
            cut();
        return;
    case 93:
        if (isEnabled())
            popupContextMenu();
        return;
    default:
        return;
    }
}

void UILineEdit::handleControlKey(int key, uint32_t modifiers)
{
    const bool shift = (modifiers & kShift) != 0;
    const bool canEdit = isEnabled() && editable();
    UITextCursor* cursor = m_document->cursor();
    switch (key) {
    case 37:
    case 39: {
        if (!isEnabled())
            return;
        const String& all = m_document->text();
        const int to = key == 37 ? previousWordStart(all, cursor->position())
                                 : nextWordStart(all, cursor->position(), length());
        cursor->setPosition(to, shift);
        return;
    }
    case 45:
    case 67:
        if (!isEnabled() || passwordMode())
            UIEditCommands::refuse();
        else
            copy();
        return;
    case 65:
        if (!isEnabled())
            UIEditCommands::refuse();
        else
            selectAll();
        return;
    case 85:
        if (!canEdit || passwordMode())
            UIEditCommands::refuse();
        else
            m_commands.changeCase(shift);
        return;
    case 86:
        if (!canEdit)
            UIEditCommands::refuse();
        else
            paste();
        return;
    case 88:
        if (!canEdit || passwordMode())
            UIEditCommands::refuse();
        else
            cut();
        return;
    case 89:
    case 90:
        if (!canEdit)
            UIEditCommands::refuse();
        else if (key == 89)
            redo();
        else
            undo();
        return;
    default:
        handleEditingKey(key, modifiers);
        return;
    }
}

void UILineEdit::doubleClickEvent(UIEvent*)
{
    const int64_t now = Time::tickCountMs();
    const bool quick = m_lastDoubleClick != 0 && now - m_lastDoubleClick < kSelectAllInterval;
    m_document->cursor()->select(quick || passwordMode() ? UITextCursor::kSelectAll
                                                         : UITextCursor::kSelectWord);
    m_lastDoubleClick = now;
}

void UILineEdit::focusOutEvent(UIEvent* event)
{
    UIEditBase::focusOutEvent(event);
    closeCompletion(true);
    editingFinished.emit();
}
