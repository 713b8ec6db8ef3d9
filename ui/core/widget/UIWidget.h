#pragma once

#include "foundation/containers/List.h"
#include "foundation/containers/StringList.h"
#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "foundation/geometry/Size.h"
#include "foundation/signals/Signal.h"
#include "foundation/signals/SignalReceiver.h"
#include "foundation/system/EventReceiver.h"
#include "foundation/text/String.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/events/UITimerClient.h"
#include "ui/core/input/HotKeyShortcut.h"
#include "ui/core/layout/UISizePolicy.h"
#include "ui/core/theme/UICursor.h"
#include "ui/core/widget/UIWidgetGuard.h"

#include <cstdint>
#include <deque>
#include <memory>

class Image;
class UIContextMenu;
class UIEvent;
class UIKeyEvent;
class UIMouseEvent;
class PaintTarget;
class UINativeWindow;
class UIResizeEvent;
class UISkinImage;
class UIPaintEffect;
class UIWheelEvent;
struct UIWidgetPrivate;

// The base of every visible thing of the toolkit. A widget is built hidden
// and not yet created; a subclass's constructor then names its style
// (setStyleName), which binds it to the theme and makes it usable. Children
// belong to their parent: deleting a parent deletes them.
class UIWidget : public SignalReceiver, public EventReceiver, public UITimerClient
{
public:
    // Flag bits.
    static constexpr uint32_t kWindow = 0x1;
    static constexpr uint32_t kCreated = 0x4;
    static constexpr uint32_t kDestroying = 0x8;
    static constexpr uint32_t kWantsDoubleClicks = 0x10;
    static constexpr uint32_t kEnabled = 0x20;
    static constexpr uint32_t kVisible = 0x40;
    static constexpr uint32_t kHovered = 0x80;
    static constexpr uint32_t kMouseDown = 0x100;
    static constexpr uint32_t kKeyDown = 0x200;
    static constexpr uint32_t kHoverTracking = 0x400;
    static constexpr uint32_t kUpdatesEnabled = 0x800;
    static constexpr uint32_t kRelayoutPending = 0x1000;
    static constexpr uint32_t kRepaintPending = 0x2000;
    static constexpr uint32_t kTransparent = 0x4000;
    static constexpr uint32_t kTaskbarButton = 0x20000;
    // Marks the form controls (buttons, check boxes, radio buttons, combo
    // boxes, line edits); nothing reads it.
    static constexpr uint32_t kFormControl = 0x40000;
    static constexpr uint32_t kMouseTransparent = 0x80000;
    static constexpr uint32_t kIgnoresMouse = 0x100000;
    static constexpr uint32_t kIgnoresKeys = 0x200000;
    static constexpr uint32_t kInitialFlags = kEnabled | kUpdatesEnabled | kRepaintPending | kTransparent;

    // Focus policy bits.
    static constexpr uint32_t kTabFocus = 1;
    static constexpr uint32_t kClickFocus = 2;
    static constexpr uint32_t kWheelFocus = 4;

    static constexpr int kHoverTimerId = 100000;
    static constexpr int kArrowCursor = 1;

    UIWidget(UIWidget* parent, uint32_t windowFlags = 0);
    ~UIWidget() override;

    uint32_t id() const;
    void destroy();
    // A name a window gives a widget so that tests can find it ("#id");
    // nothing else reads it.
    void setObjectId(const String& objectId);
    const String& objectId() const;

    // Flags and state.
    void setFlag(uint32_t bits, bool on);
    bool testFlag(uint32_t bits) const { return (m_flags & bits) != 0; }
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool isVisible() const;
    void setEnabled(bool enabled);
    bool isEnabled() const { return testFlag(kEnabled); }
    bool isHovered() const { return testFlag(kHovered); }
    bool isMouseDown() const { return testFlag(kMouseDown); }
    bool isKeyDown() const { return testFlag(kKeyDown); }
    bool isWindow() const { return testFlag(kWindow); }
    void setCursor(const UICursor& cursor);
    const UICursor& cursor() const;

    // Style and theme.
    const String& styleName() const;
    uint64_t styleHash() const;

    // Context menu (owned) and tool tip.
    void setContextMenu(UIContextMenu* menu);
    UIContextMenu* contextMenu() const;
    void setToolTip(const String& text);
    const String& toolTipText() const;
    void setToolTipMaxLength(int length);
    void setToolTipDelay(int ms);
    void setToolTipDuration(int ms);
    void setToolTipGroup(int group);
    void setAutoToolTip(bool on);
    bool autoToolTip() const;
    void showToolTipAt(const Point& point);

    // Tree.
    UIWidget* parentWidget() const;
    bool hasParent() const { return parentWidget() != nullptr; }
    const List<UIWidget*>& children() const { return m_children; }
    bool hasChildren() const { return !m_children.isEmpty(); }
    UIWidget* childAtIndex(int index) const;
    int depth() const;
    bool isDescendantOf(const UIWidget* widget) const;
    bool isAncestorOf(const UIWidget* widget) const;
    UIWidget* childAt(const Point& point) const;
    List<UIWidget*> widgetsAt(const Point& point) const;
    List<UIWidget*> ancestors(bool stopAtWindow) const;
    List<UIWidget*> descendants() const;
    // False for the widget itself or one of its descendants.
    bool setParent(UIWidget* parent);

    // Geometry.
    int x() const { return m_x; }
    int y() const { return m_y; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    Point pos() const { return Point(m_x, m_y); }
    Size size() const { return Size(m_width, m_height); }
    Rect rect() const { return Rect(0, 0, m_width, m_height); }
    int minimumWidth() const { return m_minWidth; }
    int minimumHeight() const { return m_minHeight; }
    int maximumWidth() const { return m_maxWidth; }
    int maximumHeight() const { return m_maxHeight; }
    Rect geometry() const;
    Rect frameGeometry() const;
    Size frameSize() const;
    // The size the layout needs, native frame included: what a window's
    // restored geometry must at least be.
    Size frameSizeHint();
    Rect globalRect() const;
    // Left, top, right and bottom frame widths of a window; zero otherwise.
    Rect frameMargins() const;
    void moveTo(const Point& point) { move(point.x, point.y); }
    void resizeTo(const Size& size) { resize(size.width, size.height); }
    void setGeometry(int x, int y, int width, int height);
    void setMinimumSize(int width, int height);
    void setMinimumWidth(int width);
    void setMinimumHeight(int height);
    void setMaximumSize(int width, int height);
    void setMaximumWidth(int width);
    void setMaximumHeight(int height);
    int scrollX() const { return m_scrollX; }
    int scrollY() const { return m_scrollY; }
    // A child is shown, hit and mapped moved by its parent's scroll offset,
    // so a form scrolls as a whole; one that stays put (a table's header
    // over its scrolled rows) switches that off. Its geometry never changes.
    void setScrollsWithParent(bool on);
    bool scrollsWithParent() const;
    // Where the widget shows in its parent: its position, moved by the
    // parent's scroll offset when it scrolls with it.
    Point scrolledPos() const;

    Point mapToParent(const Point& point) const;
    Point mapFromParent(const Point& point) const;
    Point mapToWindow(const Point& point) const;
    Point mapFromWindow(const Point& point) const;
    Point mapToGlobal(const Point& point) const;
    Point mapFromGlobal(const Point& point) const;
    Point mapTo(const UIWidget* other, const Point& point) const;
    Point mapFrom(const UIWidget* other, const Point& point) const;

    // Window binding.
    UIWidget* window() const;
    UIWidget* parentWindow() const;
    UINativeWindow* nativeWindow() const;
    void* nativeHandle() const;
    // Null while the system window is not made yet; never makes it.
    void* existingNativeHandle() const;
    void* windowHandle() const;
    // Posts an accepted close event: the widget goes unless its handler or a
    // slot refuses.
    void close();
    // Only a window may be asked any of the following, except flash, which
    // a widget with a parent ignores.
    // With appendApplicationName a non-empty text gets the application's
    // title separator, then the product name follows.
    void setWindowTitle(const String& text, bool appendApplicationName);
    void setWindowTitleParts(const StringList& parts, bool appendApplicationName);
    String windowTitle() const;
    // Shown at once: the current title is set again with it.
    void setTitleSuffix(const String& text);
    void setWindowFlag(uint32_t flag, bool on);
    void setWindowFlags(uint32_t flags);
    // Any of the bits set.
    bool testWindowFlag(uint32_t bits) const;
    void setStaysOnTop(bool on);
    bool staysOnTop() const;
    // Minimised wins over maximised, which wins over the keep-state bit.
    void setWindowState(uint32_t states);
    uint32_t windowState() const;
    bool isMinimized() const;
    bool isMaximized() const;
    bool isStateFour() const;
    bool isNormalState() const;
    void setOpacity(float opacity);
    float opacity() const;
    // A window with the modal mark runs modally when shown.
    void setModal(bool modal);
    bool isModal() const;
    void flash(int count);
    void showMinimized();
    void showMaximized();
    // Rect::align flags for showPlaced; also moves the window to (0, 0).
    void setPlacement(uint32_t alignment);
    uint32_t placement() const;
    // Shows the window at least as large as its hint; one still at (0, 0)
    // is first placed by its placement word over its parent's window or on
    // the primary monitor.
    void showPlaced();
    // The modal run: blocks every other window except this one's own
    // descendants, sends the show event and runs a nested loop until
    // endModal, which the destroy sequence calls.
    bool execModal();
    void endModal();
    bool isModalRunning() const;
    // True from the start of a modal run until it has returned to its
    // caller, even after it was asked to end.
    bool isInModalRun() const;
    // The window's layered image (see UINativeWindow); kept at the window's
    // size when it is resized.
    void updateLayered(const Image& image);
    Image layeredImage() const;

    // Paints at once, or marks the window to paint later when this widget
    // cannot be painted now (not created, hidden, or its window is already
    // painting). With updates off on the widget or an ancestor, the
    // outermost such widget is marked instead and paints when they come on.
    void update();
    // Lays out again as far up the tree as the new sizes need; true when a
    // pass ran and moved or resized something. Widgets that place their
    // children themselves add their own pass.
    virtual bool relayout();
    // Off, requests are only remembered; on again, one relayout and one
    // repaint follow however many requests came in between.
    void setUpdatesEnabled(bool on);
    bool updatesEnabled() const { return testFlag(kUpdatesEnabled); }

    // The widget's own surface: paint handlers draw on it.
    PaintTarget* paintTarget() const;
    // The composed frame of the widget's window, its back buffer; null
    // before the window is first composed.
    PaintTarget* frameTarget() const;
    // Copies a rectangle (window client coordinates) of the window's frame to
    // the screen at once; what the native window does on WM_PAINT. Nothing
    // for an empty rectangle or a widget not created or hidden; with updates
    // off, the window is only marked for a repaint.
    void copyToScreenNow(const Rect& rect);
    // Without invert as copyToScreenNow; with invert, inverts the rectangle
    // on the screen except where the widget's visible children lie (the
    // blinking text cursor: inverting twice restores the screen).
    void paintRectNow(const Rect& rect, bool invert);
    // Copies rect of the window's client area from surface at source, with
    // the tests of copyToScreenNow (updates off mark this widget itself).
    void blitToScreen(PaintTarget* surface, const Rect& rect, const Point& source);

    // Overlay effects, owned by the widget. Enabling or disabling one
    // repaints only when its state changes.
    void addEffect(UIPaintEffect* effect);
    void setEffectEnabled(int id, bool on);
    bool hasEffect(int id) const;
    void clearEffects();

    // The grid of the children. None of these lays out by itself.
    void setVerticalFlow(int flow);
    int verticalFlow() const;
    void setSpacing(int horizontal, int vertical);
    void setLayoutSpacing(int spacing) { setSpacing(spacing, spacing); }
    void setVerticalSpacing(int spacing);
    int horizontalSpacing() const;
    int verticalSpacing() const;
    void setColumnCount(int count);
    int columnCount() const;
    void setRowCount(int count);
    int rowCount() const;
    // Columns and rows past the stretch table are ignored and read as 0.
    void setColumnStretch(int column, float stretch);
    float columnStretch(int column) const;
    void setRowStretch(int row, float stretch);
    float rowStretch(int row) const;
    void setColumnSpan(int span);
    int columnSpan() const;
    void setRowSpan(int span);
    int rowSpan() const;
    void setLayoutAlignment(int alignment);
    int layoutAlignment() const;
    void setSizePolicy(int horizontal, int vertical);
    UISizePolicy sizePolicy() const;
    void setLayoutMargins(int left, int top, int right, int bottom);
    void setLayoutMargin(int margin) { setLayoutMargins(margin, margin, margin, margin); }
    void setLeftMargin(int margin);
    void setTopMargin(int margin);
    void setRightMargin(int margin);
    void setBottomMargin(int margin);
    const UIMargins& setLayoutMarginsFrom(const UIMargins& margins);
    const UIMargins& layoutMargins() const;
    // Also switches the layout of every descendant, except that switching
    // it on leaves off the grids that descendants switched off themselves.
    void setLayoutEnabled(bool on);
    bool layoutEnabled() const;
    // Spacing and margins from the current theme's metrics.
    void applyMetricSpacing();
    void applyMetricMargins();
    Size layoutSizeHint();
    // The larger of the content and layout hints, within the minimum and
    // maximum size (the maximum wins); refreshes the hint caches.
    Size effectiveSizeHint();
    // Places this widget in the offered rectangle of its parent (the root
    // keeps its geometry) and its children in their cells; true when a
    // geometry changed.
    bool placeChildren(const Rect& offered, UIWidget* root);

    // Focus and grab.
    static UIWidget* focusWidget();
    static UIWidget* grabWidget();
    bool hasFocus() const { return focusWidget() == this; }
    bool isGrabWidget() const { return grabWidget() == this; }
    void setGrabWidget();
    void releaseGrab();
    void setFocusPolicy(uint32_t policy);
    uint32_t focusPolicy() const;
    void setFocusOrder(int order);
    int focusOrder() const;
    bool isActiveWindow() const;
    // Shows the widget's window when hidden and brings it to the front,
    // restoring it when minimised but keeping it maximised.
    void activateWindow();
    // The toolkit's default font and the empty rectangle, as copies.
    static FontDesc defaultFont();
    static Rect emptyRect();
    void setFocus();
    void clearFocus();
    bool focusNext();
    bool focusPrevious();

    // System-wide hot keys on the widget's native window. Registering fails
    // for a widget without one, an invalid shortcut, an id already registered
    // here or a combination the system refuses.
    bool registerShortcut(const HotKeyShortcut& shortcut);
    void unregisterShortcut(int id);
    const List<HotKeyShortcut>& shortcuts() const;

    // Drag and drop bits: the widget starts drags, the widget takes drops.
    static constexpr uint32_t kDragEnabled = 1;
    static constexpr uint32_t kAcceptsDrops = 2;
    void setDragDropFlags(uint32_t flags);
    uint32_t dragDropFlags() const;
    void setDragEnabled(bool on)
    {
        setDragDropFlags(on ? dragDropFlags() | kDragEnabled : dragDropFlags() & ~kDragEnabled);
    }
    void setAcceptDrops(bool on)
    {
        setDragDropFlags(on ? dragDropFlags() | kAcceptsDrops : dragDropFlags() & ~kAcceptsDrops);
    }
    bool dragEnabled() const { return (dragDropFlags() & kDragEnabled) != 0; }
    bool acceptsDrops() const { return (dragDropFlags() & kAcceptsDrops) != 0; }

    // The dispatcher: the receiver's handler.
    bool handleEvent(UIEvent* event) override { return dispatchEvent(event); }
    bool dispatchEvent(UIEvent* event);
    void timerFired(int id) override;

    // Virtual operations with their defaults.
    virtual void retranslate() {}
    virtual Size sizeHint() const { return Size(0, 0); }
    virtual Size minimumSizeHint() const { return Size(0, 0); }
    virtual void setStyleProperty(const String&, const String&) {}
    virtual void setSkinImage(const UISkinImage&, const String&) {}
    virtual UICursor cursorAt(const Point&) const { return cursor(); }
    virtual void setScrollOffset(int horizontal, int vertical);
    virtual void move(int x, int y);
    virtual void resize(int width, int height);
    virtual void setVisible(bool visible);
    virtual void enable();
    virtual void disable();
    virtual Rect inputCursorRect() const { return Rect(); }
    // The font text is typed in; the toolkit's default unless the widget has
    // its own.
    virtual FontDesc font() const { return FontDesc(); }
    virtual String toolTip(const Point&) const { return toolTipText(); }
    virtual void setStyleName(const String& name);

    // Signals, each emitted with the event after its handler. The two
    // unused ones are never emitted nor connected; they keep the places of
    // the others. sessionEnding (the system asks whether the session may
    // end) and sessionEnded (it ends: the process may be ended at any moment
    // after) come from the native window without an event.
    Signal painted, resized, moved, shown, hidden, stateChanged, closeRequested, unusedSignal8, sessionEnding;
    Signal sessionEnded;
    Signal mousePressed, mouseReleased, mouseMoved, mouseClicked, mouseDoubleClicked, mouseEntered, mouseLeft;
    Signal unusedSignal18;
    Signal customReceived, focusedIn, focusedOut, hotKeyPressed;
    Signal dragEntered, dragMoved, dragLeft, dropped, wheelTurned, keyPressed, keyReleased, externalMessage;

protected:
    virtual void paint(UIEvent*) {}
    virtual void resizeEvent(UIEvent*) {}
    virtual void moveEvent(UIEvent*) {}
    virtual void keyPressEvent(UIEvent*) {}
    virtual void keyReleaseEvent(UIEvent*) {}
    virtual void mousePressEvent(UIEvent*) {}
    virtual void mouseReleaseEvent(UIEvent*) {}
    virtual void clickEvent(UIEvent*) {}
    virtual void doubleClickEvent(UIEvent*) {}
    virtual void wheelEvent(UIEvent*) {}
    virtual void mouseEnterEvent(UIEvent*) {}
    virtual void mouseLeaveEvent(UIEvent*) {}
    virtual void mouseMoveEvent(UIEvent*) {}
    virtual void timerEvent(UIEvent*) {}
    virtual void focusInEvent(UIEvent*) {}
    virtual void focusOutEvent(UIEvent*) {}
    virtual void showEvent(UIEvent*) {}
    virtual void hideEvent(UIEvent*) {}
    virtual void stateChangeEvent(UIEvent*) {}
    virtual void closeEvent(UIEvent*) {}
    // Pops the context menu up where the event asks; a widget that makes its
    // menu on first need makes it here.
    virtual void contextMenuEvent(UIEvent* event);
    virtual void externalMessageEvent(UIEvent*) {}
    virtual void dragEnterEvent(UIEvent*) {}
    virtual void dragMoveEvent(UIEvent*) {}
    virtual void dragLeaveEvent(UIEvent*) {}
    virtual void dropEvent(UIEvent*) {}

private:
    friend class UIWidgetGuard;
    friend class UIComposer;

    using Handler = void (UIWidget::*)(UIEvent*);

    // The widget whose resize started the current chain of resizes.
    static UIWidget*& resizingWidget();

    void ensureNativeWindow();
    void unregisterAllShortcuts();
    void leaveParentAndDeleteChildren();
    void setEnabledFlag(bool on);
    void setVisibleFlag(bool on);
    void applyTheme();
    // Runs the handler and then emits the signal; false when the widget is
    // gone afterwards and must not be touched.
    bool deliver(Handler handler, Signal& signal, UIEvent* event);
    void dispatchByType(UIEvent* event);
    void copyWindowToScreen();
    void dispatchHoverTimer(UIEvent* event);
    void dispatchPress(UIMouseEvent* event);
    void dispatchRelease(UIMouseEvent* event);
    void dispatchMove(UIMouseEvent* event);
    void dispatchWheel(UIWheelEvent* event);
    void dispatchClose(UIEvent* event);
    void dispatchResize(UIResizeEvent* event);
    void dispatchKeyPress(UIKeyEvent* event);
    void dispatchKeyRelease(UIKeyEvent* event);
    bool applyResize(UIResizeEvent* event);
    void postMouseEvent(int type, const UIMouseEvent& from);
    // Sends the event to this widget at once.
    void sendNow(UIEvent&& event);
    List<UIWidget*> focusChain() const;
    bool isInsideRect(const Point& point) const;
    void resizeWithinLimits(int width, int height);
    bool buildCells();
    void switchLayout(bool on);
    bool relayoutFromParent();
    bool relayoutWindow();
    // Closes the gap of a child just hidden and repaints the parent.
    void relayoutAfterHide();
    bool layOutAsRoot();
    bool placeInCells(const Rect& offered, UIWidget* root);
    bool placeSelf(const Rect& offered);
    // Make the window's frame or the widget's surface when missing, and
    // resize it to exactly the given size when it is narrower or lower.
    void ensureFrame(int width, int height);
    void ensureSurface(int width, int height);
    // Grows the surface, and a window's frame, to the widget's size plus 100
    // each way when it does not fit, so that growing by small steps
    // reallocates once per 100 pixels at most.
    void fitSurfaces();
    // Whether a copy to the screen may go ahead now; marks the window
    // pending when updates are off.
    bool canCopyToScreen(const Rect& rect, UIWidget* markedWhenOff);
    // Guards on the children, in order, for loops that run their handlers.
    std::deque<UIWidgetGuard> watchedChildren() const;
    void paintNow(UIWidget* window);
    // The outermost of the widget and its ancestors up to its window whose
    // updates are off; null when none holds them.
    UIWidget* updatesHolder() const;

    int32_t m_x = 0;
    int32_t m_y = 0;
    int32_t m_width = 1;
    int32_t m_height = 1;
    List<UIWidget*> m_children;
    int32_t m_scrollX = 0;
    int32_t m_scrollY = 0;
    int32_t m_minWidth = 0;
    int32_t m_minHeight = 0;
    int32_t m_maxWidth = 0;
    int32_t m_maxHeight = 0;
    uint32_t m_flags = kInitialFlags;
    std::unique_ptr<UIWidgetPrivate> d;
};
