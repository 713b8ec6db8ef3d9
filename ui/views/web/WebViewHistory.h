#pragma once

#include "foundation/text/String.h"

#include <vector>

// The pages a web view was given, oldest first, and the one shown: going
// back and forward moves through them, and a new page drops the ones ahead.
// A page is its HTML text; the empty text stands for "about:blank".
class WebViewHistory
{
public:
    // The oldest pages go first beyond this many: each may be a whole card.
    static constexpr int kMaxPages = 50;

    void add(const String& page);
    bool canGoBack() const { return m_current > 0; }
    bool canGoForward() const { return m_current + 1 < static_cast<int>(m_pages.size()); }
    // Moves and gives the page now current; false when there is none that
    // way.
    bool goBack(String& page);
    bool goForward(String& page);
    // The page shown; false before the first.
    bool current(String& page) const;
    int count() const { return static_cast<int>(m_pages.size()); }

private:
    std::vector<String> m_pages;
    int m_current = -1;
};
