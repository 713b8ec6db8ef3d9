#pragma once

#include "foundation/containers/List.h"
#include "foundation/data/Variant.h"
#include "foundation/text/String.h"

// One known setting: its full key and the value it takes on a first start.
struct ConfigDefault
{
    String key;
    Variant value;
};

class ConfigDefaultList : public List<ConfigDefault>
{
};
