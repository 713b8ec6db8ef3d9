#pragma once

#include "model/extractors/ResultChooser.h"

// The extractors' question which search result to read, put to the user in
// the select-movie window. The extraction runs under the wait cursor; the
// window gets the normal one while it is open.
class SelectMovieChooser : public ResultChooser
{
public:
    int choose(UIWidget* parent, const SearchResultList& results) override;
};
