#include "foundation/text/SharedString.h"

SharedString::SharedString(const String& text)
{
    if (!text.isEmpty())
        m_text = std::make_shared<const String>(text);
}

const String& SharedString::text() const
{
    static const String empty;
    return m_text ? *m_text : empty;
}
