#include "ui/widgets/filedialog/UIFileDialog.h"

#include "foundation/core/AppCore.h"
#include "foundation/io/Path.h"
#include "ui/core/application/UIApplication.h"

#include <algorithm>

namespace {

// The common dialogs' flag bits.
constexpr uint32_t kOverwritePrompt = 0x2;
constexpr uint32_t kHideReadOnly = 0x4;
constexpr uint32_t kEnableHook = 0x20;
constexpr uint32_t kAllowMultiSelect = 0x200;
constexpr uint32_t kPathMustExist = 0x800;
constexpr uint32_t kFileMustExist = 0x1000;
constexpr uint32_t kExplorer = 0x80000;
constexpr uint32_t kNoDereferenceLinks = 0x100000;
constexpr uint32_t kEnableSizing = 0x800000;
constexpr uint32_t kDontAddToRecent = 0x2000000;
// The folder browser's.
constexpr uint32_t kReturnOnlyFileSystemFolders = 0x1;
constexpr uint32_t kDontGoBelowDomain = 0x2;
constexpr uint32_t kNewDialogStyle = 0x40;
constexpr uint32_t kNoNewFolderButton = 0x200;

// The zero-terminated text at start, never read past length.
String textAt(const char16_t* buffer, int start, int length)
{
    int end = start;
    while (end < length && buffer[end] != 0)
        ++end;
    return String(buffer + start, end - start);
}

// A drive's root already ends with the separator and gets no second one.
String withSeparator(const String& folder)
{
    if (folder.endsWithChar(kPathSeparator, String::kCaseSensitive))
        return folder;
    return String::concatChar(folder, kPathSeparator);
}

String folderOf(const String& file)
{
    const int separator = file.lastIndexOfChar(kPathSeparator, String::kCaseSensitive);
    return separator < 0 ? String() : file.mid(0, separator + 1);
}

} // namespace

UIFileDialog::UIFileDialog(UIWidget* owner) : m_owner(owner) {}

UIFileDialog::~UIFileDialog() = default;

void UIFileDialog::addFilter(const String& name, const String& pattern, const String& extension)
{
    m_filters.append(name, pattern, extension);
}

String UIFileDialog::filterExtension(int index) const
{
    const StringTriple* filter = m_filters.at(index);
    return filter ? filter->extension : String();
}

StringList UIFileDialog::filterExtensions() const
{
    StringList extensions;
    for (const StringTriple& filter : m_filters)
        extensions.append(filter.extension);
    return extensions;
}

void UIFileDialog::setFileName(const String& base)
{
    m_fileName = base + u"." + filterExtension(m_filterIndex);
}

bool UIFileDialog::exec()
{
    const bool files = (m_flags & kFilesFlag) != 0;
    if ((m_flags & kEnabledFlag) == 0)
        return false;
    m_selectedFiles.clear();
    if (files && m_acceptMode != kOpenMode && m_acceptMode != kSaveMode)
        return false;
    UIApplication* application = UIApplication::instance();
    application->enterModal();
    const bool chosen = files ? runFileDialog() : runFolderBrowser();
    application->leaveModal();
    return chosen;
}

std::vector<char16_t> UIFileDialog::filterBlock() const
{
    std::vector<char16_t> block(kFilterBlockLength, 0);
    int used = 0;
    auto put = [&](const String& name, const String& pattern) {
        const int end = used + name.length() + 1 + pattern.length() + 1;
        if (end > kFilterBlockLimit)
            return false;
        std::copy(name.constCharAt(0), name.constCharAt(0) + name.length(), block.begin() + used);
        used += name.length() + 1;
        std::copy(pattern.constCharAt(0), pattern.constCharAt(0) + pattern.length(), block.begin() + used);
        used = end;
        return true;
    };
    if (m_filters.isEmpty()) {
        put(String(u"All files"), String(u"*.*"));
        return block;
    }
    for (const StringTriple& filter : m_filters) {
        if (filter.name.isEmpty() || filter.pattern.isEmpty())
            continue;
        if (!put(filter.name, filter.pattern.replaceChar(u'|', u';', String::kCaseSensitive)))
            break;
    }
    return block;
}

std::vector<char16_t> UIFileDialog::fileBuffer() const
{
    std::vector<char16_t> buffer(kFileBufferLength, 0);
    const int count = std::min(m_fileName.length(), kFileBufferLength - 1);
    if (count > 0)
        std::copy(m_fileName.constCharAt(0), m_fileName.constCharAt(0) + count, buffer.begin());
    return buffer;
}

bool UIFileDialog::acceptFiles(const char16_t* buffer, int length, int systemFilterIndex)
{
    if (!buffer || length < 1)
        return false;
    const String first = textAt(buffer, 0, length);
    if (first.isEmpty())
        return false;
    StringList files;
    String folder;
    int next = first.length() + 1;
    const String second = m_multiSelection && next < length ? textAt(buffer, next, length) : String();
    if (second.isEmpty()) {
        // One whole path: also what a multiple selection of one file gives.
        files.append(first);
        folder = folderOf(first);
    } else {
        folder = withSeparator(first);
        for (String name = second; !name.isEmpty(); name = textAt(buffer, next, length)) {
            files.append(folder + name);
            next += name.length() + 1;
            if (next >= length)
                break;
        }
    }
    m_selectedFiles = files;
    m_path = folder;
    m_filterIndex = systemFilterIndex > 0 ? systemFilterIndex - 1 : 0;
    return true;
}

bool UIFileDialog::acceptFolder(const String& folder)
{
    if (folder.isEmpty())
        return false;
    m_selectedFiles.clear();
    m_selectedFiles.append(folder);
    m_path = withSeparator(folder);
    return true;
}

String UIFileDialog::nameForFilter(const String& name, int index) const
{
    String result = name;
    for (const StringTriple& filter : m_filters) {
        const String suffix = u"." + filter.extension;
        if (!name.endsWith(suffix, String::kCaseSensitive))
            continue;
        const String stripped = name.mid(0, name.length() - suffix.length());
        if (!stripped.isEmpty())
            result = stripped;
        break;
    }
    return result + u"." + filterExtension(index);
}

uint32_t UIFileDialog::systemFlags() const
{
    uint32_t flags =
        kDontAddToRecent | kEnableSizing | kExplorer | kPathMustExist | kEnableHook | kHideReadOnly;
    // A save dialog that insisted on an existing file would refuse every new
    // name.
    if (m_acceptMode == kOpenMode)
        flags |= kFileMustExist;
    else
        flags |= kOverwritePrompt;
    if ((m_flags & kKeepShortcutsFlag) != 0)
        flags |= kNoDereferenceLinks;
    if (m_multiSelection)
        flags |= kAllowMultiSelect;
    return flags;
}

uint32_t UIFileDialog::browserFlags() const
{
    uint32_t flags = kReturnOnlyFileSystemFolders | kDontGoBelowDomain | kNewDialogStyle;
    if ((m_flags & kNewFolderButtonFlag) == 0)
        flags |= kNoNewFolderButton;
    return flags;
}

String UIFileDialog::caption(const String& systemCaption) const
{
    String text = m_title.isEmpty() ? systemCaption : m_title;
    if (!text.isEmpty())
        text += UIApplication::instance()->titleSeparator();
    if (AppCore* core = AppCore::instance())
        text += core->productName();
    return text;
}
