// A relayout of 1,000 widgets, as when the user drags a window's edge: every
// effective hint is asked again down the tree, the cells rebuilt and every
// widget placed at the new size. Once as a tree of forms (sections of rows
// of fields) and once as one flat grid of 100 rows by 10 columns. Each must
// stay within 10 ms.
#include <benchmark/benchmark.h>

#include "foundation/system/MessageLoop.h"
#include "ui/core/layout/UISizePolicy.h"
#include "ui/core/widget/UIWidget.h"

namespace {

class Field : public UIWidget
{
public:
    Field(UIWidget* parent, int k) : UIWidget(parent), m_hint(40 + (k * 37) % 90, 18 + k % 5)
    {
        setStyleName(String(u"UIField"));
        setSizePolicy(k % 3 == 0 ? UISizePolicy::kFixed : UISizePolicy::kPreferred, UISizePolicy::kFixed);
        setFlag(kVisible, true);
    }
    Size sizeHint() const override { return m_hint; }

private:
    Size m_hint;
};

UIWidget* makeForm(UIWidget* parent, int columns)
{
    auto* form = new UIWidget(parent);
    form->setStyleName(String(u"UIForm"));
    form->setColumnCount(columns);
    form->setSpacing(6, 4);
    form->setLayoutMargin(3);
    form->setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    form->setFlag(UIWidget::kVisible, true);
    return form;
}

// 10 sections of 10 rows of 9 fields: 1,010 widgets under the root.
void buildTree(UIWidget* root)
{
    root->setVerticalFlow(1);
    int k = 0;
    for (int s = 0; s < 10; ++s) {
        UIWidget* section = makeForm(root, 1);
        for (int r = 0; r < 10; ++r) {
            UIWidget* row = makeForm(section, 0);
            for (int f = 0; f < 9; ++f)
                new Field(row, k++);
        }
    }
}

void buildFlat(UIWidget* root)
{
    root->setColumnCount(10);
    root->setSpacing(6, 4);
    for (int k = 0; k < 1000; ++k)
        new Field(root, k);
}

// range(0): 0 the tree of forms, 1 the flat grid.
void relayoutWidgets(benchmark::State& state)
{
    MessageLoop::create();
    auto* window = new UIWidget(nullptr);
    window->setFlag(UIWidget::kWindow, true);
    window->setStyleName(String(u"UIWindow"));
    UIWidget* root = makeForm(window, 0);
    if (state.range(0) == 0)
        buildTree(root);
    else
        buildFlat(root);
    int step = 0;
    for (auto _ : state) {
        const int grow = (step++ % 20) * 10;
        Size hint = root->effectiveSizeHint();
        root->placeChildren(Rect(0, 0, hint.width + grow, hint.height + grow), root);
    }
    UIWidget* last = root;
    while (last->hasChildren())
        last = last->childAtIndex(0);
    if (last->width() <= 1)
        state.SkipWithError("the pass placed nothing");
    delete window;
    MessageLoop::destroy();
}

} // namespace

BENCHMARK(relayoutWidgets)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
