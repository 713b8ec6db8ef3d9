// The folder-scan window under Wine and Xvfb, medians: Scan on a tree of
// 20,000 files in 100 folders, 5,000 of them videos, from the click's work
// to the filled table painted on the screen.
//   wine scanfolder_timing.exe [program folder]   (default "..")
#include "app/scan/AddMoviesByScanningFolderWindow.h"
#include "foundation/core/AppCore.h"
#include "foundation/system/MessageLoop.h"
#include "model/scan/FolderScanner.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UITimerClient.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/window/UIDialog.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const int kFolders = 100;
const int kFilesPerFolder = 200;
const int kRuns = 7;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::wstring folderName(const std::wstring& root, int folder)
{
    return root + L"\\folder " + std::to_wstring(folder);
}

std::wstring fileName(const std::wstring& root, int folder, int file)
{
    // Every fourth file is a video.
    const wchar_t* extension = file % 4 == 0 ? L".avi" : L".txt";
    return folderName(root, folder) + L"\\some_movie file " + std::to_wstring(file) + extension;
}

bool makeTree(const std::wstring& root)
{
    if (!CreateDirectoryW(root.c_str(), nullptr))
        return false;
    for (int folder = 0; folder < kFolders; ++folder) {
        if (!CreateDirectoryW(folderName(root, folder).c_str(), nullptr))
            return false;
        for (int file = 0; file < kFilesPerFolder; ++file) {
            HANDLE handle = CreateFileW(fileName(root, folder, file).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle == INVALID_HANDLE_VALUE)
                return false;
            CloseHandle(handle);
        }
    }
    return true;
}

void removeTree(const std::wstring& root)
{
    for (int folder = 0; folder < kFolders; ++folder) {
        for (int file = 0; file < kFilesPerFolder; ++file)
            DeleteFileW(fileName(root, folder, file).c_str());
        RemoveDirectoryW(folderName(root, folder).c_str());
    }
    RemoveDirectoryW(root.c_str());
}

// Runs the scans from a timer inside the dialog's modal run, then closes it.
class Driver : public UITimerClient
{
public:
    explicit Driver(AddMoviesByScanningFolderWindow& scan) : m_scan(scan) { startTimer(1, 200); }

    void timerFired(int id) override
    {
        killTimer(id);
        HWND handle = static_cast<HWND>(m_scan.dialog()->nativeHandle());
        for (int run = 0; run < kRuns; ++run) {
            const auto start = Clock::now();
            m_scan.scanFolder();
            MessageLoop::instance()->mainLoop().processPendingEvents();
            RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            rows = m_scan.table()->rowCount();
        }
        for (int run = 0; run < kRuns; ++run) {
            const auto start = Clock::now();
            FolderScanner scanner;
            scanner.scan(m_scan.folderEdit()->text());
            scanTimes.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        m_scan.dialog()->reject();
    }

    std::vector<double> times;
    // The folder walk alone, for comparison.
    std::vector<double> scanTimes;
    int rows = 0;

private:
    AddMoviesByScanningFolderWindow& m_scan;
};

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : "..";
    AppCore core(String(u"Reelstack"), String(u"1.2.0"));
    core.setAppDirectory(String::fromUtf8(folder.c_str()));
    if (!core.openPak(String(u"data"))) {
        std::printf("cannot open the data archive in %s\n", folder.c_str());
        return 1;
    }
    if (!UIApplication::instance()->loadTheme(String::fromUtf8((folder + "\\white.style").c_str()))) {
        std::printf("cannot load %s\\white.style\n", folder.c_str());
        return 1;
    }
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root =
        std::wstring(temp) + L"reelstack-scan-" + std::to_wstring(GetCurrentProcessId());
    if (!makeTree(root)) {
        std::printf("cannot make the tree\n");
        removeTree(root);
        return 1;
    }
    AddMoviesByScanningFolderWindow scan;
    scan.setFolder(String(reinterpret_cast<const char16_t*>(root.c_str())));
    Driver driver(scan);
    scan.exec();
    removeTree(root);
    if (driver.times.empty()) {
        std::printf("the dialog never ran the scans\n");
        return 1;
    }
    std::printf("scan of %d files, %d listed, table painted: median %.1f ms (of %d runs)\n",
                kFolders * kFilesPerFolder, driver.rows, median(driver.times), int(driver.times.size()));
    std::printf("of which the folder walk: median %.1f ms\n", median(driver.scanTimes));
    return 0;
}
