#pragma once

// Whether the system gives a working HTML document: its document object,
// made without a window, takes a small page and finds an element of it by
// id. Asked once per process; an answer that takes longer than two seconds
// is no.
class MshtmlProbe
{
public:
    static constexpr int kLimitMs = 2000;

    static bool works();
    // The probe itself, each time asked.
    static bool probeNow(int limitMs);
};
