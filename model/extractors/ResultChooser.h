#pragma once

class SearchResultList;
class UIWidget;

// Asks the user which of several search results to read. The windows fill it
// with the select-movie window (giving back the normal cursor while it is
// open); tests fill it with a scripted answer.
class ResultChooser
{
public:
    virtual ~ResultChooser() = default;
    // The index field of the accepted result, or -1 when the user cancelled.
    virtual int choose(UIWidget* parent, const SearchResultList& results) = 0;
};
