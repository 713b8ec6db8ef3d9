// Timing under Wine and Xvfb, median of 41 keystrokes: a text view holding
// the million-unit sample text, wrapped, in a shown 600 x 400 window; one
// typed character in the middle of the text, with the editor's undo
// snapshot, the view's layout pass and the repaint copied to the screen.
//   wine textedit_timing.exe [folder of white.style]
#include "bench/TextDocumentSample.h"
#include "foundation/system/MessageLoop.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/native/UINativeWindowHost.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/text/UITextDocument.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/text/UITextEditView.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    MessageLoop::create();
    const std::string folder = argc > 1 ? argv[1] : "..";
    const std::string style = folder + "\\white.style";
    if (!UIApplication::instance()->loadTheme(String::fromUtf8(style.c_str()))) {
        std::printf("cannot load %s\n", style.c_str());
        return 1;
    }
    UIWidget window(nullptr);
    window.setFlag(UIWidget::kWindow, true);
    window.setWindowFlags(UINativeWindow::kFrameless);
    window.setStyleName(String(u"UIWindow"));
    window.setLayoutEnabled(false);
    window.setGeometry(0, 0, 600, 400);
    auto* view = new UITextEditView(&window);
    view->setGeometry(0, 0, 600, 400);
    view->show();
    window.show();
    view->relayout();
    UITextEdit* editor = view->textEdit();
    editor->setWordWrap(true);
    const String text = textDocumentSample();
    auto start = Clock::now();
    editor->setText(text);
    const double load = since(start);
    MessageLoop::instance()->mainLoop().processPendingEvents();
    editor->setFocus();
    editor->document()->cursor()->setPosition(editor->length() / 2);
    MessageLoop::instance()->mainLoop().processPendingEvents();

    std::vector<double> times;
    for (int run = 0; run < 41; ++run) {
        UIKeyEvent key(kKeyPressEvent, 'A', 0, String(u"a"));
        start = Clock::now();
        MessageLoop::instance()->sendEvent(&key, editor);
        GdiFlush();
        times.push_back(since(start));
    }
    std::vector<double> parts[3];
    for (int run = 0; run < 21; ++run) {
        start = Clock::now();
        editor->update();
        GdiFlush();
        parts[0].push_back(since(start));
        start = Clock::now();
        view->relayout();
        parts[1].push_back(since(start));
        start = Clock::now();
        editor->document()->undoStack().push(UITextSnapshot{0, run, editor->document()->text()});
        parts[2].push_back(since(start));
    }
    for (auto& p : parts)
        std::sort(p.begin(), p.end());
    std::printf("repaint %.2f, relayout %.2f, snapshot %.2f ms\n", parts[0][10], parts[1][10], parts[2][10]);
    std::sort(times.begin(), times.end());
    std::printf("setText of %d units wrapped in a 600 x 400 view: %.1f ms, %d lines\n", editor->length(),
                load, editor->document()->lineCount());
    std::printf("keystroke in the middle with its repaint: median %.2f ms (min %.2f, max %.2f)\n",
                times[times.size() / 2], times.front(), times.back());
    return 0;
}
