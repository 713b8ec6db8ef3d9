#include "tests/support/WidgetFakes.h"
#include "tests/ui/views/coverflow/FakeD3D9Calls.h"
#include "ui/views/coverflow/UI3d.h"

#include <functional>

namespace {

using Log = std::vector<std::string>;

// Logs its ticks and draws; runs an action on its tick.
class ProbeScene : public UI3dScene
{
public:
    explicit ProbeScene(Log* log) : entries(log) {}
    void tick(int32_t ms) override
    {
        entries->push_back("tick " + std::to_string(ms));
        // A copy: the action may delete this scene.
        std::function<void()> action = onTick;
        if (action)
            action();
    }
    void draw() override { entries->push_back("draw"); }
    bool needsFrame() const override { return changed; }
    String titleAt(const Ray&) override { return String(); }

    bool changed = true;
    std::function<void()> onTick;
    Log* entries;
};

class UI3dTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        D3D9Device::setCallsFactory(&FakeD3D9Factory::make);
        widget = new UI3d(top);
        widget->setGeometry(0, 0, 400, 300);
        widget->show();
        probe = new ProbeScene(&log);
        widget->addScene(probe);
    }
    void TearDown() override
    {
        delete widget;
        D3D9Device::setCallsFactory(nullptr);
        WidgetTest::TearDown();
    }
    void frame() { widget->timerFired(UI3d::kFrameTimerId); }

    UI3d* widget = nullptr;
    ProbeScene* probe = nullptr;
};

TEST_F(UI3dTest, FramesTickFirstAndDrawOnlyWhenShownReadyAndChanged)
{
    D3D9Device::setCallsFactory(&FakeD3D9Factory::refuse);
    EXPECT_FALSE(widget->initializeDevice() || widget->isTimerActive(UI3d::kFrameTimerId));
    D3D9Device::setCallsFactory(&FakeD3D9Factory::make);
    ASSERT_TRUE(widget->initializeDevice() && widget->isTimerActive(UI3d::kFrameTimerId));
    EXPECT_EQ(widget->camera()->viewportWidth(), 400);
    struct Step
    {
        bool visible, changed;
        FakeD3D9Calls::Cooperation state;
        bool draws;
    } steps[] = {{true, true, D3D9Calls::kReady, true},
                 {true, false, D3D9Calls::kReady, false},
                 {false, true, D3D9Calls::kReady, false},
                 {true, true, D3D9Calls::kLost, false},
                 {true, true, D3D9Calls::kReady, true}};
    for (const Step& step : steps) {
        log.clear();
        widget->setVisible(step.visible);
        probe->changed = step.changed;
        FakeD3D9Factory::last->cooperations.assign(1, step.state);
        frame();
        EXPECT_EQ(log, (step.draws ? Log{"tick 24", "draw"} : Log{"tick 24"}))
            << step.visible << step.changed << step.state;
    }
    EXPECT_EQ(widget->frame().size(), Size(400, 300));
}

TEST_F(UI3dTest, SlotsDuringAFrame)
{
    ASSERT_TRUE(widget->initializeDevice());
    auto* second = new ProbeScene(&log);
    widget->addScene(second);
    // A modal loop in a slot fires the timer again: that frame is skipped.
    // Then the slot deletes the other scene: it is neither ticked nor drawn.
    probe->onTick = [this, second]() {
        probe->onTick = nullptr;
        frame();
        delete second;
    };
    frame();
    EXPECT_EQ(log, (Log{"tick 24", "draw"}));
    EXPECT_TRUE(widget->sceneCount() == 1 && widget->frameCount() == 1);

    // A slot deletes the widget itself; the scenes' device goes with it.
    EXPECT_EQ(renderDevice(), widget);
    probe->onTick = [this]() { delete std::exchange(widget, nullptr); };
    frame();
    EXPECT_TRUE(widget == nullptr && renderDevice() == nullptr);
}

} // namespace
