#include "model/shell/ShellLauncher.h"

void ShellLauncher::open(const String&) {}

void ShellLauncher::start(const String&) {}

void ShellLauncher::reveal(const String&) {}
