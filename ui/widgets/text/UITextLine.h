#pragma once

// One visual line of a text document: the units start .. start + length - 1.
// A paragraph's line ends with its "\n"; a line ended by wrapping ends with
// the last character before the break. Where a line was painted is kept by
// the document, which knows the painted origin of all lines at once.
struct UITextLine
{
    int start = 0;
    int length = 0;

    int end() const { return start + length; }
};
