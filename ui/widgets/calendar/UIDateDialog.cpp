#include "ui/widgets/calendar/UIDateDialog.h"

#include "ui/widgets/UITranslate.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/calendar/UICalendar.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"

namespace {

const char16_t* const kContext = u"UserInterface/UIDateDialog";

} // namespace

UIDateDialog::UIDateDialog(UIWidget* parent) : UIDialog(parent, kWindowFlags), m_date(Date::todayLocal()) {}

bool UIDateDialog::exec()
{
    if (!m_calendar)
        build();
    m_calendar->setDate(m_date);
    setResult(0);
    // Shown modally: returns when the run has ended.
    show();
    return result() == 1;
}

void UIDateDialog::build()
{
    applyMetricMargins();
    applyMetricSpacing();
    m_calendar = new UICalendar(this);
    m_calendar->show();
    auto* row = new UIBox(this);
    row->setVerticalFlow(0);
    row->applyMetricSpacing();
    (new UIExpander(row))->show();
    m_okButton = new UIButton(row);
    m_okButton->setText(uiTranslate(u"OK", kContext));
    m_okButton->clicked.connect(this, &UIDateDialog::onOk);
    m_okButton->show();
    m_cancelButton = new UIButton(row);
    m_cancelButton->setText(uiTranslate(u"Cancel", kContext));
    m_cancelButton->clicked.connect(this, &UIDateDialog::onCancel);
    m_cancelButton->show();
    row->show();
}

void UIDateDialog::onOk()
{
    m_selectedDate = m_calendar->date();
    done(1);
}

void UIDateDialog::onCancel()
{
    done(0);
}
