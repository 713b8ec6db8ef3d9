#pragma once

#include "foundation/text/String.h"

#include <utility>
#include <vector>

// Replaces "{NAME}" placeholders of a template in one pass: every value is
// inserted as it is and never scanned again, so a title holding "{PLOT}"
// stays a title. Braces that open no known placeholder are copied.
class PlaceholderFiller
{
public:
    // name without its braces; value inserted as given (escaped by the caller).
    void set(const char16_t* name, const String& value);
    String fill(const String& text) const;

private:
    const String* valueOf(const char16_t* name, int length) const;

    std::vector<std::pair<String, String>> m_values;
};
