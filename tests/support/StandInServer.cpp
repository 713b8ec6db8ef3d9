#include "tests/support/StandInServer.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace testsupport {

const char* const StandInServer::kMakerHost = "service.reelstack.example";
const char* const StandInServer::kShopHost = "www.discshop.example";
const char* const StandInServer::kMovieDbHost = "www.moviedb.example";
const char* const StandInServer::kMovieDbImageHost = "images.moviedb.example";

namespace {

const char kNotFound[] = "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\nnot here";

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string fileText(const std::string& name)
{
    std::ifstream in(std::string(REELSTACK_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The value of a header line, without the blanks around it.
std::string headerValue(const std::string& head, const std::string& name)
{
    const std::string lower = lowerCase(head);
    const size_t at = lower.find("\r\n" + name + ":");
    if (at == std::string::npos)
        return std::string();
    size_t start = at + name.size() + 3;
    size_t end = head.find("\r\n", start);
    if (end == std::string::npos)
        end = head.size();
    while (start < end && head[start] == ' ')
        ++start;
    while (end > start && head[end - 1] == ' ')
        --end;
    return head.substr(start, end - start);
}

int statusOf(const std::string& answer)
{
    const size_t blank = answer.find(' ');
    return blank == std::string::npos ? 0 : std::atoi(answer.c_str() + blank + 1);
}

bool isPrefixKey(const std::string& path)
{
    return !path.empty() && (path.back() == '/' || path.back() == '?');
}

} // namespace

StandInServer::StandInServer()
{
    setPage(kMakerHost, "/service-feedback", "1", "text/plain");
    setLatestVersion("1.2.0", "http://www.reelstack.example/download");
    setPage(kShopHost, "/s/",
            "<html><body><div class=\"result\"><a class=\"title\" href=\"/dp/1\">"
            "Alien (Blu-ray)</a></div></body></html>");
    setPage(kMovieDbHost, "/find?", fileText("extractors/en/search-one.html"));
    setPage(kMovieDbHost, "/title/", fileText("extractors/en/title-movie.html"));
    setPage(kMovieDbImageHost, "/images/", std::string("\x89PNG\r\n\x1a\n", 8), "image/png");
    m_server.setResponder([this](const std::string& raw) { return respond(raw); });
}

std::string StandInServer::informerAnswer(const std::string& version, const std::string& link)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><answer><version>" + version + "</version><link>" +
           link + "</link></answer>";
}

void StandInServer::setAnswer(const std::string& host, const std::string& path, const std::string& answer)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_answers[lowerCase(host)][path] = answer;
}

void StandInServer::setPage(const std::string& host, const std::string& path, const std::string& body,
                            const std::string& contentType)
{
    setAnswer(host, path,
              "HTTP/1.0 200 OK\r\nContent-Type: " + contentType +
                  "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
}

void StandInServer::setLatestVersion(const std::string& version, const std::string& link)
{
    setPage(kMakerHost, "/service-informer", informerAnswer(version, link), "text/xml");
}

void StandInServer::setLogFile(const std::string& path)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_logFile = path;
}

StandInServer::Request StandInServer::parse(const std::string& raw)
{
    Request request;
    request.raw = raw;
    const size_t lineEnd = raw.find("\r\n");
    const std::string line = raw.substr(0, lineEnd);
    const size_t first = line.find(' ');
    const size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
    if (second == std::string::npos)
        return request;
    request.method = line.substr(0, first);
    request.path = line.substr(first + 1, second - first - 1);
    const size_t headEnd = raw.find("\r\n\r\n");
    const std::string head = raw.substr(0, headEnd);
    request.host = lowerCase(headerValue(head, "host"));
    request.host = request.host.substr(0, request.host.find(':'));
    if (headEnd != std::string::npos)
        request.body = raw.substr(headEnd + 4);
    return request;
}

std::string StandInServer::respond(const std::string& raw)
{
    Request request = parse(raw);
    std::string answer;
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        answer = answerFor(request);
    }
    request.status = statusOf(answer);
    log(request);
    return answer;
}

std::string StandInServer::answerFor(const Request& request) const
{
    const auto host = m_answers.find(request.host);
    if (host == m_answers.end())
        return kNotFound;
    const auto exact = host->second.find(request.path);
    if (exact != host->second.end())
        return exact->second;
    const std::string* best = nullptr;
    size_t bestLength = 0;
    for (const auto& page : host->second) {
        if (isPrefixKey(page.first) && page.first.size() > bestLength &&
            request.path.compare(0, page.first.size(), page.first) == 0) {
            best = &page.second;
            bestLength = page.first.size();
        }
    }
    return best ? *best : kNotFound;
}

void StandInServer::log(const Request& request)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_requests.push_back(request);
    if (m_logFile.empty())
        return;
    std::ofstream out(m_logFile, std::ios::app);
    out << request.method << ' ' << request.host << request.path << " -> " << request.status << '\n';
}

std::vector<StandInServer::Request> StandInServer::requests() const
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_requests;
}

std::vector<StandInServer::Request> StandInServer::requestsTo(const std::string& host,
                                                              const std::string& pathStart) const
{
    std::vector<Request> found;
    for (const Request& request : requests()) {
        if (request.host == host && request.path.compare(0, pathStart.size(), pathStart) == 0)
            found.push_back(request);
    }
    return found;
}

bool StandInServer::waitForRequestTo(const std::string& host, const std::string& pathStart,
                                     int timeoutMs) const
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (!requestsTo(host, pathStart).empty())
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace testsupport
