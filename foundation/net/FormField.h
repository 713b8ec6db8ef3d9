#pragma once

#include "foundation/text/String.h"

// One field of a url-encoded form; the caller encodes name and value.
struct FormField
{
    String name;
    String value;
};
