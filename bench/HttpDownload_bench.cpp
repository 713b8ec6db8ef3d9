// Downloads 10 MiB from a loopback server through the whole HTTP stack:
// socket reads, answer splitting and the body copy.
#include "foundation/net/HttpClient.h"
#include "foundation/net/Network.h"

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

namespace {

const int kBodyBytes = 10 * 1024 * 1024;

// Answers every connection with the same page, HTTP/1.0 style.
class LoopbackServer
{
public:
    LoopbackServer()
    {
        m_answer = "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\n\r\n";
        m_answer += std::string(kBodyBytes, 'r');
        m_listener = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address;
        std::memset(&address, 0, sizeof(address));
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        listen(m_listener, 8);
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }

    ~LoopbackServer()
    {
        m_stopping = true;
        m_thread.join();
        close(m_listener);
    }

    int port() const { return m_port; }

private:
    void serve()
    {
        while (!m_stopping) {
            pollfd entry = {m_listener, POLLIN, 0};
            if (poll(&entry, 1, 50) <= 0)
                continue;
            int connection = accept(m_listener, nullptr, nullptr);
            if (connection < 0)
                continue;
            answer(connection);
        }
    }

    void answer(int connection)
    {
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos) {
            ssize_t received = recv(connection, buffer, sizeof(buffer), 0);
            if (received <= 0)
                break;
            request.append(buffer, static_cast<size_t>(received));
        }
        size_t sent = 0;
        while (sent < m_answer.size()) {
            ssize_t count = send(connection, m_answer.data() + sent, m_answer.size() - sent, MSG_NOSIGNAL);
            if (count <= 0)
                break;
            sent += static_cast<size_t>(count);
        }
        shutdown(connection, SHUT_WR);
        while (recv(connection, buffer, sizeof(buffer), 0) > 0) {
        }
        close(connection);
    }

    std::string m_answer;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};

String asciiText(const std::string& text)
{
    String result;
    for (char c : text)
        result += static_cast<char16_t>(c);
    return result;
}

void downloadTenMegabytes(benchmark::State& state)
{
    Network::instance().startup();
    LoopbackServer server;
    String url = asciiText("http://127.0.0.1:" + std::to_string(server.port()) + "/big");
    for (auto _ : state) {
        String contentType;
        ByteArray body = HttpClient::downloadPage(url, contentType, 11);
        if (body.size() != kBodyBytes) {
            state.SkipWithError("download failed");
            break;
        }
        benchmark::DoNotOptimize(body.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kBodyBytes));
}

} // namespace

BENCHMARK(downloadTenMegabytes)->Unit(benchmark::kMillisecond)->UseRealTime();
