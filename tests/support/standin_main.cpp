// The stand-in for the outside services as a program of its own, for runs of
// reelstack by hand or by script:
//   reelstack_standin [--log FILE] [--latest VERSION]
// prints the port it listens on (127.0.0.1), then serves until its input
// closes. Start the program with REELSTACK_AUTOMATION and
// REELSTACK_TEST_HOSTS=127.0.0.1:<port>.
#include "tests/support/StandInServer.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    testsupport::StandInServer server;
    if (!server.isListening()) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1\n");
        return 1;
    }
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--log") == 0)
            server.setLogFile(argv[i + 1]);
        else if (std::strcmp(argv[i], "--latest") == 0)
            server.setLatestVersion(argv[i + 1], "http://www.reelstack.example/download");
    }
    std::printf("%d\n", server.port());
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}
