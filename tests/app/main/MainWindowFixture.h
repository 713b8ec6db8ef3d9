#pragma once

// The main window as its View builds it on the widget fakes, on a machine
// without Direct3D, where the cover flow is unavailable.
#include "app/main/MainWindow.h"
#include "app/view/View.h"
#include "model/CollectionModel.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/views/coverflow/D3D9Calls.h"
#include "ui/views/coverflow/D3D9Device.h"

#include <memory>

class MainWindowFixture : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        D3D9Device::setCallsFactory([]() -> std::unique_ptr<D3D9Calls> { return nullptr; });
        model = std::make_unique<CollectionModel>(testsupport::text(folder.path()));
        view = std::make_unique<View>(*model);
        view->createMainWindow();
        main = view->mainWindow();
    }
    void TearDown() override
    {
        view.reset();
        model.reset();
        D3D9Device::setCallsFactory(nullptr);
        WidgetTest::TearDown();
    }

    testsupport::TempDir folder;
    std::unique_ptr<CollectionModel> model;
    std::unique_ptr<View> view;
    MainWindow* main = nullptr;
};
