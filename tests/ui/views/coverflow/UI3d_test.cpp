#include "tests/support/WidgetFakes.h"
#include "tests/ui/views/coverflow/FakeD3D9Calls.h"
#include "ui/views/coverflow/UI3d.h"

#include <functional>

namespace {

// A scene that logs its ticks and draws and runs an action on its tick.
class ProbeScene : public UI3dScene
{
public:
    explicit ProbeScene(std::vector<std::string>* log) : m_log(log) {}
    void tick(int32_t ms) override
    {
        m_log->push_back("tick " + std::to_string(ms));
        // A copy: the action may delete this scene.
        std::function<void()> action = onTick;
        if (action)
            action();
    }
    void draw() override { m_log->push_back("draw"); }
    bool needsFrame() const override { return changed; }
    String titleAt(const Ray& ray) override { return ray.direction.x < 0 ? String(u"left") : String(); }

    bool changed = true;
    std::function<void()> onTick;

private:
    std::vector<std::string>* m_log;
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
    }
    void TearDown() override
    {
        delete widget;
        D3D9Device::setCallsFactory(nullptr);
        WidgetTest::TearDown();
    }
    ProbeScene* addProbe()
    {
        auto* scene = new ProbeScene(&log);
        widget->addScene(scene);
        return scene;
    }
    void frame() { widget->timerFired(UI3d::kFrameTimerId); }

    UI3d* widget = nullptr;
};

TEST_F(UI3dTest, TheDeviceStartsTheFrameTimerOnlyWhenItExists)
{
    EXPECT_EQ(renderDevice(), widget);
    D3D9Device::setCallsFactory(&FakeD3D9Factory::refuse);
    EXPECT_FALSE(widget->initializeDevice());
    EXPECT_FALSE(widget->isTimerActive(UI3d::kFrameTimerId));
    D3D9Device::setCallsFactory(&FakeD3D9Factory::make);
    EXPECT_TRUE(widget->initializeDevice());
    EXPECT_TRUE(widget->isTimerActive(UI3d::kFrameTimerId));
    EXPECT_EQ(widget->camera()->viewportWidth(), 400);
    delete widget;
    widget = nullptr;
    EXPECT_EQ(renderDevice(), nullptr);
}

TEST_F(UI3dTest, FramesTickFirstAndDrawOnlyWhenShownReadyAndChanged)
{
    ProbeScene* scene = addProbe();
    frame();
    EXPECT_EQ(log, (std::vector<std::string>{"tick 24"})) << "no device yet";
    ASSERT_TRUE(widget->initializeDevice());
    struct Step
    {
        const char* name;
        bool visible, changed;
        FakeD3D9Calls::Cooperation state;
        std::vector<std::string> expected;
    } steps[] = {
        {"shown and changed", true, true, D3D9Calls::kReady, {"tick 24", "draw"}},
        {"idle", true, false, D3D9Calls::kReady, {"tick 24"}},
        {"hidden", false, true, D3D9Calls::kReady, {"tick 24"}},
        {"lost", true, true, D3D9Calls::kLost, {"tick 24"}},
        {"found again", true, true, D3D9Calls::kReady, {"tick 24", "draw"}},
    };
    for (const Step& step : steps) {
        log.clear();
        widget->setVisible(step.visible);
        scene->changed = step.changed;
        FakeD3D9Factory::last()->cooperations.assign(1, step.state);
        int before = widget->frameCount();
        frame();
        EXPECT_EQ(log, step.expected) << step.name;
        EXPECT_EQ(widget->frameCount() - before, step.expected.size() > 1 ? 1 : 0) << step.name;
    }
    // The frame read back is the widget's size.
    EXPECT_EQ(widget->frame().size(), Size(400, 300));
}

TEST_F(UI3dTest, SlotsDuringAFrame)
{
    ASSERT_TRUE(widget->initializeDevice());
    ProbeScene* first = addProbe();
    ProbeScene* second = addProbe();
    // A modal loop in a slot fires the timer again: that frame is skipped.
    // Then the slot deletes the other scene: it is neither ticked nor drawn.
    first->onTick = [this, first, second]() {
        first->onTick = nullptr;
        frame();
        delete second;
    };
    frame();
    EXPECT_EQ(log, (std::vector<std::string>{"tick 24", "draw"}));
    EXPECT_EQ(widget->sceneCount(), 1);
    EXPECT_EQ(widget->frameCount(), 1);

    // A slot deletes the widget itself.
    first->onTick = [this]() {
        delete widget;
        widget = nullptr;
    };
    frame();
    EXPECT_EQ(widget, nullptr);
}

TEST_F(UI3dTest, ToolTipIsTheTitleUnderThePointer)
{
    addProbe();
    EXPECT_TRUE(widget->toolTip(Point(10, 150)).isEmpty()) << "no device, no camera";
    ASSERT_TRUE(widget->initializeDevice());
    widget->camera()->setEye(Vec3(0, 0, -100));
    widget->camera()->setTarget(Vec3(0, 0, 0));
    EXPECT_EQ(widget->toolTip(Point(10, 150)), String(u"left"));
    EXPECT_TRUE(widget->toolTip(Point(390, 150)).isEmpty());
}

} // namespace
