// ostrel-cli ports: a linked pseudo-terminal that opens, a link to a missing
// device, a device held by another process, and the cure for a port the user
// may not open.

// std
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

// system
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

// gtest
#include <gtest/gtest.h>

// project
#include "cli/commands.h"
#include "portkit/core/port_diagnosis.h"
#include "portkit/pty_support.h"

namespace {

std::string Ports(int* code = nullptr)
{
    std::ostringstream out;
    std::ostringstream err;
    const int result = cli::Run({"ports"}, out, err);
    if (code != nullptr)
        *code = result;
    return out.str();
}

std::string Comm(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/comm");
    std::string text;
    std::getline(in, text);
    return text;
}

// A "sleep" process that holds the device open and locked, as another
// program holding the port does.
class Holder {
public:
    explicit Holder(const std::string& device)
    {
        pid_ = ::fork();
        if (pid_ == 0) {
            const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
            if (fd < 0 || ::flock(fd, LOCK_EX) != 0)
                ::_exit(1);
            for (int other = 3; other < 1024; ++other)
                if (other != fd)
                    ::close(other);
            ::execl("/bin/sleep", "sleep", "30", static_cast<char*>(nullptr));
            ::_exit(1);
        }
        for (int i = 0; i < 500 && Comm(pid_) != "sleep"; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ~Holder()
    {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
};

TEST(Ports, LinkedPtyMissingDeviceAndHeldPortEachSayWhy)
{
    test_support::PseudoTerminal free;
    test_support::PseudoTerminal held;
    ASSERT_TRUE(free.ok() && held.ok());
    test_support::PortFolder folder;
    folder.Link(3, free.slaveName());
    folder.Link(4, "/dev/ttyUSB-unplugged");
    folder.Link(60, held.slaveName());
    Holder holder(held.slaveName());
    ASSERT_EQ(Comm(holder.pid()), "sleep");

    int code = -1;
    const std::string out = Ports(&code);
    EXPECT_EQ(code, 0);
    const std::string& dir = folder.path();
    struct stat info {};
    ASSERT_EQ(::stat(free.slaveName().c_str(), &info), 0);
    const group* owner = ::getgrgid(info.st_gid);
    ASSERT_NE(owner, nullptr);
    const std::string tty = owner->gr_name;
    EXPECT_EQ(out, "Port folder: " + dir + "\n" +
                       "COM3 " + dir + "/COM3 -> " + free.slaveName() + ": present, group " + tty + ", may open\n" +
                       "COM4 " + dir + "/COM4 -> /dev/ttyUSB-unplugged: missing: nothing is plugged in there\n" +
                       "COM60 " + dir + "/COM60 -> " + held.slaveName() + ": present, group " + tty + ", held by " +
                       std::to_string(holder.pid()) + " (sleep)\n");
}

TEST(Ports, EmptyPortFolderListsNothingButTheFolder)
{
    test_support::PortFolder folder;
    EXPECT_EQ(Ports(), "Port folder: " + folder.path() + "\n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::Run({"ports", "extra"}, out, err), cli::kExitUsage);
    EXPECT_EQ(cli::Run({"ports", "--help"}, out, err), cli::kExitOk);
    EXPECT_NE(out.str().find("Usage: ostrel-cli ports"), std::string::npos);
}

// Root may open everything, so the refusals are shown from their facts.
TEST(Ports, RefusedPortNamesTheGroupAndTheCure)
{
    portkit::PortDiagnosis d;
    d.port = 1;
    d.device = "/dev/ttyUSB0";
    d.exists = true;
    d.group = "dialout";
    d.openError = EACCES;
    EXPECT_EQ(portkit::DiagnosisText(d), "COM1 /dev/ttyUSB0: present, group dialout, not allowed: add your user to "
                                         "the group \"dialout\" (usermod -aG dialout USER), then log out and log in again");
    d.groupPendingLogin = true;
    EXPECT_EQ(portkit::DiagnosisReason(d), "not allowed yet: your user is in the group \"dialout\" but this session "
                                           "is not; log out and log in again");
    d.permitted = true;
    d.groupPendingLogin = false;
    d.openError = EBUSY;
    EXPECT_EQ(portkit::DiagnosisReason(d), "held by another program");
}

} // namespace
