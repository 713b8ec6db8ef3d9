#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/geometry/Point.h"
#include "foundation/text/String.h"
#include "ui/widgets/filedialog/StringTripleList.h"

#include <cstdint>
#include <vector>

class UIWidget;

// Asks the user for files or a folder through the system's dialogs. Made on
// the caller's stack, configured, run with exec and read; path and filter
// index carry over from one exec to the next.
class UIFileDialog
{
public:
    static constexpr int kOpenMode = 0;
    static constexpr int kSaveMode = 1;
    // Flag bits.
    static constexpr int kFilesFlag = 1;
    static constexpr int kEnabledFlag = 2;
    static constexpr int kNewFolderButtonFlag = 8;
    static constexpr int kKeepShortcutsFlag = 16;
    // The system's filter block and where its entries must end.
    static constexpr int kFilterBlockLength = 256;
    static constexpr int kFilterBlockLimit = 252;
    static constexpr int kFileBufferLength = 0x80000;

    explicit UIFileDialog(UIWidget* owner);
    virtual ~UIFileDialog();

    UIWidget* owner() const { return m_owner; }
    void setAcceptMode(int mode) { m_acceptMode = mode; }
    int acceptMode() const { return m_acceptMode; }
    void setPath(const String& path) { m_path = path; }
    const String& path() const { return m_path; }
    void setTitle(const String& title) { m_title = title; }
    const String& title() const { return m_title; }
    void setDescription(const String& text) { m_description = text; }
    const String& description() const { return m_description; }
    void setMultiSelection(bool on) { m_multiSelection = on; }
    bool isMultiSelection() const { return m_multiSelection; }
    void setFlags(int flags) { m_flags = flags; }
    int flags() const { return m_flags; }
    void setPosition(const Point& point) { m_position = point; }
    void setPosition(int x, int y) { m_position = Point(x, y); }
    const Point& position() const { return m_position; }
    void setFilterIndex(int index) { m_filterIndex = index; }
    int filterIndex() const { return m_filterIndex; }
    const StringList& selectedFiles() const { return m_selectedFiles; }
    const String& fileName() const { return m_fileName; }

    void addFilter(const String& name, const String& pattern, const String& extension);
    void clearFilters() { m_filters.clear(); }
    int filterCount() const { return m_filters.count(); }
    const StringTripleList& filters() const { return m_filters; }
    // Empty for an index outside the filters.
    String filterExtension(int index) const;
    StringList filterExtensions() const;
    // The base with the extension of the filter at the filter index.
    void setFileName(const String& base);

    // True when the user chose something.
    bool exec();

    // What the system dialogs are given and what they hand back, kept apart
    // from the system calls so they can be checked anywhere.

    // Pairs of zero-terminated name and pattern ('|' turned into ';'),
    // zeros to the end; "All files" without filters. An entry that would end
    // past kFilterBlockLimit is left out, and so is every later one.
    std::vector<char16_t> filterBlock() const;
    // The open and save dialogs' buffer, starting with the file name.
    std::vector<char16_t> fileBuffer() const;
    // Reads the buffer of a successful open or save dialog (length units at
    // most; the system's filter index counts from 1). False, with path and
    // files as they were, when it holds no file.
    bool acceptFiles(const char16_t* buffer, int length, int systemFilterIndex);
    // The folder browser's choice; false for an empty folder.
    bool acceptFolder(const String& folder);
    // The text the file name box gets when the user picks the filter at
    // index: a known extension at the end replaced, else the new one added.
    String nameForFilter(const String& name, int index) const;
    // The open and save dialogs' flag word; the folder browser's.
    uint32_t systemFlags() const;
    uint32_t browserFlags() const;
    // The dialog's caption: the title, or the system's own when it is empty,
    // then the separator when that is not empty, then the product name.
    String caption(const String& systemCaption) const;

private:
    // The system's dialogs; false when cancelled or when nothing came back.
    bool runFileDialog();
    bool runFolderBrowser();

    UIWidget* m_owner;
    int m_acceptMode = kOpenMode;
    String m_path;
    String m_title;
    String m_description;
    StringTripleList m_filters;
    bool m_multiSelection = false;
    int m_flags = kFilesFlag | kEnabledFlag;
    Point m_position;
    StringList m_selectedFiles;
    int m_filterIndex = 0;
    String m_fileName;
};
