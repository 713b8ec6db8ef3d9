// Runs the bytes as an edit script (an opcode byte and its arguments a step;
// pasted text comes from outside) on a text document, which after every step
// must pass the same checks as the random edit test.
#include "tests/ui/widgets/text/TextDocumentChecks.h"

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
    while (script.at < script.size) {
        UITextCursor& cursor = *document.cursor();
        const uint8_t op = script.next();
        switch (op % 10) {
        case 0:
            editWithModel(document, model, 0, script.units());
            break;
        case 1:
            editWithModel(document, model, 1 + op / 128, std::u16string());
            break;
        case 2:
            editWithModel(document, model, 3 + op / 128, std::u16string());
            break;
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
            editWithModel(document, model, 5, std::u16string());
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
