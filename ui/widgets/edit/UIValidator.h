#pragma once

#include "foundation/text/String.h"

// Checks what is typed into a line edit as it is typed. validate may rewrite
// the text and the position within it (a fix-up the field applies when the
// text is incomplete). The base class accepts everything.
class UIValidator
{
public:
    static constexpr int kInvalid = 0;
    static constexpr int kIncomplete = 1;
    static constexpr int kAcceptable = 2;

    explicit UIValidator(const String& name) : m_name(name) {}
    virtual ~UIValidator() = default;
    UIValidator(const UIValidator&) = delete;
    UIValidator& operator=(const UIValidator&) = delete;

    const String& name() const { return m_name; }
    // Texts a valid input carries before and after its own part.
    void setPrefix(const String& text) { m_prefix = text; }
    const String& prefix() const { return m_prefix; }
    void setSuffix(const String& text) { m_suffix = text; }
    const String& suffix() const { return m_suffix; }

    virtual int validate(String& text, int& position) const;

private:
    String m_name;
    String m_prefix;
    String m_suffix;
};
