#pragma once

#include "ui/core/events/UITimerClient.h"

#include <cstdint>
#include <memory>
#include <string>

class UIAutomationRequests;

// The test-only line to a driver: with REELSTACK_AUTOMATION set to a port,
// the program connects to 127.0.0.1 there (nowhere else) and answers one
// JSON request per line from a 20 ms timer on the GUI thread, so requests
// are served in modal loops and system dialogs too. While it runs, calls to
// the system shell are recorded instead of run. A lost connection ends the
// channel and nothing else. Unset, nothing is made.
//
// A request that hands the loop input (a click, keys, a close) is the last
// one answered in its turn: the lines after it wait for the next tick. The
// timer fires only once the loop has nothing else waiting, so by then the
// input and the events it led to have been handled. Answered at once, a
// second click would be posted ahead of those events, and its window taking
// the focus would close a popup the first click had not reached yet.
class UIAutomationChannel : public UITimerClient
{
public:
    static constexpr int kTimerId = 1;
    static constexpr uint32_t kInterval = 20;
    static constexpr size_t kMaxRequest = 64 * 1024;
    static constexpr int kConnectTimeoutMs = 5000;

    // Starts the channel when the variable names a port; true when it is
    // connected.
    static bool startFromEnvironment();
    // Ends the channel, if any.
    static void stop();
    static UIAutomationChannel* instance();

    // A port from 1 to 65535 in decimal, nothing else; 0 when not.
    static int parsePort(const std::string& text);

    // Unconnected until started; tests feed it bytes through receive.
    UIAutomationChannel();
    ~UIAutomationChannel() override;
    bool isConnected() const;
    void timerFired(int id) override;

    // Takes received bytes: answers each complete line up to the first that
    // hands the loop input, refuses a line beyond kMaxRequest. The replies,
    // each ending in '\n'.
    std::string receive(const char* data, size_t size);
    // The next turn: answers the lines held back behind input, as far as the
    // next one that hands input.
    std::string answerWaiting();
    bool isHoldingLines() const { return m_heldAfterInput; }

private:
    bool connectTo(int port);
    // False when the connection is gone.
    bool readAvailable();
    bool sendAll(const std::string& bytes);
    void disconnect();

    intptr_t m_socket;
    // Received and not yet looked at: the bytes after a request that handed
    // input.
    std::string m_inbox;
    bool m_heldAfterInput = false;
    std::string m_pending;
    // Set while the rest of an overlong line is thrown away.
    bool m_discarding = false;
    bool m_busy = false;
    std::unique_ptr<UIAutomationRequests> m_requests;
};
