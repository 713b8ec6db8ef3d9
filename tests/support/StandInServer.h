#pragma once

#include "tests/support/TestHttpServer.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace testsupport {

// The outside services the program talks to, played on 127.0.0.1 from our
// own pages: the maker's "/service-feedback" and "/service-informer", a
// shop's search and the movie database's pages and images. A program run
// with REELSTACK_TEST_HOSTS naming hostAndPort() sends every outside
// request here with its Host header unchanged; the stand-in answers by that
// header and the path, and logs every request (an unknown one gets "404 Not
// Found" and is logged too).
class StandInServer
{
public:
    // The hosts the program asks for.
    static const char* const kMakerHost;
    static const char* const kShopHost;
    static const char* const kMovieDbHost;
    static const char* const kMovieDbImageHost;

    struct Request
    {
        std::string method;
        // Without a port.
        std::string host;
        // With its query.
        std::string path;
        // Everything after the blank line.
        std::string body;
        std::string raw;
        int status = 0;
    };

    // With the default pages: feedback accepted, the informer naming the
    // version "1.2.0", a shop result, the movie database's search and title.
    StandInServer();
    StandInServer(const StandInServer&) = delete;
    StandInServer& operator=(const StandInServer&) = delete;

    bool isListening() const { return m_server.isListening(); }
    int port() const { return m_server.port(); }
    std::string hostAndPort() const { return m_server.hostAndPort(); }

    // The whole answer for a host and a path. A path ending in "/" or "?"
    // also answers every longer path that begins with it; the longest such
    // path wins.
    void setAnswer(const std::string& host, const std::string& path, const std::string& answer);
    // A "200 OK" answer with that body and content type.
    void setPage(const std::string& host, const std::string& path, const std::string& body,
                 const std::string& contentType = "text/html");
    // The informer's answer naming that version and link.
    void setLatestVersion(const std::string& version, const std::string& link);
    // Each request also goes to this file, one line each ("GET host/path
    // -> status"); empty stops that.
    void setLogFile(const std::string& path);

    std::vector<Request> requests() const;
    // Requests to that host whose path begins with pathStart.
    std::vector<Request> requestsTo(const std::string& host, const std::string& pathStart) const;
    bool waitForRequestTo(const std::string& host, const std::string& pathStart, int timeoutMs) const;

    // The parts of a raw request.
    static Request parse(const std::string& raw);
    // The default pages' answer body for the informer.
    static std::string informerAnswer(const std::string& version, const std::string& link);

private:
    std::string respond(const std::string& raw);
    std::string answerFor(const Request& request) const;
    void log(const Request& request);

    mutable std::mutex m_mutex;
    // host -> path -> answer
    std::map<std::string, std::map<std::string, std::string>> m_answers;
    std::vector<Request> m_requests;
    std::string m_logFile;
    TestHttpServer m_server;
};

} // namespace testsupport
