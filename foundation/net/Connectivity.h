#pragma once

// Whether the system believes the computer is online: InternetGetConnectedState
// on Windows; natively, whether any network interface other than loopback is
// up with an address.
bool isConnectedToInternet();
