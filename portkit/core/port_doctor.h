#pragma once
// The connection doctor: everything on this machine that stands between the
// program and a radio on port n, one line per check, each OK, PROBLEM (with
// its cure in one sentence) or NOTE. Read by "ostrel-cli doctor" and the
// "Check the connection" button of the Com port setup dialog. It reads the
// system (sysfs, /proc, the udev rules folders) under a root folder and
// changes nothing; the line checks open the port and, when asked, send a few
// bytes that the radio's single data line echoes.

// std
#include <string>
#include <vector>

namespace portkit {

enum class Finding { Ok, Problem, Note };

struct DoctorLine {
    Finding finding;
    std::string text;
};

struct DoctorRequest {
    int port = 0;           // 0: none chosen
    bool echo = false;      // send a few bytes and expect them back
    std::string root = "/"; // where the system is read
};

std::vector<DoctorLine> ExamineConnection(const DoctorRequest& request);

// "OK      text", "PROBLEM text", "NOTE    text".
std::string DoctorLineText(const DoctorLine& line);

bool AnyProblem(const std::vector<DoctorLine>& lines);

} // namespace portkit
