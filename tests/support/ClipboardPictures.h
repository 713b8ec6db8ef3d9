#pragma once

// Windows tests only: the clipboard as another program uses it to hand the
// program a picture or to read one back.
#include <windows.h>

namespace testsupport {

// Opens the clipboard, trying for a second: the program may hold it for a
// moment.
bool openClipboardSoon();

// Empties the clipboard.
bool emptyClipboard();

// A 24-bit device-independent bitmap of one colour on the clipboard, the form
// most programs copy a picture in.
bool copyPicture(int width, int height, COLORREF colour = RGB(0, 0, 0));

// The picture on the clipboard as another program pastes it: the
// device-independent bitmap's size and the colour at its centre.
struct ClipboardPicture
{
    int width = 0;
    int height = 0;
    COLORREF centre = 0;
};

bool readClipboardPicture(ClipboardPicture& out);

} // namespace testsupport
