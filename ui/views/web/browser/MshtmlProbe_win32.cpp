#include "ui/views/web/browser/MshtmlProbe.h"

#include "ui/views/web/browser/ComRef.h"
#include "ui/views/web/browser/ComText.h"

#include <mshtml.h>
#include <windows.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace {

struct ProbeState
{
    std::mutex lock;
    std::condition_variable done;
    bool finished = false;
    bool works = false;
};

bool writePage(IHTMLDocument2* document)
{
    const bool written =
        ComText::writeDocument(document, String(u"<html><body><p id=\"probe\">x</p></body></html>"));
    document->close();
    return written;
}

bool documentWorks()
{
    ComRef<IHTMLDocument2> document;
    if (FAILED(CoCreateInstance(__uuidof(HTMLDocument), nullptr, CLSCTX_INPROC_SERVER, IID_IHTMLDocument2,
                                document.outVoid())) ||
        !document || !writePage(document.get()))
        return false;
    ComRef<IHTMLDocument3> document3;
    ComRef<IHTMLElement> element;
    BSTR id = SysAllocString(L"probe");
    const bool found = document3.queryFrom(document.get(), IID_IHTMLDocument3) &&
                       SUCCEEDED(document3->getElementById(id, element.out())) && element;
    SysFreeString(id);
    return found;
}

// On a thread of its own, so that a document that never answers cannot hold
// the caller past the limit; such a thread is left to end by itself.
void runProbe(std::shared_ptr<ProbeState> state)
{
    const bool initialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    const bool works = initialised && documentWorks();
    if (initialised)
        CoUninitialize();
    std::lock_guard<std::mutex> guard(state->lock);
    state->works = works;
    state->finished = true;
    state->done.notify_all();
}

} // namespace

bool MshtmlProbe::works()
{
    static const bool answer = probeNow(kLimitMs);
    return answer;
}

bool MshtmlProbe::probeNow(int limitMs)
{
    auto state = std::make_shared<ProbeState>();
    std::thread(runProbe, state).detach();
    std::unique_lock<std::mutex> guard(state->lock);
    state->done.wait_for(guard, std::chrono::milliseconds(limitMs), [&] { return state->finished; });
    return state->finished && state->works;
}
