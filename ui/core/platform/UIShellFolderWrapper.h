#pragma once

#include "foundation/containers/StringList.h"
#include "ui/core/input/UIComObject.h"

#include <shlobj.h>

// The items' parent folder as the shell menu sees it: everything goes to the
// real folder, except that a shell command asking for the items' data gets
// our own data object with the item paths, as a drag from here would. For
// the Windows build only.
class UIShellFolderWrapper : public UIComObject<IShellFolder>
{
public:
    UIShellFolderWrapper(IShellFolder* folder, const StringList& paths);

    // Other interfaces than the folder's own are the real folder's answer.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;

    HRESULT STDMETHODCALLTYPE ParseDisplayName(HWND window, IBindCtx* context, LPWSTR name, ULONG* eaten,
                                               PIDLIST_RELATIVE* item, ULONG* attributes) override;
    HRESULT STDMETHODCALLTYPE EnumObjects(HWND window, SHCONTF flags, IEnumIDList** out) override;
    HRESULT STDMETHODCALLTYPE BindToObject(PCUIDLIST_RELATIVE item, IBindCtx* context, REFIID iid,
                                           void** out) override;
    HRESULT STDMETHODCALLTYPE BindToStorage(PCUIDLIST_RELATIVE item, IBindCtx* context, REFIID iid,
                                            void** out) override;
    HRESULT STDMETHODCALLTYPE CompareIDs(LPARAM column, PCUIDLIST_RELATIVE a, PCUIDLIST_RELATIVE b) override;
    HRESULT STDMETHODCALLTYPE CreateViewObject(HWND owner, REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE GetAttributesOf(UINT count, PCUITEMID_CHILD_ARRAY items,
                                              SFGAOF* attributes) override;
    HRESULT STDMETHODCALLTYPE GetUIObjectOf(HWND owner, UINT count, PCUITEMID_CHILD_ARRAY items, REFIID iid,
                                            UINT* reserved, void** out) override;
    HRESULT STDMETHODCALLTYPE GetDisplayNameOf(PCUITEMID_CHILD item, SHGDNF flags, STRRET* name) override;
    HRESULT STDMETHODCALLTYPE SetNameOf(HWND window, PCUITEMID_CHILD item, LPCWSTR name, SHGDNF flags,
                                        PITEMID_CHILD* out) override;

private:
    ~UIShellFolderWrapper() override;

    IShellFolder* m_folder;
    StringList m_paths;
    IDataObject* m_data = nullptr;
};
