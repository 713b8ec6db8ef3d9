#pragma once

#include "foundation/text/String.h"

#include <cstdint>

// Base of the entries that menus, lists, headers, tables and combo boxes own:
// a text, a 64-bit user value (typically a record id) and a tag. Changing
// them repaints nothing; the owning view repaints when told.
class UIItem
{
public:
    UIItem() = default;
    virtual ~UIItem() = default;

    void setUserData(uint32_t low, uint32_t high) { m_userData = (uint64_t(high) << 32) | low; }
    void setUserData(uint64_t value) { m_userData = value; }
    uint64_t userData() const { return m_userData; }
    void setText(const String& text) { m_text = text; }
    const String& text() const { return m_text; }
    void setTag(int tag) { m_tag = tag; }
    int tag() const { return m_tag; }

private:
    uint64_t m_userData = 0;
    String m_text;
    int m_tag = 0;
};
