#include "tests/support/UIEventRecorder.h"

#include "ui/core/events/UIHotKeyEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/events/UIValueEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/core/widget/UIWidget.h"

#include <gtest/gtest.h>

namespace testsupport {

UIEventRecorder::UIEventRecorder(UIWidget* widget)
{
    Signal* signals[] = {&widget->mousePressed,    &widget->mouseReleased,
                         &widget->mouseClicked,    &widget->mouseDoubleClicked,
                         &widget->mouseMoved,      &widget->mouseEntered,
                         &widget->mouseLeft,       &widget->wheelTurned,
                         &widget->keyPressed,      &widget->keyReleased,
                         &widget->closeRequested,  &widget->shown,
                         &widget->hidden,          &widget->focusedIn,
                         &widget->focusedOut,      &widget->stateChanged,
                         &widget->externalMessage, &widget->hotKeyPressed,
                         &widget->painted,         &widget->moved,
                         &widget->resized};
    for (Signal* signal : signals)
        signal->connectWithArg(this, &UIEventRecorder::onEvent);
    widget->sessionEnding.connect(this, &UIEventRecorder::onSessionEnding);
}

void UIEventRecorder::onEvent(UIEvent* event)
{
    Record record;
    record.type = event->type();
    switch (record.type) {
    case kKeyPressEvent:
    case kKeyReleaseEvent: {
        auto* key = static_cast<UIKeyEvent*>(event);
        record.key = key->key();
        record.text = key->text();
        record.autoRepeat = key->isAutoRepeat();
        record.modifiers = key->modifiers();
        break;
    }
    case kWheelEvent: {
        auto* wheel = static_cast<UIWheelEvent*>(event);
        record.direction = wheel->direction();
        record.delta = wheel->delta();
        record.position = wheel->position();
        record.modifiers = wheel->modifiers();
        break;
    }
    case kExternalEvent:
        record.value = static_cast<UIValueEvent*>(event)->value();
        break;
    case kHotKeyEvent:
        record.value = static_cast<UIHotKeyEvent*>(event)->id();
        break;
    default:
        if (record.type >= kMousePressEvent && record.type <= kMouseEnterEvent) {
            auto* mouse = static_cast<UIMouseEvent*>(event);
            record.button = mouse->button();
            record.position = mouse->position();
            record.modifiers = mouse->modifiers();
        }
        break;
    }
    m_records.push_back(record);
}

void UIEventRecorder::onSessionEnding()
{
    ++m_sessionEndings;
}

std::vector<int> UIEventRecorder::types(bool withMoves) const
{
    std::vector<int> result;
    for (const Record& record : m_records) {
        bool move = record.type == kMouseMoveEvent || record.type == kMouseEnterEvent ||
                    record.type == kMouseLeaveEvent || record.type == kPaintEvent;
        if (withMoves || !move)
            result.push_back(record.type);
    }
    return result;
}

int UIEventRecorder::count(int type) const
{
    int found = 0;
    for (const Record& record : m_records)
        found += record.type == type;
    return found;
}

UIEventRecorder::Record UIEventRecorder::last(int type) const
{
    for (auto it = m_records.rbegin(); it != m_records.rend(); ++it) {
        if (it->type == type)
            return *it;
    }
    // A default record would compare equal to expected zeros and hide the
    // missing event.
    ADD_FAILURE() << "no event of type " << type << " was recorded";
    return Record();
}

void UIEventRecorder::clear()
{
    m_records.clear();
    m_sessionEndings = 0;
}

} // namespace testsupport
