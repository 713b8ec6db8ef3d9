#include "ui/core/platform/UIShellFolderWrapper.h"

#include "tests/support/TestSupport.h"
#include "ui/core/input/UIMimeData.h"
#include "ui/core/input/UIOleDrag.h"

#include <gtest/gtest.h>

TEST(UIShellFolderWrapperWine, HandsOutOurDataAndForwardsTheRest)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(testsupport::writeFileBytes(dir.file("a.txt"), {'a'}));
    ASSERT_TRUE(testsupport::writeFileBytes(dir.file("b.txt"), {'b'}));
    StringList paths;
    paths.append(String::fromUtf8(dir.file("a.txt").c_str()));
    paths.append(String::fromUtf8(dir.file("b.txt").c_str()));
    IShellFolder* desktop = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetDesktopFolder(&desktop)));
    auto* wrapper = new UIShellFolderWrapper(desktop, paths);

    EXPECT_EQ(wrapper->QueryInterface(IID_IShellFolder, nullptr), E_POINTER);
    void* asked = nullptr;
    ASSERT_EQ(wrapper->QueryInterface(IID_IShellFolder, &asked), S_OK);
    EXPECT_EQ(asked, static_cast<IShellFolder*>(wrapper));
    wrapper->Release();
    // The desktop folder knows where it is; the wrapper has no such answer
    // of its own.
    IPersist* persist = nullptr;
    ASSERT_EQ(wrapper->QueryInterface(IID_IPersist, reinterpret_cast<void**>(&persist)), S_OK);
    persist->Release();

    IDataObject* data = nullptr;
    ASSERT_EQ(wrapper->GetUIObjectOf(nullptr, 0, nullptr, IID_IDataObject, nullptr,
                                     reinterpret_cast<void**>(&data)),
              S_OK);
    UIMimeData mime;
    fromOleData(data, &mime);
    StringList handed = mime.filePathList();
    ASSERT_EQ(handed.count(), paths.count());
    for (StringList::Node *a = handed.first(), *b = paths.first(); a && b; a = a->next, b = b->next)
        EXPECT_EQ(a->value, b->value);
    data->Release();
    EXPECT_EQ(wrapper->GetUIObjectOf(nullptr, 0, nullptr, IID_IDataObject, nullptr, nullptr), E_POINTER);

    wrapper->Release();
    desktop->Release();
}
