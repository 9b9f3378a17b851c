// A stand-in printer for the demo spooler: accepts jobs on a TCP port (a socket:// device),
// writes each to a file and prints it as hex with the settings decoded.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tools/capture/SettingsReport.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: bmk540-capture PORT DIRECTORY\n";
        return 2;
    }
    const int port = std::atoi(argv[1]);
    const std::string directory = argv[2];
    std::signal(SIGPIPE, SIG_IGN);
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    int yes = 1;
    ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (listener < 0 || ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 4) != 0) {
        std::perror("bmk540-capture: cannot listen");
        return 1;
    }
    std::cout << "bmk540-capture: printer listening on 127.0.0.1:" << port << std::endl;
    for (int job = 1;; ++job) {
        const int peer = ::accept(listener, nullptr, nullptr);
        if (peer < 0) continue;
        std::vector<std::uint8_t> bytes;
        std::uint8_t buffer[4096];
        for (ssize_t n; (n = ::read(peer, buffer, sizeof buffer)) > 0;) bytes.insert(bytes.end(), buffer, buffer + n);
        ::close(peer);
        const std::string file = directory + "/job-" + std::to_string(job) + ".bin";
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        std::cout << "\n== job " << job << ": " << bytes.size() << " bytes, saved as " << file << '\n'
                  << HexDump(bytes) << DescribeSettings(bytes) << std::flush;
    }
}
