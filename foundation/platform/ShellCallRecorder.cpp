#include "foundation/platform/ShellCallRecorder.h"

namespace {

struct Installed
{
    ShellCallRecorder::Recorder recorder;
    bool runsOwnPrograms = false;
};

Installed& current()
{
    static Installed installed;
    return installed;
}

} // namespace

void ShellCallRecorder::install(Recorder recorder, bool runsOwnPrograms)
{
    current().recorder = std::move(recorder);
    current().runsOwnPrograms = runsOwnPrograms;
}

void ShellCallRecorder::remove()
{
    current() = Installed();
}

bool ShellCallRecorder::isInstalled()
{
    return static_cast<bool>(current().recorder);
}

bool ShellCallRecorder::take(const char* call, const String& target)
{
    if (!current().recorder)
        return false;
    current().recorder(String::fromUtf8(call), target);
    return true;
}

bool ShellCallRecorder::takeOwnProgram(const char* call, const String& target)
{
    return take(call, target) && !current().runsOwnPrograms;
}
