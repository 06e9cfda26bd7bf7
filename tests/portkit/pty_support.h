#pragma once
// Pseudo-terminals standing in for serial devices, and a port folder of
// COM<n> links to them (PORTKIT_PORT_DIR for the life of the object).

#include "support/temp_config.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace test_support {

class PseudoTerminal {
public:
    PseudoTerminal()
    {
        char name[256] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) == 0)
            slaveName_ = name;
    }
    ~PseudoTerminal()
    {
        CloseMaster();
        if (slave_ >= 0)
            ::close(slave_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool ok() const { return !slaveName_.empty(); }
    int master() const { return master_; }
    int slave() const { return slave_; }
    const std::string& slaveName() const { return slaveName_; }

    // Cuts the line: the far end goes away.
    void CloseMaster()
    {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

    void Send(const std::string& bytes) const
    {
        ssize_t ignored = ::write(master_, bytes.data(), bytes.size());
        (void)ignored;
    }

    // Whether anything reached the far end within a moment.
    bool HasOutput() const
    {
        pollfd wait{master_, POLLIN, 0};
        return ::poll(&wait, 1, 50) > 0;
    }

    // What reached the far end, waiting up to two seconds for count bytes.
    std::string Receive(size_t count) const
    {
        std::string got;
        for (int tries = 0; got.size() < count && tries < 200; ++tries) {
            pollfd wait{master_, POLLIN, 0};
            if (::poll(&wait, 1, 10) <= 0)
                continue;
            char buffer[256];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0)
                got.append(buffer, static_cast<size_t>(n));
        }
        return got;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slaveName_;
};

class PortFolder {
public:
    PortFolder() : env_("PORTKIT_PORT_DIR", dir_.path()) {}
    PortFolder(const PortFolder&) = delete;
    PortFolder& operator=(const PortFolder&) = delete;

    // Makes port n stand for target.
    void Link(int n, const std::string& target) const
    {
        std::filesystem::create_symlink(target, dir_.path() + "/COM" + std::to_string(n));
    }
    const std::string& path() const { return dir_.path(); }

private:
    TempDir dir_;
    ScopedEnv env_;
};

} // namespace test_support
