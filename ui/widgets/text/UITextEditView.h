#pragma once

#include "ui/widgets/scroll/UIScrollArea.h"

class UITextEdit;

// The scroll area the application windows put a text editor in: it follows
// the editor's text and zoom and scrolls by whole lines.
class UITextEditView : public UIScrollArea
{
public:
    explicit UITextEditView(UIWidget* parent);
    ~UITextEditView() override;

    static UIStyleNames styleNames();

    void setContentWidget(UIWidget* widget) override;
    void relayout() override;
    UITextEdit* textEdit() const;
    // One line times the system's wheel lines.
    int wheelStep() const;

private:
    void onEditorChanged();
    void onEditorWheel(UIEvent* event);
};
