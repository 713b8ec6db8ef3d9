#include "model/shell/ShellLauncher.h"

#include "foundation/net/Url.h"

void ShellLauncher::openAddress(const String& address)
{
    const String shellForm = shellWebAddress(address);
    if (!shellForm.isEmpty())
        open(shellForm);
}
