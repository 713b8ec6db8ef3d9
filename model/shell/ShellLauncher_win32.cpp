#include "model/shell/ShellLauncher.h"

#include "foundation/platform/SystemInfo.h"

void ShellLauncher::open(const String& target)
{
    SystemInfo::shellOpen(target);
}

void ShellLauncher::start(const String& file)
{
    SystemInfo::shellExecute(file, String());
}

void ShellLauncher::reveal(const String& file)
{
    SystemInfo::showInFolder(file);
}
