#include "app/barcode/AddMovieByBarCodeWindow.h"

#include "app/barcode/BarCodeSearch.h"
#include "app/window/CursorOverride.h"
#include "app/window/DialogButtonRow.h"
#include "app/window/DialogLabel.h"
#include "app/window/FieldBalloon.h"
#include "app/window/StackedDialog.h"
#include "app/window/WindowGeometry.h"
#include "foundation/core/AppCore.h"
#include "graphics/image/ImageSet.h"
#include "model/application/Application.h"
#include "model/images/ImageResource.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/picture/UIPicture.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"AddMovieByBarCodeWindow";
const char16_t kGeometryName[] = u"AddMovieByBarCode";
constexpr int kAlertSound = 1;
constexpr int kEnterKey = 13;
constexpr int kOkVariant = 3;
// The theme's small question image.
constexpr int kQuestionImage = 12;

String tr(const char16_t* text)
{
    return Window::translate(text, kContext);
}

} // namespace

AddMovieByBarCodeWindow::AddMovieByBarCodeWindow()
{
    buildDialog();
    m_dialog->shown.connectWithArg(this, &AddMovieByBarCodeWindow::onShown);
    m_dialog->closeRequested.connectWithArg(this, &AddMovieByBarCodeWindow::onClose);
    m_dialog->keyPressed.connectWithArg(this, &AddMovieByBarCodeWindow::onKey);
    m_hint->clicked.connect(this, &AddMovieByBarCodeWindow::onHint);
    m_ok->clicked.connect(this, &AddMovieByBarCodeWindow::onOk);
    m_cancel->clicked.connect(this, &AddMovieByBarCodeWindow::onCancel);
}

AddMovieByBarCodeWindow::~AddMovieByBarCodeWindow()
{
    delete m_dialog;
}

void AddMovieByBarCodeWindow::buildDialog()
{
    m_dialog = makeStackedDialog(UIApplication::instance()->mainWindow(),
                                 UINativeWindow::kSystemMenu | UINativeWindow::kKeyPreview,
                                 tr(u"Add Movie by Bar Code"));
    m_dialog->applyMetricSpacing();
    m_dialog->setRowStretch(0, 100.0f);
    m_dialog->setMinimumWidth(350);

    auto* group = new UIGroup(m_dialog);
    group->setVerticalFlow(0);
    group->setColumnStretch(2, 100.0f);
    auto* picture = new UIPicture(group);
    picture->setImage(loadImageResource(String(u"barcode")), 0, Rect::kAlignLeft | Rect::kAlignTop);
    picture->show();
    addLabel(group, tr(u"Bar Code"));
    m_barCode = new UILineEdit(group);
    m_barCode->setMaxLength(BarCodeSearch::kMaximumDigits);
    m_barCode->show();
    m_hint = new UIButton(group);
    m_hint->setFlat(true);
    const UITheme* theme = UIApplication::instance()->theme();
    if (theme)
        m_hint->setIcon(ImageSet::ImageSetFromImage(theme->image(kQuestionImage)));
    m_hint->show();
    group->show();
    buildButtonRow();
}

void AddMovieByBarCodeWindow::buildButtonRow()
{
    addButtonRow(m_dialog, tr(u"OK"), kOkVariant, tr(u"Cancel"), &m_ok, &m_cancel);
}

NewMovieRecord AddMovieByBarCodeWindow::exec()
{
    if (Application::instance())
        restoreWindowGeometry(m_dialog, String(kGeometryName), true, false);
    m_dialog->setResult(0);
    // Shown modally: returns when the dialog has closed.
    m_dialog->show();
    return m_result;
}

bool AddMovieByBarCodeWindow::searchBarCode()
{
    const String digits = BarCodeSearch::digitsOf(m_barCode->text());
    if (digits.isEmpty()) {
        UIApplication::instance()->playSound(kAlertSound);
        return false;
    }
    m_result = NewMovieRecord();
    if (m_notFound.contains(digits)) {
        UIApplication::instance()->playSound(kAlertSound);
        return false;
    }
    const AppCore* core = AppCore::instance();
    NewMovieRecord found;
    const BarCodeSearch::Outcome outcome =
        BarCodeSearch::search(core ? core->shopHost() : String(), digits, found);
    if (outcome == BarCodeSearch::kFound) {
        m_result = found;
        return true;
    }
    // Only the shop's own answer is final; a failed exchange may be retried.
    if (outcome == BarCodeSearch::kNotFound)
        m_notFound.append(digits);
    showBalloonAt(m_barCode, tr(u"Bar code ^ was not found.").arg(digits));
    return false;
}

void AddMovieByBarCodeWindow::showBalloonAt(UIWidget* widget, const String& text)
{
    showFieldBalloon(m_dialog, widget, text, kBalloonInformationIcon);
}

void AddMovieByBarCodeWindow::onShown(UIEvent*)
{
    m_barCode->setFocus();
}

void AddMovieByBarCodeWindow::onClose(UIEvent*)
{
    if (Application::instance())
        saveWindowGeometry(m_dialog, String(kGeometryName), true, false);
}

void AddMovieByBarCodeWindow::onKey(UIEvent* event)
{
    if (static_cast<UIKeyEvent*>(event)->key() == kEnterKey)
        onOk();
}

void AddMovieByBarCodeWindow::onHint()
{
    showBalloonAt(m_hint,
                  tr(u"Enter the all digits printed on the bar code, including any numbers\nto the right or "
                     u"left of the bar code itself, even if they don't line up\nwith the main row of "
                     u"numbers."));
}

void AddMovieByBarCodeWindow::onOk()
{
    bool found = false;
    {
        CursorOverride wait(CursorOverride::kWait);
        found = searchBarCode();
    }
    if (found)
        m_dialog->accept();
}

void AddMovieByBarCodeWindow::onCancel()
{
    m_dialog->reject();
}
