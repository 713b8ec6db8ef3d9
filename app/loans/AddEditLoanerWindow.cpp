#include "app/loans/AddEditLoanerWindow.h"

#include "app/loans/LoanDialogParts.h"
#include "app/loans/LoanRules.h"
#include "app/window/DialogLabel.h"
#include "app/window/DialogRun.h"
#include "model/CollectionModel.h"
#include "model/records/LoanerList.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/text/UITextEditView.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"AddEditLoanerWindow";
const char16_t kGeometry[] = u"AddEditLoaner";

} // namespace

AddEditLoanerWindow::AddEditLoanerWindow(CollectionModel& model, UIWidget* parent, Loaner* loaner)
    : m_model(model), m_parent(parent), m_loaner(loaner), m_editing(loaner != nullptr)
{
    buildUi();
    m_ok->clicked.connect(this, &AddEditLoanerWindow::onOk);
    m_cancel->clicked.connect(this, &AddEditLoanerWindow::cancel);
}

AddEditLoanerWindow::~AddEditLoanerWindow()
{
    delete m_dialog;
}

void AddEditLoanerWindow::buildUi()
{
    UIGroup* group = nullptr;
    m_dialog =
        makeLoanDialog(m_parent, translate(m_editing ? u"Edit Loaner" : u"Add Loaner", kContext), &group);
    m_group = group;
    m_name = addLineField(u"Name");
    m_address = addLineField(u"Address");
    m_email = addLineField(u"E-Mail");
    m_phone = addLineField(u"Phone");
    addLabel(group, translate(u"Comments", kContext));
    m_comments = new UITextEditView(group);
    m_comments->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
    m_comments->show();
    addLoanButtonRow(m_dialog, kContext, &m_ok, &m_cancel);
}

UILineEdit* AddEditLoanerWindow::addLineField(const char16_t* label)
{
    addLabel(m_group, translate(label, kContext));
    auto* field = new UILineEdit(m_group);
    field->show();
    return field;
}

bool AddEditLoanerWindow::exec()
{
    return runDialogInItsPlace(m_dialog, String(kGeometry), true, [this] {
        if (!m_editing)
            return;
        m_name->setText(m_loaner->name);
        m_address->setText(m_loaner->address);
        m_email->setText(m_loaner->email);
        m_phone->setText(m_loaner->phone);
        m_comments->textEdit()->setText(m_loaner->comments);
    });
}

bool AddEditLoanerWindow::store()
{
    const String name = m_name->text().trim();
    if (!LoanRules::isLoanerNameAvailable(m_model.loaners(), name, m_loaner))
        return false;
    Loaner values;
    values.name = name;
    values.address = m_address->text().trim();
    values.email = m_email->text().trim();
    values.phone = m_phone->text().trim();
    values.comments = m_comments->textEdit()->text().trim();
    if (!m_editing) {
        m_model.loaners().append(values);
        return true;
    }
    m_loaner->name = values.name;
    m_loaner->address = values.address;
    m_loaner->email = values.email;
    m_loaner->phone = values.phone;
    m_loaner->comments = values.comments;
    return true;
}

void AddEditLoanerWindow::onOk()
{
    if (store())
        m_dialog->accept();
    else
        beepRefusal();
}

void AddEditLoanerWindow::cancel()
{
    m_dialog->reject();
}
