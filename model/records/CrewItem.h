#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

#include <cstdint>

// One entry of a movie's crew: what the person did and who it was.
struct CrewItem
{
    enum Role
    {
        kDirector = 0,
        kProducer = 1,
        kWriter = 2,
        kMusician = 3,
        kCinematography = 4,
        kCreator = 5
    };

    // The translated name of a role; empty for a number outside 0-5.
    static String roleName(int32_t role);

    // Every creator sets the role; a default entry is a director.
    int32_t role = kDirector;
    // A second text of the entry that nothing fills; kept so that a file
    // holding one writes it back unchanged.
    String unme;
    String name;
};

class CrewItemList : public List<CrewItem>
{
};
