#include "app/movie/MovieItemWindow.h"

#include "app/window/DialogButtonRow.h"
#include "app/window/DialogLabel.h"
#include "app/window/FieldBalloon.h"
#include "app/window/FieldGroup.h"
#include "app/window/StackedDialog.h"
#include "app/window/WindowGeometry.h"
#include "model/application/Application.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/window/UIDialog.h"

MovieItemWindow::MovieItemWindow(UIWidget* parent, Movie* movie, bool editing, const char16_t* context)
    : m_parent(parent), m_movie(movie), m_editing(editing), m_context(context)
{
}

MovieItemWindow::~MovieItemWindow()
{
    delete m_dialog;
}

void MovieItemWindow::buildFrame(const String& title, int minimumWidth, int minimumHeight)
{
    m_dialog = makeStackedDialog(m_parent, UINativeWindow::kSystemMenu, title);
    m_dialog->setMinimumWidth(minimumWidth);
    if (minimumHeight > 0)
        m_dialog->setMinimumHeight(minimumHeight);
    m_dialog->applyMetricSpacing();
    m_group = makeFieldGroup(m_dialog);
    m_group->applyMetricSpacing();
    m_group->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
    m_group->show();
    m_dialog->setRowStretch(0, 100.0f);
}

UILabel* MovieItemWindow::addLabel(const String& text)
{
    return ::addLabel(m_group, text);
}

void MovieItemWindow::placeEditor(UIWidget* editor)
{
    editor->show();
}

void MovieItemWindow::addButtonRow()
{
    ButtonRowPlacement placement;
    placement.columnSpan = 2;
    placement.flush = true;
    ::addButtonRow(m_group, tr(u"OK"), 3, tr(u"Cancel"), &m_ok, &m_cancel, placement);
    m_ok->clicked.connect(this, &MovieItemWindow::onOk);
    m_cancel->clicked.connect(this, &MovieItemWindow::onCancel);
}

bool MovieItemWindow::run(const String& geometryName)
{
    const bool stored = Application::instance() != nullptr;
    if (stored)
        restoreWindowGeometry(m_dialog, geometryName, true, false);
    m_dialog->setResult(0);
    // Shown modally: returns when the run has ended.
    m_dialog->show();
    if (stored)
        saveWindowGeometry(m_dialog, geometryName, true, false);
    return m_dialog->result() == 1;
}

void MovieItemWindow::showBalloon(UIWidget* field, const String& text)
{
    showFieldBalloon(m_dialog, field, text, kBalloonWarningIcon);
}

void MovieItemWindow::onOk()
{
    if (save())
        m_dialog->accept();
}

void MovieItemWindow::onCancel()
{
    m_dialog->reject();
}
