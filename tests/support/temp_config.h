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

// Sets an environment variable for the life of the object, then restores it.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name)
    {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        if (had_)
            old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (had_)
            ::setenv(name_.c_str(), old_.c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    bool had_ = false;
    std::string old_;
};

class TempConfigHome {
public:
    TempConfigHome() : env_("XDG_CONFIG_HOME", dir_.path()) {}
    const std::string& path() const { return dir_.path(); }

private:
    TempDir dir_;
    ScopedEnv env_;
};

} // namespace test_support
