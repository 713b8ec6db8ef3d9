#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

#include <cstdint>

// One title offered by a site's search page.
struct SearchResult
{
    String title;
    // 0 when the page gives none.
    int32_t year = 0;
    // The title page's path on the site, or a whole address after a redirect.
    String link;
    // The position in the result list once the results are offered; -1 before.
    int32_t index = -1;
};

class SearchResultList : public List<SearchResult>
{
};
