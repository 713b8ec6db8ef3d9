// Natively nothing is opened or started; a recorder installed by a test
// hears the calls the Windows build would make.
#include "model/shell/ShellLauncher.h"

#include "foundation/platform/ShellCallRecorder.h"
#include "foundation/platform/SystemInfo.h"

void ShellLauncher::open(const String& target)
{
    if (!target.isEmpty())
        ShellCallRecorder::take("open", target);
}

void ShellLauncher::start(const String& file)
{
    SystemInfo::shellExecute(file, String());
}

void ShellLauncher::reveal(const String&) {}
