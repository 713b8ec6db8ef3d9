#pragma once

#include "foundation/text/String.h"

#include <vector>

// One stretch of a page's text between tags, with the link and the image seen
// since the stretch before it. The extractors find every field by reading the
// runs next to marker texts.
struct PageTextRun
{
    String text;
    String href;
    String src;
    String alt;
};

// In page order; the rules read runs by index, so this is a vector.
using PageTextRunList = std::vector<PageTextRun>;
