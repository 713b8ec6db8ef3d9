#include "ui/core/input/UIDataObject.h"
#include "ui/core/input/UIDropSource.h"
#include "ui/core/input/UIFormatEnumerator.h"
#include "ui/core/input/UIGlobalBlock.h"
#include "ui/core/input/UIMimeBlocks.h"
#include "ui/core/input/UIMimeData.h"
#include "ui/core/input/UIOleDrag.h"

#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

using testsupport::utf8;

namespace {

FORMATETC formatOf(CLIPFORMAT format, DWORD tymed = TYMED_HGLOBAL, DWORD aspect = DVASPECT_CONTENT)
{
    return FORMATETC{format, nullptr, aspect, -1, tymed};
}

// A data object holding a text and a raw entry, as a drag from here fills it.
UIDataObject* filledDataObject()
{
    UIMimeData mime;
    mime.setText(u"Solaris");
    mime.setData(u"x-record", ByteArray("17", 2));
    auto* data = new UIDataObject();
    EXPECT_EQ(2, toOleData(mime, data));
    return data;
}

std::string describe(const UIMimeData& mime)
{
    std::string text = utf8(mime.types().join(u"|")) + " " + utf8(mime.text()) + " " +
                       utf8(mime.filePathList().join(u";")) + " " +
                       testsupport::bytesOf(mime.data(u"x-record"));
    if (!mime.image().isNull())
        text += " " + std::to_string(mime.image().width()) + "x" + std::to_string(mime.image().height());
    return text;
}

} // namespace

TEST(UIOleObjectsWine, TheDataObjectAnswersEachQueryAsFormatsAndMediaMatch)
{
    UIDataObject* data = filledDataObject();
    struct Case
    {
        const char* name;
        FORMATETC format;
        HRESULT query;
        HRESULT get;
    };
    const Case cases[] = {
        {"text", formatOf(CF_UNICODETEXT), S_OK, S_OK},
        {"text among more media", formatOf(CF_UNICODETEXT, TYMED_HGLOBAL | TYMED_ISTREAM), S_OK, S_OK},
        {"thumbnail aspect", formatOf(CF_UNICODETEXT, TYMED_HGLOBAL, DVASPECT_THUMBNAIL), DV_E_DVASPECT,
         DV_E_FORMATETC},
        {"format not held", formatOf(CF_DIB), DV_E_CLIPFORMAT, DV_E_FORMATETC},
        {"medium not held", formatOf(CF_UNICODETEXT, TYMED_ISTREAM), DV_E_TYMED, DV_E_FORMATETC},
    };
    for (const Case& c : cases) {
        FORMATETC format = c.format;
        EXPECT_EQ(c.query, data->QueryGetData(&format)) << c.name;
        STGMEDIUM medium = {};
        EXPECT_EQ(c.get, data->GetData(&format, &medium)) << c.name;
        if (c.get != S_OK)
            continue;
        // The caller gets a copy of its own: the stored block stays readable.
        UIMimeData mime;
        {
            UIGlobalBlock block(medium.hGlobal);
            EXPECT_TRUE(UIMimeBlocks::addBlock(UIMimeBlocks::kText, block.data(), block.size(), &mime))
                << c.name;
        }
        ReleaseStgMedium(&medium);
        EXPECT_EQ("Solaris", utf8(mime.text())) << c.name;
    }
    STGMEDIUM medium = {};
    FORMATETC canonical = {};
    EXPECT_EQ(E_INVALIDARG, data->QueryGetData(nullptr));
    EXPECT_EQ(E_INVALIDARG, data->GetData(nullptr, &medium));
    EXPECT_EQ(E_INVALIDARG, data->SetData(&canonical, nullptr, TRUE));
    EXPECT_EQ(E_NOTIMPL, data->GetDataHere(&canonical, &medium));
    EXPECT_EQ(DATA_S_SAMEFORMATETC, data->GetCanonicalFormatEtc(&canonical, &canonical));
    EXPECT_EQ(OLE_E_ADVISENOTSUPPORTED, data->DAdvise(&canonical, 0, nullptr, nullptr));
    EXPECT_EQ(0u, data->Release());
}

TEST(UIOleObjectsWine, TheEnumeratorWalksSkipsResetsAndClonesItsOwnList)
{
    UIDataObject* data = filledDataObject();
    IEnumFORMATETC* formats = nullptr;
    EXPECT_EQ(E_NOTIMPL, data->EnumFormatEtc(DATADIR_SET, &formats));
    EXPECT_EQ(E_POINTER, data->EnumFormatEtc(DATADIR_GET, nullptr));
    ASSERT_EQ(S_OK, data->EnumFormatEtc(DATADIR_GET, &formats));
    EXPECT_EQ(0u, data->Release()) << "the enumerator keeps a copy, not the data object";
    const CLIPFORMAT raw = CLIPFORMAT(RegisterClipboardFormatW(L"CF_DE4C14DD-E9D4-44f6-BC72-7DCC4309BBEF"));
    IEnumFORMATETC* clone = nullptr;
    enum Op
    {
        kNext,
        kNextUncounted,
        kSkip,
        kReset,
        kClone
    };
    struct Step
    {
        Op op;
        ULONG count;
        HRESULT result;
        ULONG fetched;
        CLIPFORMAT first;
    };
    const Step steps[] = {
        {kNextUncounted, 2, S_FALSE, 0, 0}, // more than one needs a count
        {kNextUncounted, 1, S_OK, 1, CF_UNICODETEXT},
        {kClone, 0, S_OK, 0, 0},
        {kNext, 5, S_FALSE, 1, raw},
        {kNext, 1, S_FALSE, 0, 0},
        {kReset, 0, S_OK, 0, 0},
        {kSkip, 2, S_FALSE, 0, 0}, // would reach the end: no move
        {kSkip, 1, S_OK, 0, 0},
        {kNext, 0, S_FALSE, 0, 0},
        {kNext, 1, S_OK, 1, raw},
    };
    for (size_t i = 0; i < sizeof(steps) / sizeof(steps[0]); ++i) {
        const Step& step = steps[i];
        FORMATETC out[5] = {};
        ULONG fetched = 99;
        HRESULT result = S_OK;
        if (step.op == kNext)
            result = formats->Next(step.count, out, &fetched);
        else if (step.op == kNextUncounted)
            result = formats->Next(step.count, out, nullptr);
        else if (step.op == kSkip)
            result = formats->Skip(step.count);
        else if (step.op == kReset)
            result = formats->Reset();
        else
            result = formats->Clone(&clone);
        EXPECT_EQ(step.result, result) << i;
        if (step.op == kNext) {
            EXPECT_EQ(step.fetched, fetched) << i;
        }
        if (step.fetched) {
            EXPECT_EQ(step.first, out[0].cfFormat) << i;
        }
    }
    ASSERT_NE(nullptr, clone);
    FORMATETC next = {};
    EXPECT_EQ(S_OK, clone->Next(1, &next, nullptr));
    EXPECT_EQ(raw, next.cfFormat) << "a clone goes on from where it was made";
    EXPECT_EQ(0u, clone->Release());
    EXPECT_EQ(0u, formats->Release());
}

TEST(UIOleObjectsWine, EveryObjectCountsItsReferencesAndAnswersOnlyItsInterfaces)
{
    IUnknown* objects[] = {new UIDataObject(), new UIFormatEnumerator({}), new UIDropSource(MK_LBUTTON)};
    const IID* own[] = {&IID_IDataObject, &IID_IEnumFORMATETC, &IID_IDropSource};
    for (int i = 0; i < 3; ++i) {
        IUnknown* object = objects[i];
        void* found = nullptr;
        EXPECT_EQ(E_POINTER, object->QueryInterface(IID_IUnknown, nullptr)) << i;
        EXPECT_EQ(E_NOINTERFACE, object->QueryInterface(IID_IDropTarget, &found)) << i;
        EXPECT_EQ(nullptr, found) << i;
        EXPECT_EQ(S_OK, object->QueryInterface(*own[i], &found)) << i;
        EXPECT_EQ(3u, object->AddRef()) << i;
        EXPECT_EQ(2u, object->Release()) << i;
        EXPECT_EQ(1u, static_cast<IUnknown*>(found)->Release()) << i;
        EXPECT_EQ(0u, object->Release()) << i;
    }
}

TEST(UIOleObjectsWine, TheDropSourceDropsOnItsButtonAndCancelsOnAnyOther)
{
    struct Case
    {
        DWORD start;
        BOOL escape;
        DWORD keys;
        HRESULT expected;
    };
    const Case cases[] = {
        {MK_LBUTTON, FALSE, MK_LBUTTON, S_OK},
        {MK_LBUTTON, FALSE, MK_LBUTTON | MK_SHIFT | MK_ALT, S_OK},
        {MK_LBUTTON, FALSE, 0, DRAGDROP_S_DROP},
        {MK_LBUTTON, TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
        {MK_LBUTTON, FALSE, MK_LBUTTON | MK_RBUTTON, DRAGDROP_S_CANCEL},
        {MK_LBUTTON, FALSE, MK_LBUTTON | MK_MBUTTON, DRAGDROP_S_CANCEL},
        {MK_RBUTTON, FALSE, MK_RBUTTON, S_OK},
        {MK_RBUTTON, FALSE, MK_RBUTTON | MK_LBUTTON, DRAGDROP_S_CANCEL},
        {MK_RBUTTON, FALSE, MK_RBUTTON | MK_XBUTTON2, DRAGDROP_S_CANCEL},
        {MK_RBUTTON, FALSE, 0, DRAGDROP_S_DROP},
    };
    for (const Case& c : cases) {
        auto* source = new UIDropSource(c.start);
        EXPECT_EQ(c.expected, source->QueryContinueDrag(c.escape, c.keys)) << c.start << " " << c.keys;
        EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, source->GiveFeedback(DROPEFFECT_COPY));
        source->Release();
    }
}

TEST(UIOleObjectsWine, EveryKindOfEntryCrossesADataObjectWhole)
{
    UIMimeData mime;
    Image cover(3, 2, true);
    cover.fill(Color(255, 1, 2, 3));
    mime.setImage(cover);
    mime.setFilePathList(StringList::split(u"C:\\covers\\heat.jpg|D:\\ronin.png", u"|", 0));
    mime.setData(u"x-record", ByteArray("id=4", 4));
    mime.setText(u"Heat");
    auto* data = new UIDataObject();
    EXPECT_EQ(4, toOleData(mime, data));
    UIMimeData back;
    fromOleData(data, &back);
    EXPECT_EQ(
        "text/plain|text/file-path-list|image/*|x-record Heat C:\\covers\\heat.jpg;D:\\ronin.png id=4 3x2",
        describe(back));
    EXPECT_EQ(Color(255, 1, 2, 3), back.image().pixel(2, 1));
    data->Release();
}

TEST(UIOleObjectsWine, TheShellGivesObjectsForFilesThatExistOnly)
{
    wchar_t folder[MAX_PATH] = {};
    ASSERT_NE(0u, GetTempPathW(MAX_PATH, folder));
    std::wstring path = std::wstring(folder) + L"reelstack-shell-object.txt";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
    struct Case
    {
        std::wstring path;
        int expected;
    };
    const Case cases[] = {{path, 0}, {path + L".missing", 1}, {L"", 1}};
    for (const Case& c : cases) {
        void* object = nullptr;
        String name;
        name.assignChars(reinterpret_cast<const char16_t*>(c.path.c_str()), int(c.path.size()));
        EXPECT_EQ(c.expected, shellUIObject(nullptr, name, IID_IDataObject, &object)) << utf8(name);
        EXPECT_EQ(c.expected == 0, object != nullptr);
        if (object)
            static_cast<IDataObject*>(object)->Release();
    }
    DeleteFileW(path.c_str());
}
