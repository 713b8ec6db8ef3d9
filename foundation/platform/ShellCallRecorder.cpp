#include "foundation/platform/ShellCallRecorder.h"

namespace {

ShellCallRecorder::Recorder& current()
{
    static ShellCallRecorder::Recorder recorder;
    return recorder;
}

} // namespace

void ShellCallRecorder::install(Recorder recorder)
{
    current() = std::move(recorder);
}

void ShellCallRecorder::remove()
{
    current() = nullptr;
}

bool ShellCallRecorder::isInstalled()
{
    return static_cast<bool>(current());
}

bool ShellCallRecorder::take(const char* call, const String& target)
{
    if (!current())
        return false;
    current()(String::fromUtf8(call), target);
    return true;
}
