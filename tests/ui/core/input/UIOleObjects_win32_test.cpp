#include "ui/core/input/UIDataObject.h"
#include "ui/core/input/UIDropSource.h"
#include "ui/core/input/UIFormatEnumerator.h"
#include "ui/core/input/UIMimeData.h"
#include "ui/core/input/UIOleDrag.h"

#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <tuple>

using testsupport::utf8;

namespace {

const CLIPFORMAT kRaw = CLIPFORMAT(RegisterClipboardFormatW(L"CF_DE4C14DD-E9D4-44f6-BC72-7DCC4309BBEF"));

// A data object holding every kind of entry, as a drag from here fills it.
UIDataObject* filledDataObject()
{
    UIMimeData mime;
    mime.setText(u"Solaris");
    mime.setFilePathList(StringList::split(u"C:\\covers\\heat.jpg|D:\\ronin.png", u"|", 0));
    Image cover(3, 2, true);
    cover.fill(Color(255, 1, 2, 3));
    mime.setImage(cover);
    mime.setData(u"x-record", ByteArray("17", 2));
    auto* data = new UIDataObject();
    EXPECT_EQ(4, toOleData(mime, data));
    return data;
}

} // namespace

TEST(UIOleObjectsWine, TheDataObjectAnswersEachQueryAsFormatsAndMediaMatch)
{
    UIDataObject* data = filledDataObject();
    const std::tuple<FORMATETC, HRESULT, HRESULT> cases[] = {
        {{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL | TYMED_ISTREAM}, S_OK, S_OK},
        {{CF_UNICODETEXT, nullptr, DVASPECT_THUMBNAIL, -1, TYMED_HGLOBAL}, DV_E_DVASPECT, DV_E_FORMATETC},
        {{CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}, DV_E_CLIPFORMAT, DV_E_FORMATETC},
        {{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM}, DV_E_TYMED, DV_E_FORMATETC},
    };
    for (auto [format, query, get] : cases) {
        STGMEDIUM medium = {};
        EXPECT_EQ(query, data->QueryGetData(&format)) << query;
        EXPECT_EQ(get, data->GetData(&format, &medium)) << query;
        if (get == S_OK)
            ReleaseStgMedium(&medium); // a copy of its own: the stored block stays
    }
    UIMimeData back;
    fromOleData(data, &back);
    EXPECT_EQ("text/plain|text/file-path-list|image/*|x-record Solaris C:\\covers\\heat.jpg|D:\\ronin.png 17",
              utf8(back.types().join(u"|")) + " " + utf8(back.text()) + " " +
                  utf8(back.filePathList().join(u"|")) + " " + testsupport::bytesOf(back.data(u"x-record")));
    EXPECT_EQ(Color(255, 1, 2, 3), back.image().pixel(2, 1));
    EXPECT_EQ(E_INVALIDARG, data->QueryGetData(nullptr));
    EXPECT_EQ(E_INVALIDARG, data->GetData(nullptr, nullptr));
    void* found = nullptr;
    EXPECT_EQ(E_POINTER, data->QueryInterface(IID_IUnknown, nullptr));
    EXPECT_EQ(E_NOINTERFACE, data->QueryInterface(IID_IDropTarget, &found));
    EXPECT_EQ(S_OK, data->QueryInterface(IID_IDataObject, &found));
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
    // Next, next without a count, Skip, Reset or Clone; the count; the result,
    // the count fetched and the first format fetched.
    const std::tuple<char, ULONG, HRESULT, ULONG, CLIPFORMAT> steps[] = {
        {'n', 2, S_FALSE, 0, 0}, // more than one needs a count
        {'n', 1, S_OK, 1, CF_UNICODETEXT},
        {'C', 0, S_OK, 0, 0},
        {'N', 5, S_FALSE, 3, CF_HDROP},
        {'N', 1, S_FALSE, 0, 0},
        {'R', 0, S_OK, 0, 0},
        {'S', 4, S_FALSE, 0, 0}, // would reach the end
        {'S', 3, S_OK, 0, 0},
        {'N', 0, S_FALSE, 0, 0},
        {'N', 1, S_OK, 1, kRaw},
    };
    for (auto [op, count, expected, expectedFetched, first] : steps) {
        FORMATETC out[5] = {};
        ULONG fetched = 0;
        HRESULT result = op == 'N'   ? formats->Next(count, out, &fetched)
                         : op == 'n' ? formats->Next(count, out, nullptr)
                         : op == 'S' ? formats->Skip(count)
                         : op == 'R' ? formats->Reset()
                                     : formats->Clone(&clone);
        EXPECT_EQ(expected, result) << op << count;
        EXPECT_EQ(expectedFetched, op == 'N' ? fetched : (out[0].cfFormat != 0)) << op << count;
        EXPECT_EQ(first, out[0].cfFormat) << op << count;
    }
    FORMATETC next = {};
    ASSERT_NE(nullptr, clone);
    EXPECT_EQ(S_OK, clone->Next(1, &next, nullptr));
    EXPECT_EQ(CF_HDROP, next.cfFormat) << "a clone goes on from where it was made";
    EXPECT_EQ(0u, clone->Release());
    EXPECT_EQ(0u, formats->Release());
}

TEST(UIOleObjectsWine, TheDropSourceDropsOnItsButtonAndCancelsOnAnyOther)
{
    const std::tuple<DWORD, BOOL, DWORD, HRESULT> cases[] = {
        {MK_LBUTTON, FALSE, MK_LBUTTON | MK_SHIFT | MK_ALT, S_OK},
        {MK_LBUTTON, FALSE, 0, DRAGDROP_S_DROP},
        {MK_LBUTTON, TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
        {MK_LBUTTON, FALSE, MK_LBUTTON | MK_RBUTTON, DRAGDROP_S_CANCEL},
        {MK_RBUTTON, FALSE, MK_RBUTTON | MK_LBUTTON, DRAGDROP_S_CANCEL},
        {MK_RBUTTON, FALSE, MK_RBUTTON | MK_MBUTTON | MK_XBUTTON2, DRAGDROP_S_CANCEL},
    };
    for (auto [start, escape, keys, expected] : cases) {
        auto* source = new UIDropSource(start);
        EXPECT_EQ(expected, source->QueryContinueDrag(escape, keys)) << start << " " << keys;
        EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, source->GiveFeedback(DROPEFFECT_COPY));
        EXPECT_EQ(0u, source->Release());
    }
}
