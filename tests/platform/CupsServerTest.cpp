// How a scheduler named on its own (a command line, a setting) becomes a place to connect to.
#include <gtest/gtest.h>

#include "platform/CupsConnection.h"

using platform::CupsServer;

TEST(CupsServer, ParsesHostPortAddressAndSocketPath) {
    EXPECT_EQ(CupsServer::parse("printhost"), (CupsServer{"printhost", 631}));
    EXPECT_EQ(CupsServer::parse("printhost:8631"), (CupsServer{"printhost", 8631}));
    EXPECT_EQ(CupsServer::parse("[::1]:8631"), (CupsServer{"::1", 8631}));
    EXPECT_EQ(CupsServer::parse("fe80::1"), (CupsServer{"fe80::1", 631}));
    EXPECT_EQ(CupsServer::parse("/run/cups/cups.sock"), (CupsServer{"/run/cups/cups.sock", 631}));
    // A port that is not one stays part of the name, and the connection fails on it.
    EXPECT_EQ(CupsServer::parse("printhost:ipp"), (CupsServer{"printhost:ipp", 631}));
}

TEST(CupsServer, NamesNoSchedulerInAnyOtherForm) {
    for (const char* text : {"", "print host", "printhost:ipp", "printhost:0", "printhost:65536", "[::1",
                             "[::1]8631", "[]:631", "a/b", "fe80::1::g"})
        EXPECT_EQ(CupsServer::named(text), std::nullopt) << text;
    EXPECT_EQ(CupsServer::named("[::1]:8631"), (CupsServer{"::1", 8631}));
    EXPECT_EQ(CupsServer::named("/run/cups/cups.sock"), (CupsServer{"/run/cups/cups.sock", 631}));
}
