#include "foundation/net/Connectivity.h"

#include <windows.h>
#include <wininet.h>

bool isConnectedToInternet()
{
    DWORD flags = 0;
    return InternetGetConnectedState(&flags, 0) != FALSE;
}
