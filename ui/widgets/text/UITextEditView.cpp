#include "ui/widgets/text/UITextEditView.h"

#include "ui/core/events/UIWheelEvent.h"
#include "ui/core/platform/SystemServices.h"
#include "ui/widgets/scroll/UIScrollAreaViewport.h"
#include "ui/widgets/text/UITextDocument.h"
#include "ui/widgets/text/UITextEdit.h"

UITextEditView::UITextEditView(UIWidget* parent) : UIScrollArea(parent)
{
    setStyleName(String(u"UITextEditView"));
    setFlag(kTransparent, false);
    auto* editor = new UITextEdit(viewport());
    editor->show();
    setContentWidget(editor);
    setViewportBackground(Brush(Color(255, 255, 255), 0));
    setVerticalStep(wheelStep());
}

UITextEditView::~UITextEditView() = default;

UIStyleNames UITextEditView::styleNames()
{
    // The scroll area's own table reads the properties.
    return UIStyleNames{String(u"UITextEditView"), UIScrollArea::styleNames().properties, {}};
}

UITextEdit* UITextEditView::textEdit() const
{
    return static_cast<UITextEdit*>(contentWidget());
}

int UITextEditView::wheelStep() const
{
    UITextEdit* editor = textEdit();
    if (!editor)
        return 1;
    const int line = std::max(1, editor->document()->fontMetrics().height());
    return line * std::max(1, SystemServices::wheelScrollLines());
}

void UITextEditView::setContentWidget(UIWidget* widget)
{
    if (auto* editor = static_cast<UITextEdit*>(widget)) {
        editor->textChanged.connect(this, &UITextEditView::onEditorChanged);
        editor->zoomChanged.connect(this, &UITextEditView::onEditorChanged);
        editor->wheelTurned.connectWithArg(this, &UITextEditView::onEditorWheel);
    }
    UIScrollArea::setContentWidget(widget);
}

void UITextEditView::relayout()
{
    // The wheel keeps scrolling by the user's number of lines.
    setVerticalStep(wheelStep());
    UIScrollArea::relayout();
}

void UITextEditView::onEditorChanged()
{
    relayout();
}

void UITextEditView::onEditorWheel(UIEvent* event)
{
    UITextEdit* editor = textEdit();
    if (editor && editor->zoomsOnWheel(*static_cast<UIWheelEvent*>(event)))
        return;
    handleWheel(event);
}
