// Timing under Wine with a real font, median of five runs: setText of the
// million-unit sample text wrapped at 600 pixels.
//   wine textdocument_timing.exe
#include "bench/TextDocumentSample.h"
#include "ui/widgets/text/UITextDocument.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main()
{
    const String text = textDocumentSample();
    UITextDocument document(nullptr, nullptr);
    document.setFont(FontDesc(String(u"Segoe UI"), 9.0f, 0));
    document.setViewRect(Rect(0, 0, 600, 400));
    document.setWordWrap(true);
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        document.setText(text);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("setText of %d units wrapped at 600 px: median %.1f ms, %d lines\n", document.length(),
                times[2], document.lineCount());
    return 0;
}
