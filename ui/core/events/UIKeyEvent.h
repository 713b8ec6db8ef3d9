#pragma once

#include "foundation/system/UIEvent.h"
#include "foundation/text/String.h"
#include "ui/core/events/UIEventType.h"

#include <cstdint>

// Key press (122) and release (123).
class UIKeyEvent : public UIEvent
{
public:
    static constexpr uint32_t kShiftModifier = 1;

    UIKeyEvent(int type, int key, uint32_t modifiers, const String& text, bool autoRepeat = false)
        : UIEvent(type), m_key(key), m_modifiers(modifiers), m_text(text), m_autoRepeat(autoRepeat)
    {
        setInput(true);
    }

    int key() const { return m_key; }
    uint32_t modifiers() const { return m_modifiers; }
    const String& text() const { return m_text; }
    bool isAutoRepeat() const { return m_autoRepeat; }
    // The native message's values, for widgets that pass a key on.
    void setNativeValues(uint32_t code, uint32_t wParam, uint32_t lParam)
    {
        m_nativeCode = code;
        m_nativeWParam = wParam;
        m_nativeLParam = lParam;
    }
    uint32_t nativeCode() const { return m_nativeCode; }
    uint32_t nativeWParam() const { return m_nativeWParam; }
    uint32_t nativeLParam() const { return m_nativeLParam; }

private:
    int m_key;
    uint32_t m_modifiers;
    String m_text;
    uint32_t m_nativeCode = 0;
    uint32_t m_nativeWParam = 0;
    uint32_t m_nativeLParam = 0;
    bool m_autoRepeat;
};
