#include "ui/core/platform/UIShellFolderWrapper.h"

#include "ui/core/input/UIDataObject.h"
#include "ui/core/input/UIMimeData.h"
#include "ui/core/input/UIOleDrag.h"

UIShellFolderWrapper::UIShellFolderWrapper(IShellFolder* folder, const StringList& paths)
    : UIComObject(IID_IShellFolder), m_folder(folder), m_paths(paths)
{
    m_folder->AddRef();
}

UIShellFolderWrapper::~UIShellFolderWrapper()
{
    if (m_data)
        m_data->Release();
    m_folder->Release();
}

HRESULT UIShellFolderWrapper::QueryInterface(REFIID iid, void** out)
{
    // Our own interfaces stay ours; answering them with the real folder
    // would take the data object away from the shell's commands.
    HRESULT own = UIComObject::QueryInterface(iid, out);
    if (own != E_NOINTERFACE)
        return own;
    return m_folder->QueryInterface(iid, out);
}

HRESULT UIShellFolderWrapper::ParseDisplayName(HWND window, IBindCtx* context, LPWSTR name, ULONG* eaten,
                                               PIDLIST_RELATIVE* item, ULONG* attributes)
{
    return m_folder->ParseDisplayName(window, context, name, eaten, item, attributes);
}

HRESULT UIShellFolderWrapper::EnumObjects(HWND window, SHCONTF flags, IEnumIDList** out)
{
    return m_folder->EnumObjects(window, flags, out);
}

HRESULT UIShellFolderWrapper::BindToObject(PCUIDLIST_RELATIVE item, IBindCtx* context, REFIID iid, void** out)
{
    return m_folder->BindToObject(item, context, iid, out);
}

HRESULT UIShellFolderWrapper::BindToStorage(PCUIDLIST_RELATIVE item, IBindCtx* context, REFIID iid,
                                            void** out)
{
    return m_folder->BindToStorage(item, context, iid, out);
}

HRESULT UIShellFolderWrapper::CompareIDs(LPARAM column, PCUIDLIST_RELATIVE a, PCUIDLIST_RELATIVE b)
{
    return m_folder->CompareIDs(column, a, b);
}

HRESULT UIShellFolderWrapper::CreateViewObject(HWND owner, REFIID iid, void** out)
{
    return m_folder->CreateViewObject(owner, iid, out);
}

HRESULT UIShellFolderWrapper::GetAttributesOf(UINT count, PCUITEMID_CHILD_ARRAY items, SFGAOF* attributes)
{
    return m_folder->GetAttributesOf(count, items, attributes);
}

HRESULT UIShellFolderWrapper::GetUIObjectOf(HWND owner, UINT count, PCUITEMID_CHILD_ARRAY items, REFIID iid,
                                            UINT* reserved, void** out)
{
    if (!IsEqualIID(iid, IID_IDataObject))
        return m_folder->GetUIObjectOf(owner, count, items, iid, reserved, out);
    if (!out)
        return E_POINTER;
    if (!m_data) {
        UIMimeData mime;
        mime.setFilePathList(m_paths);
        m_data = new UIDataObject();
        toOleData(mime, m_data);
    }
    return m_data->QueryInterface(iid, out);
}

HRESULT UIShellFolderWrapper::GetDisplayNameOf(PCUITEMID_CHILD item, SHGDNF flags, STRRET* name)
{
    return m_folder->GetDisplayNameOf(item, flags, name);
}

HRESULT UIShellFolderWrapper::SetNameOf(HWND window, PCUITEMID_CHILD item, LPCWSTR name, SHGDNF flags,
                                        PITEMID_CHILD* out)
{
    return m_folder->SetNameOf(window, item, name, flags, out);
}
