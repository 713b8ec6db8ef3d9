#pragma once

#include "foundation/time/Date.h"
#include "ui/widgets/window/UIDialog.h"

class UIButton;
class UICalendar;

// A modal calendar with "OK" and "Cancel": exec returns true on "OK", with
// the calendar's date as the selected date; a cancelled run leaves the
// selected date null.
class UIDateDialog : public UIDialog
{
public:
    static constexpr uint32_t kWindowFlags = 1024 | 256;

    explicit UIDateDialog(UIWidget* parent);

    // The date the calendar starts with.
    void setDate(const Date& date) { m_date = date; }
    const Date& date() const { return m_date; }
    const Date& selectedDate() const { return m_selectedDate; }
    bool exec();

    // Made by exec; null before.
    UICalendar* calendar() const { return m_calendar; }
    UIButton* okButton() const { return m_okButton; }
    UIButton* cancelButton() const { return m_cancelButton; }

private:
    void build();
    void onOk();
    void onCancel();

    UICalendar* m_calendar = nullptr;
    UIButton* m_okButton = nullptr;
    UIButton* m_cancelButton = nullptr;
    Date m_date;
    Date m_selectedDate;
};
