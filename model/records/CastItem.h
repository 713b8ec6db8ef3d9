#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

// One entry of a movie's cast: the actor and the part the actor plays.
struct CastItem
{
    String actor;
    String character;
};

class CastItemList : public List<CastItem>
{
};
