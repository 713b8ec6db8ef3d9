#include "ui/core/input/UIOleDrag.h"

#include "foundation/platform/Win32Text.h"
#include "ui/core/input/UIDropTarget.h"
#include "ui/core/input/UIGlobalBlock.h"
#include "ui/core/input/UIMimeBlocks.h"
#include "ui/core/input/UIMimeData.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/core/widget/UIWidget.h"

#include <shlobj.h>
#include <windows.h>

#include <map>

namespace {

const wchar_t kRawFormatName[] = L"CF_DE4C14DD-E9D4-44f6-BC72-7DCC4309BBEF";

CLIPFORMAT formatOf(UIMimeBlocks::Kind kind)
{
    switch (kind) {
    case UIMimeBlocks::kText:
        return CF_UNICODETEXT;
    case UIMimeBlocks::kFileList:
        return CF_HDROP;
    case UIMimeBlocks::kDib:
        return CF_DIB;
    case UIMimeBlocks::kRaw:
        break;
    }
    return CLIPFORMAT(RegisterClipboardFormatW(kRawFormatName));
}

FORMATETC blockFormat(UIMimeBlocks::Kind kind)
{
    return FORMATETC{formatOf(kind), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The drop targets registered on the windows, to revoke with them.
std::map<HWND, UIDropTarget*>& registeredTargets()
{
    static std::map<HWND, UIDropTarget*> targets;
    return targets;
}

// Tips, menus and the popups that show without taking activation (a combo
// box's list, a completion list) come and go under the cursor.
bool isTransient(const UIWidget* window)
{
    if (!window)
        return false;
    const String& style = window->styleName();
    return style == String(u"UIToolTip") || style == String(u"UIBalloonTip") || style == String(u"UIMenu") ||
           window->testWindowFlag(UINativeWindow::kShowInactive);
}

void readBlock(IDataObject* data, UIMimeBlocks::Kind kind, UIMimeData* mime)
{
    FORMATETC format = blockFormat(kind);
    if (data->QueryGetData(&format) != S_OK)
        return;
    STGMEDIUM medium = {};
    if (data->GetData(&format, &medium) != S_OK)
        return;
    if (medium.tymed == TYMED_HGLOBAL) {
        UIGlobalBlock block(medium.hGlobal);
        UIMimeBlocks::addBlock(kind, block.data(), block.size(), mime);
    }
    ReleaseStgMedium(&medium);
}

} // namespace

int toOleData(const UIMimeData& mime, IDataObject* data)
{
    if (!data)
        return 0;
    int added = 0;
    for (const UIMimeBlocks::Block& block : UIMimeBlocks::blocksOf(mime)) {
        HGLOBAL memory = static_cast<HGLOBAL>(UIGlobalBlock::fromBytes(block.bytes));
        if (!memory)
            continue;
        FORMATETC format = blockFormat(block.kind);
        STGMEDIUM medium = {};
        medium.tymed = TYMED_HGLOBAL;
        medium.hGlobal = memory;
        if (FAILED(data->SetData(&format, &medium, TRUE))) {
            GlobalFree(memory);
            continue;
        }
        ++added;
    }
    return added;
}

void fromOleData(IDataObject* data, UIMimeData* mime)
{
    if (!data || !mime)
        return;
    for (UIMimeBlocks::Kind kind :
         {UIMimeBlocks::kText, UIMimeBlocks::kFileList, UIMimeBlocks::kDib, UIMimeBlocks::kRaw})
        readBlock(data, kind, mime);
}

bool registerDropTarget(UIWidget* window, void* handle, bool on)
{
    HWND native = static_cast<HWND>(handle);
    auto& targets = registeredTargets();
    auto found = targets.find(native);
    if (!on) {
        if (found == targets.end())
            return false;
        UIDropTarget* target = found->second;
        targets.erase(found);
        RevokeDragDrop(native);
        CoLockObjectExternal(target, FALSE, TRUE);
        target->Release();
        return true;
    }
    // Transient windows are never drop sites.
    if (!native || found != targets.end() || isTransient(window))
        return false;
    auto* target = new UIDropTarget(window, native);
    CoLockObjectExternal(target, TRUE, FALSE);
    if (FAILED(RegisterDragDrop(native, target))) {
        CoLockObjectExternal(target, FALSE, TRUE);
        target->Release();
        return false;
    }
    targets[native] = target;
    return true;
}

int shellUIObject(void* window, const String& path, const _GUID& interfaceId, void** out)
{
    if (!out || path.isEmpty())
        return 1;
    *out = nullptr;
    PIDLIST_ABSOLUTE item = nullptr;
    if (FAILED(SHParseDisplayName(wideText(path), nullptr, &item, 0, nullptr)) || !item)
        return 1;
    IShellFolder* parent = nullptr;
    PCUITEMID_CHILD child = nullptr;
    HRESULT result = SHBindToParent(item, IID_IShellFolder, reinterpret_cast<void**>(&parent), &child);
    if (SUCCEEDED(result)) {
        result = parent->GetUIObjectOf(static_cast<HWND>(window), 1, &child, interfaceId, nullptr, out);
        parent->Release();
    }
    CoTaskMemFree(item);
    return SUCCEEDED(result) && *out ? 0 : 1;
}
