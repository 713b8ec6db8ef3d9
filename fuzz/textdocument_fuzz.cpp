// Runs the bytes as an edit script on a text document (pasted text comes from
// outside): each step is an opcode byte and its arguments. After every step
// the document must hold the text a plain model holds, with lines equal to a
// fresh layout, covering the text, and a cursor on whole characters.
#include "tests/ui/widgets/text/TextDocumentChecks.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct Script
{
    const uint8_t* data;
    size_t size;
    size_t at = 0;

    bool more() const { return at < size; }
    uint8_t next() { return at < size ? data[at++] : 0; }
    // A run of UTF-16 units, lone surrogates and "\r" included.
    std::u16string units()
    {
        std::u16string out;
        for (int n = next() % 16; n > 0 && at + 1 < size; --n) {
            out += static_cast<char16_t>(data[at] | (data[at + 1] << 8));
            at += 2;
        }
        return out;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 12)
        return 0;
    Script script{data, size};
    UITextDocument document(nullptr, nullptr);
    document.setFont(FontDesc(String(u"Courier New"), 15.0f, 0));
    std::u16string model;
    while (script.more()) {
        UITextCursor& cursor = *document.cursor();
        const int position = cursor.position();
        const int from = cursor.selectionStart();
        const int to = cursor.selectionEnd();
        const uint8_t op = script.next();
        switch (op % 10) {
        case 0: {
            if (cursor.removeSelectedText())
                model.erase(from, to - from);
            std::u16string piece = script.units();
            const int at = cursor.position();
            const bool inserted = cursor.insertText(String(piece.data(), static_cast<int>(piece.size())));
            piece.erase(std::remove(piece.begin(), piece.end(), u'\r'), piece.end());
            if (inserted)
                model.insert(at, piece);
            break;
        }
        case 1: {
            const int start = document.previousCharStart(position);
            if (cursor.deleteBackward())
                model.erase(start, position - start);
            break;
        }
        case 2: {
            const int n = document.charLength(position);
            if (cursor.deleteForward())
                model.erase(position, n);
            break;
        }
        case 3:
            cursor.setPosition(script.next(), op & 0x80);
            break;
        case 4:
            cursor.moveCursor(script.next() % 12, op & 0x80);
            break;
        case 5:
            document.setViewRect(Rect(0, 0, script.next() * 2, 100));
            document.setWordWrap(op & 0x80);
            break;
        case 6:
            if (op & 0x80 ? document.undo() : document.redo())
                model.assign(document.text().constCharAt(0), document.length() - 1);
            break;
        case 7:
            cursor.select(script.next() % 3);
            break;
        case 8:
            document.highlightAll(String(script.units().c_str()), op & 0x80, Pen(), Brush(), 0);
            break;
        default: {
            int index = 0;
            if (document.indexAt(Point(script.next(), script.next()), index) && splitsPair(document, index))
                std::abort();
        }
        }
        document.undoStack().push({cursor.anchor(), cursor.position(), document.text()});
        if (!checkTextDocument(document, model).empty())
            std::abort();
    }
    return 0;
}
