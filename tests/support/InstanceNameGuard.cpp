#include "tests/support/InstanceNameGuard.h"

#include "foundation/core/AppCore.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

const char InstanceNameGuard::kLockVariable[] = "REELSTACK_DISPLAY_LOCK";
const char16_t InstanceNameGuard::kProductName[] = u"Reelstack";

bool InstanceNameGuard::holdsDisplayLock()
{
    const char* value = std::getenv(kLockVariable);
    return value && value[0] == '1';
}

bool InstanceNameGuard::allows(const String& productName, bool displayLock)
{
    return displayLock || !String::equalsIgnoreCase(productName, String(kProductName));
}

void InstanceNameGuard::install()
{
    AppCore::setInstanceClaimCheck(&InstanceNameGuard::check);
}

void InstanceNameGuard::check(const String& productName)
{
    if (allows(productName, holdsDisplayLock()))
        return;
    ADD_FAILURE()
        << "A core named \"" << testsupport::utf8(productName)
        << "\" would claim the program's single-instance mutex in a test program that does not hold "
           "the display lock, so a reelstack.exe started meanwhile would quit: give the core a name "
           "of the test's own.";
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(1);
}
