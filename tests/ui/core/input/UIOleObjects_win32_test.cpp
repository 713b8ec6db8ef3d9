#include "ui/core/input/UIDataObject.h"
#include "ui/core/input/UIDropSource.h"
#include "ui/core/input/UIFormatEnumerator.h"
#include "ui/core/input/UIMimeData.h"
#include "ui/core/input/UIOleDrag.h"

#include "tests/support/TestText.h"

#include <gtest/gtest.h>

using testsupport::utf8;

namespace {

const CLIPFORMAT kRaw = CLIPFORMAT(RegisterClipboardFormatW(L"CF_DE4C14DD-E9D4-44f6-BC72-7DCC4309BBEF"));

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

} // namespace

TEST(UIOleObjectsWine, TheDataObjectAnswersEachQueryAsFormatsAndMediaMatch)
{
    UIDataObject* data = filledDataObject();
    struct Case
    {
        FORMATETC format;
        HRESULT query;
        HRESULT get;
    };
    const Case cases[] = {
        {{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL | TYMED_ISTREAM}, S_OK, S_OK},
        {{CF_UNICODETEXT, nullptr, DVASPECT_THUMBNAIL, -1, TYMED_HGLOBAL}, DV_E_DVASPECT, DV_E_FORMATETC},
        {{CF_DIB, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}, DV_E_CLIPFORMAT, DV_E_FORMATETC},
        {{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM}, DV_E_TYMED, DV_E_FORMATETC},
    };
    for (const Case& c : cases) {
        FORMATETC format = c.format;
        STGMEDIUM medium = {};
        EXPECT_EQ(c.query, data->QueryGetData(&format)) << c.query;
        EXPECT_EQ(c.get, data->GetData(&format, &medium)) << c.query;
        if (c.get == S_OK)
            ReleaseStgMedium(&medium); // a copy of its own: the stored block stays
    }
    UIMimeData back;
    fromOleData(data, &back);
    EXPECT_EQ("text/plain|x-record Solaris", utf8(back.types().join(u"|")) + " " + utf8(back.text()));
    EXPECT_EQ(E_INVALIDARG, data->QueryGetData(nullptr));
    EXPECT_EQ(E_INVALIDARG, data->GetData(nullptr, nullptr));
    void* found = nullptr;
    EXPECT_EQ(E_POINTER, data->QueryInterface(IID_IUnknown, nullptr));
    EXPECT_EQ(E_NOINTERFACE, data->QueryInterface(IID_IDropTarget, &found));
    EXPECT_EQ(S_OK, data->QueryInterface(IID_IDataObject, &found));
    EXPECT_EQ(3u, data->AddRef());
    EXPECT_EQ(2u, data->Release());
    EXPECT_EQ(1u, static_cast<IUnknown*>(found)->Release());
    EXPECT_EQ(0u, data->Release());
}

TEST(UIOleObjectsWine, TheEnumeratorWalksSkipsResetsAndClonesItsOwnList)
{
    UIDataObject* data = filledDataObject();
    IEnumFORMATETC* formats = nullptr;
    EXPECT_EQ(E_NOTIMPL, data->EnumFormatEtc(DATADIR_SET, &formats));
    ASSERT_EQ(S_OK, data->EnumFormatEtc(DATADIR_GET, &formats));
    EXPECT_EQ(0u, data->Release()) << "the enumerator keeps a copy, not the data object";
    IEnumFORMATETC* clone = nullptr;
    struct Step
    {
        char op; // Next, next without a count, Skip, Reset, Clone
        ULONG count;
        HRESULT result;
        ULONG fetched;
        CLIPFORMAT first;
    };
    const Step steps[] = {
        {'n', 2, S_FALSE, 0, 0}, // more than one needs a count
        {'n', 1, S_OK, 1, CF_UNICODETEXT},
        {'C', 0, S_OK, 0, 0},
        {'N', 5, S_FALSE, 1, kRaw},
        {'N', 1, S_FALSE, 0, 0},
        {'R', 0, S_OK, 0, 0},
        {'S', 2, S_FALSE, 0, 0}, // would reach the end
        {'S', 1, S_OK, 0, 0},
        {'N', 0, S_FALSE, 0, 0},
        {'N', 1, S_OK, 1, kRaw},
    };
    for (const Step& step : steps) {
        FORMATETC out[5] = {};
        ULONG fetched = 0;
        HRESULT result = step.op == 'N'   ? formats->Next(step.count, out, &fetched)
                         : step.op == 'n' ? formats->Next(step.count, out, nullptr)
                         : step.op == 'S' ? formats->Skip(step.count)
                         : step.op == 'R' ? formats->Reset()
                                          : formats->Clone(&clone);
        EXPECT_EQ(step.result, result) << step.op << step.count;
        EXPECT_EQ(step.fetched, step.op == 'N' ? fetched : (out[0].cfFormat != 0)) << step.op << step.count;
        EXPECT_EQ(step.first, out[0].cfFormat) << step.op << step.count;
    }
    FORMATETC next = {};
    ASSERT_NE(nullptr, clone);
    EXPECT_EQ(S_OK, clone->Next(1, &next, nullptr));
    EXPECT_EQ(kRaw, next.cfFormat) << "a clone goes on from where it was made";
    EXPECT_EQ(0u, clone->Release());
    EXPECT_EQ(0u, formats->Release());
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
        {MK_LBUTTON, FALSE, MK_LBUTTON | MK_SHIFT | MK_ALT, S_OK},
        {MK_LBUTTON, FALSE, 0, DRAGDROP_S_DROP},
        {MK_LBUTTON, TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
        {MK_LBUTTON, FALSE, MK_LBUTTON | MK_RBUTTON, DRAGDROP_S_CANCEL},
        {MK_LBUTTON, FALSE, MK_LBUTTON | MK_MBUTTON, DRAGDROP_S_CANCEL},
        {MK_RBUTTON, FALSE, MK_RBUTTON, S_OK},
        {MK_RBUTTON, FALSE, MK_RBUTTON | MK_LBUTTON, DRAGDROP_S_CANCEL},
        {MK_RBUTTON, FALSE, MK_RBUTTON | MK_XBUTTON2, DRAGDROP_S_CANCEL},
    };
    for (const Case& c : cases) {
        auto* source = new UIDropSource(c.start);
        EXPECT_EQ(c.expected, source->QueryContinueDrag(c.escape, c.keys)) << c.start << " " << c.keys;
        EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, source->GiveFeedback(DROPEFFECT_COPY));
        EXPECT_EQ(0u, source->Release());
    }
}

TEST(UIOleObjectsWine, FilePathsAndImagesCrossADataObjectWhole)
{
    UIMimeData mime;
    Image cover(3, 2, true);
    cover.fill(Color(255, 1, 2, 3));
    mime.setImage(cover);
    mime.setFilePathList(StringList::split(u"C:\\covers\\heat.jpg|D:\\ronin.png", u"|", 0));
    auto* data = new UIDataObject();
    EXPECT_EQ(2, toOleData(mime, data));
    UIMimeData back;
    fromOleData(data, &back);
    EXPECT_EQ("text/file-path-list|image/*", utf8(back.types().join(u"|")));
    EXPECT_EQ(utf8(mime.filePathList().join(u"|")), utf8(back.filePathList().join(u"|")));
    EXPECT_EQ(Color(255, 1, 2, 3), back.image().pixel(2, 1));
    data->Release();
}
