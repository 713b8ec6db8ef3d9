#pragma once

#include "foundation/text/String.h"

// One state of the undo history: the text and the selection it had.
struct UITextSnapshot
{
    int anchor = 0;
    int position = 0;
    String text;
};
