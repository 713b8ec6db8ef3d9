#pragma once

// The process-wide switch of the socket layer. The Application starts it once
// at start-up and stops it at exit; every SocketClient checks it. The started
// flag and the live-socket count are touched from the GUI thread and from the
// form-post worker, so they are atomic, and starting, stopping and counting a
// new socket are serialised by one lock.
//
// The singleton holds no data itself: destroying it at program exit does not
// stop networking, only shutdown does.
class Network
{
public:
    static Network& instance();
    virtual ~Network() = default;

    // Up to ten attempts, 100 ms apart; nothing is reported when all fail
    // (every socket then fails with "Init failed." or "Not init.").
    void startup();
    // True when networking is stopped afterwards; false, and nothing done,
    // while any SocketClient is alive.
    bool shutdown();
    bool isStarted() const;
    int socketCount() const;

    // Counting of the live SocketClients; addSocket tells whether networking
    // was started when the socket was made.
    bool addSocket();
    void removeSocket();

private:
    Network() = default;
    Network(const Network&) = delete;
    Network& operator=(const Network&) = delete;

    bool startOnce();
};
