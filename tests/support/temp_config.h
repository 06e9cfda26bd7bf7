#pragma once
// Points XDG_CONFIG_HOME at a fresh temporary folder for the life of the object,
// so that tests never touch the user's own configuration.

#include <cstdlib>
#include <stdlib.h>
#include <filesystem>
#include <string>

namespace test_support {

class TempDir {
public:
    TempDir()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "ostrel-test-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data()) != nullptr ? tmpl : std::string();
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

class TempConfigHome {
public:
    TempConfigHome()
    {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        had_ = old != nullptr;
        if (had_)
            old_ = old;
        ::setenv("XDG_CONFIG_HOME", dir_.path().c_str(), 1);
    }
    ~TempConfigHome()
    {
        if (had_)
            ::setenv("XDG_CONFIG_HOME", old_.c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }
    TempConfigHome(const TempConfigHome&) = delete;
    TempConfigHome& operator=(const TempConfigHome&) = delete;
    const std::string& path() const { return dir_.path(); }

private:
    TempDir dir_;
    bool had_ = false;
    std::string old_;
};

} // namespace test_support
