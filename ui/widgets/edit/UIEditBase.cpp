#include "ui/widgets/edit/UIEditBase.h"

#include "graphics/paint/Painter.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/events/UIDragMoveEvent.h"
#include "ui/core/events/UIDropEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/input/UIMimeData.h"
#include "ui/core/platform/UIInputMethod.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/text/UITextDocument.h"

namespace {

constexpr uint32_t kShift = 1;
constexpr uint32_t kControl = 2;
constexpr uint32_t kAlt = 4;
constexpr uint32_t kLeftButton = 1;
constexpr int kTextBeam = 4;
constexpr uint32_t kLeftVCentre = Rect::kAlignLeft | Rect::kAlignVCenter;

} // namespace

UIEditBase::UIEditBase(UIWidget* parent, bool multiLine)
    : UIWidget(parent),
      m_document(std::make_unique<UITextDocument>(this, UIApplication::instance()->theme())),
      m_commands(m_document.get(), multiLine)
{
}

UIMenu* UIEditBase::menu()
{
    if (!m_menu) {
        m_menu = buildMenu();
        setContextMenu(m_menu);
        retranslate();
    }
    return m_menu;
}

void UIEditBase::contextMenuEvent(UIEvent* event)
{
    menu();
    UIWidget::contextMenuEvent(event);
}

UIEditBase::~UIEditBase()
{
    m_caret.stop(*this);
}

void UIEditBase::setPlaceholderText(const String& text)
{
    if (text == m_placeholder)
        return;
    m_placeholder = text;
    if (isEmpty())
        update();
}

bool UIEditBase::hasSelection() const
{
    return m_document->cursor()->hasSelection();
}

String UIEditBase::selectedText() const
{
    return m_document->cursor()->selectedText();
}

void UIEditBase::deselect()
{
    if (hasSelection())
        m_document->cursor()->clearSelection();
}

void UIEditBase::selectAll()
{
    if (!isEmpty())
        m_document->cursor()->select(UITextCursor::kSelectAll);
}

void UIEditBase::clearUndoHistory()
{
    m_document->undoStack().clear();
}

Rect UIEditBase::inputCursorRect() const
{
    return m_document->caretRect();
}

FontDesc UIEditBase::font() const
{
    return m_document->fontDesc();
}

void UIEditBase::applyReadOnly(bool on, bool takesText)
{
    m_readOnly = on;
    m_commands.setEditable(!on);
    setFlag(UIInputMethod::kTakesTextFlag, takesText);
    update();
}

bool UIEditBase::typeKeyText(const UIKeyEvent& key, bool* inserted)
{
    *inserted = false;
    // With Ctrl alone held a key is a command even where the system also
    // made a character of it (Ctrl and the keypad's plus); Ctrl with Alt
    // types the third level of the layout.
    const bool command = (key.modifiers() & (kControl | kAlt)) == kControl;
    if (key.text().isEmpty() || command)
        return false;
    if (!isEnabled() || m_readOnly)
        UIEditCommands::refuse();
    else
        *inserted = insert(key.text());
    return true;
}

void UIEditBase::runEditMenuItem(int index)
{
    switch (index) {
    case kUndoItem:
        undo();
        return;
    case kRedoItem:
        redo();
        return;
    case kCutItem:
        cut();
        return;
    case kCopyItem:
        copy();
        return;
    case kPasteItem:
        paste();
        return;
    case kDeleteItem:
        removeSelection();
        return;
    case kSelectAllItem:
        selectAll();
        return;
    default:
        return;
    }
}

// ---- Paint ----

void UIEditBase::applyDocumentFlags()
{
    uint32_t flags = 0;
    if (m_readOnly)
        flags |= UITextDocument::kReadOnly;
    if (isEnabled())
        flags |= UITextDocument::kEnabled;
    if (hasFocus())
        flags |= UITextDocument::kFocused;
    m_document->setFlags(flags);
}

Rect UIEditBase::placeholderArea(int height) const
{
    const Rect margins = m_document->margins();
    return Rect(margins.x, margins.y, width() - margins.x - margins.width, height);
}

void UIEditBase::drawEdit(Painter& painter, bool withFrame, bool focusedLook, const Rect& placeholder)
{
    const UIEditStyle& style = editStyle();
    if (withFrame) {
        const Brush* background = &style.colors.normal.brush;
        int frame = hasFocus() || isHovered() || focusedLook ? 2 : 0;
        if (!isEnabled()) {
            background = &style.colors.disabled.brush;
            frame = 3;
        } else if (m_readOnly) {
            background = &style.colors.readOnly.brush;
            frame = 0;
        }
        painter.fillRect(rect(), *background);
        m_frameImage.draw(painter, rect(), frame, UISkinImage::kAllCells);
    }
    painter.setClipRect(Rect(1, 1, width() - 2, height() - 2));
    applyDocumentFlags();
    m_document->setVerticalOffset(scrollY());
    m_document->setHorizontalOffset(scrollX());
    m_document->paint(painter);
    if (isEmpty() && !m_placeholder.isEmpty() && (!hasFocus() || m_readOnly)) {
        painter.setFont(style.blankFont);
        painter.setPen(style.blankPen);
        painter.drawText(m_placeholder, placeholder, kLeftVCentre, 0, false, nullptr);
    }
    painter.resetClip();
    const bool caret = (hasFocus() || m_dropPosition) && editable() && isEnabled() &&
                       !testFlag(UIInputMethod::kComposingFlag);
    m_caret.paint(painter, *this, *m_document, caret);
}

// ---- Mouse, caret and focus ----

void UIEditBase::mousePressEvent(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() != kLeftButton) {
        m_selecting = false;
        return;
    }
    int index = 0;
    if (m_document->indexAt(mouse->position(), index))
        m_document->cursor()->setPosition(index, (mouse->modifiers() & kShift) != 0);
    else if (hasSelection())
        m_document->cursor()->clearSelection();
    m_selecting = true;
}

void UIEditBase::mouseReleaseEvent(UIEvent* event)
{
    if (static_cast<UIMouseEvent*>(event)->button() == kLeftButton)
        m_selecting = false;
}

void UIEditBase::mouseEnterEvent(UIEvent*)
{
    update();
}

void UIEditBase::mouseLeaveEvent(UIEvent*)
{
    update();
}

void UIEditBase::mouseMoveEvent(UIEvent* event)
{
    if (!m_selecting) {
        setCursor(UICursor(kTextBeam));
        return;
    }
    int index = 0;
    if (m_document->indexAt(static_cast<UIMouseEvent*>(event)->position(), index))
        m_document->cursor()->setPosition(index, true);
}

void UIEditBase::timerEvent(UIEvent* event)
{
    if (static_cast<UICustomEvent*>(event)->code() == UIEditCaret::kTimerId)
        m_caret.blink(*this, *m_document, UIEditCaret::mayShow(*this, editable()));
}

void UIEditBase::focusInEvent(UIEvent*)
{
    update();
    m_caret.start(*this);
}

void UIEditBase::focusOutEvent(UIEvent*)
{
    m_caret.stop(*this);
    update();
}

// ---- Dropped text ----

void UIEditBase::dragEnterEvent(UIEvent* event)
{
    if (takesDrops() && UIDragMoveEvent::mimeData().hasText())
        event->accept();
}

void UIEditBase::dragMoveEvent(UIEvent* event)
{
    if (!takesDrops() || !UIDragMoveEvent::mimeData().hasText())
        return;
    event->accept();
    int index = 0;
    if (m_document->indexAt(UIDragMoveEvent::position(), index))
        m_document->cursor()->setPosition(index);
    m_dropPosition = true;
    update();
}

void UIEditBase::dragLeaveEvent(UIEvent*)
{
    m_dropPosition = false;
    update();
}

void UIEditBase::dropEvent(UIEvent*)
{
    m_dropPosition = false;
    if (!takesDrops() || !UIDropEvent::mimeData().hasText()) {
        update();
        return;
    }
    insert(UIDropEvent::mimeData().text());
}
