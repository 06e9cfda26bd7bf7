// ostrel-cli doctor with a linked pseudo-terminal: the simulated radio echoes
// what is sent; a terminal with nobody at the far end gives nothing back. The
// system is read under an empty root, so this machine's own programs and
// rules do not change the outcome.

// std
#include <filesystem>
#include <sstream>

// gtest
#include <gtest/gtest.h>

// project
#include "cli/commands.h"
#include "clone/sim/sim_radio.h"
#include "portkit/pty_support.h"
#include "support/temp_config.h"

namespace {

int Doctor(const std::vector<std::string>& args, std::string* out)
{
    std::ostringstream text;
    std::ostringstream err;
    std::vector<std::string> all{"doctor"};
    all.insert(all.end(), args.begin(), args.end());
    const int code = cli::Run(all, text, err);
    *out = text.str();
    return code;
}

TEST(Doctor, EchoThroughALinkedRadioPassesAndASilentLineIsAProblem)
{
    test_support::TempDir emptyRoot;
    test_support::PortFolder folder;
    transfer::sim::Options options;
    options.role = transfer::sim::Role::Receive;
    transfer::sim::SimRadio radio(options);
    test_support::PseudoTerminal silent;
    ASSERT_TRUE(radio.ok() && silent.ok());
    // Relative links: an absolute one would be read under the made-up root.
    folder.Link(3, std::filesystem::relative(radio.PortPath(), folder.path()).string());
    folder.Link(4, std::filesystem::relative(silent.slaveName(), folder.path()).string());
    radio.Start();

    std::string out;
    EXPECT_EQ(Doctor({"--port", "3", "--echo", "--root", emptyRoot.path()}, &out), cli::kExitOk) << out;
    EXPECT_NE(out.find("\nOK      COM3 is not on a USB serial chip (" + radio.PortPath() + "): no chip to check.\n"
                       "OK      COM3 opens at 9600 8N2; low latency refused by the driver (Inappropriate ioctl for "
                       "device).\n"
                       "OK      COM3 echo: the 4 bytes sent (55 AA 0F F0) came back.\n"
                       "OK      Every USB serial device plugged in has a driver.\n"
                       "OK      ModemManager is not running.\n"
                       "OK      brltty is not installed.\n"),
              std::string::npos)
        << out;

    EXPECT_EQ(Doctor({"--port", "4", "--echo", "--root", emptyRoot.path()}, &out), cli::kExitFailed) << out;
    EXPECT_NE(out.find("PROBLEM COM4 echo: nothing came back of 4 bytes sent (55 AA 0F F0): put the cable in the "
                       "radio's data jack, switch the radio on, and check that this is the cable's port.\n"),
              std::string::npos)
        << out;

    EXPECT_EQ(Doctor({"--port", "0"}, &out), cli::kExitUsage);
    EXPECT_EQ(Doctor({"stray"}, &out), cli::kExitUsage);
}

} // namespace
