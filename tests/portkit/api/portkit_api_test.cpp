// The shared object's exported interface, as a program that links it sees it.

#include "portkit/portkit.h"

#include "platform/prompt.h"
#include "platform/registry.h"
#include "portkit/pty_support.h"
#include "portkit/qt_app.h"
#include "support/files.h"
#include "support/temp_config.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWizard>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Shown {
    std::string text;
    std::string caption;
    int icon;
    void* owner;
};

int RecordMessage(void* context, const char* text, const char* caption, int icon, int /*buttons*/, void* owner)
{
    static_cast<std::vector<Shown>*>(context)->push_back({text, caption, icon, owner});
    return PORTKIT_ANSWER_OK;
}

// The library's messages go to a RecordingPrompt of this program.
class LibraryPrompt {
public:
    LibraryPrompt() { SetPortkitPrompt(&prompt); }
    ~LibraryPrompt() { SetPortkitPrompt(nullptr); }
    LibraryPrompt(const LibraryPrompt&) = delete;
    LibraryPrompt& operator=(const LibraryPrompt&) = delete;

    platform::RecordingPrompt prompt;
};

TEST(PortkitApi, InterfaceVersionMatchesTheHeader)
{
    EXPECT_EQ(portkit_interface_version(), PORTKIT_INTERFACE_VERSION);
}

TEST(PortkitApi, SerialThroughTheCppInterface)
{
    LibraryPrompt library;
    test_support::PseudoTerminal pty;
    ASSERT_TRUE(pty.ok());
    test_support::PortFolder ports;
    ports.Link(6, pty.slaveName());

    CSerial port;
    EXPECT_FALSE(port.OpenPort(nullptr)); // port 0
    port.SetPortNum(6);
    EXPECT_EQ(port.GetPortNum(), 6);
    EXPECT_EQ(port.GetOpenPortID(), nullptr);
    ASSERT_TRUE(port.OpenPort(nullptr, 9600, 0, 8, 2));
    EXPECT_TRUE(port.IsPortOpen());
    EXPECT_NE(port.GetOpenPortID(), nullptr);
    EXPECT_EQ(port.FindComPorts(6), PORTKIT_PORT_UNAVAILABLE);

    EXPECT_EQ(port.WriteComm("\x06\x01", 2), 2);
    EXPECT_EQ(pty.Receive(2), "\x06\x01");
    EXPECT_EQ(port.ReadCommByte(), 0xFF);
    pty.Send("ok");
    std::string got;
    for (int i = 0; i < 500 && got.size() < 2; ++i) {
        char buffer[4];
        const int n = port.ReadComm(buffer, sizeof buffer);
        ASSERT_GE(n, 0);
        got.append(buffer, static_cast<size_t>(n));
    }
    EXPECT_EQ(got, "ok");

    port.ClosePort();
    EXPECT_FALSE(port.IsPortOpen());
    EXPECT_EQ(port.GetOpenPortID(), nullptr);
    ASSERT_EQ(library.prompt.shown.size(), 1u);
    EXPECT_EQ(library.prompt.shown[0].text, "No com port selected");
}

// The later entries: waiting on readiness, the queued count and the drain.
TEST(PortkitApi, ReadinessQueuedCountAndDrain)
{
    LibraryPrompt library;
    test_support::PseudoTerminal pty;
    ASSERT_TRUE(pty.ok());
    test_support::PortFolder ports;
    ports.Link(4, pty.slaveName());

    CSerial port;
    EXPECT_EQ(port.GetDescriptor(), -1);
    EXPECT_EQ(port.BytesAvailable(), -1);
    port.SetPortNum(4);
    ASSERT_TRUE(port.OpenPort(nullptr, 9600, 0, 8, 2));
    EXPECT_GE(port.GetDescriptor(), 0);
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(port.GetOpenPortID()), port.GetDescriptor());

    EXPECT_EQ(port.WaitComm(0), 0);
    EXPECT_EQ(port.BytesAvailable(), 0);
    pty.Send("abc");
    EXPECT_EQ(port.WaitComm(2000), 1);
    for (int i = 0; i < 100 && port.BytesAvailable() < 3; ++i)
        port.WaitComm(10);
    EXPECT_EQ(port.BytesAvailable(), 3);

    EXPECT_EQ(port.WriteComm("\x41\x06", 2), 2);
    EXPECT_EQ(port.DrainComm(), 0);
    EXPECT_EQ(pty.Receive(2), "\x41\x06");

    // A cut line wakes the waiter at once; the read then fails.
    char sink[8];
    ASSERT_EQ(port.ReadComm(sink, sizeof sink), 3);
    pty.CloseMaster();
    EXPECT_EQ(port.WaitComm(2000), 1);
    EXPECT_LT(port.ReadComm(sink, sizeof sink), 0);
    EXPECT_TRUE(library.prompt.shown.empty());

    // Null handles are tolerated.
    EXPECT_EQ(portkit_serial_descriptor(nullptr), -1);
    EXPECT_LT(portkit_serial_wait(nullptr, 0), 0);
    EXPECT_EQ(portkit_serial_drain(nullptr), 0);
}

TEST(PortkitApi, CEntriesToleranceAndCallbackPrompt)
{
    std::vector<Shown> shown;
    portkit_set_prompt(RecordMessage, &shown);

    PortkitSerial* port = portkit_serial_new();
    ASSERT_NE(port, nullptr);
    int owner = 0;
    portkit_serial_set_port_num(port, 0);
    EXPECT_EQ(portkit_serial_open(port, &owner), 0);
    portkit_serial_delete(port);

    // A null handle does nothing and reports a closed port.
    EXPECT_EQ(portkit_serial_is_open(nullptr), 0);
    EXPECT_EQ(portkit_serial_read_byte(nullptr), 0xFF);
    EXPECT_LT(portkit_serial_read(nullptr, nullptr, 1), 0);
    portkit_serial_close(nullptr);
    portkit_serial_delete(nullptr);
    portkit_set_prompt(nullptr, nullptr);

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "No com port selected");
    EXPECT_EQ(shown[0].caption, "Com port error");
    EXPECT_EQ(shown[0].icon, PORTKIT_ICON_NONE);
    EXPECT_EQ(shown[0].owner, &owner);
}

TEST(PortkitApi, StoredPortAndSetupWithoutAWindowSystem)
{
    const test_support::TempConfigHome home;
    EXPECT_EQ(GetRegComPort(nullptr), 0);
    EXPECT_EQ(GetRegComPort(platform::kSettingsKey), 0);
    platform::Registry::SetDword(platform::kSettingsKey, "comport", 7);
    EXPECT_EQ(GetRegComPort(platform::kSettingsKey), 7);

    // No QApplication: no dialog can be shown, nothing is stored.
    EXPECT_EQ(SetupPort(platform::kSettingsKey, nullptr), -1);
    EXPECT_EQ(GetRegComPort(platform::kSettingsKey), 7);
}

TEST(PortkitApi, SortWithoutAWindowSystemMakesNoChoice)
{
    SortOptions options{};
    options.nCount = 2;
    options.pszNames[0] = "Name";
    options.pszNames[1] = "Comment";
    options.nOrder = 2;
    options.nScope = 1;
    options.nFirstKey = 2;
    options.nSecondKey = 1;
    EXPECT_FALSE(Sort(nullptr, options));
    EXPECT_EQ(options.nOrder, 0);
    EXPECT_EQ(options.nScope, 0);
    EXPECT_EQ(options.nFirstKey, 0);
    EXPECT_EQ(options.nSecondKey, 0);
    EXPECT_EQ(options.nCount, 2);
    EXPECT_STREQ(options.pszNames[1], "Comment");
    EXPECT_EQ(portkit_sort(nullptr, nullptr), 0);
}

TEST(PortkitApi, ImportDataReportsUnreadableFile)
{
    LibraryPrompt library;
    const char* names[] = {"Name", "Comment"};
    const int widths[] = {10, 31};
    const ImportDataStruct data{nullptr, 2, 1, 10, 10};
    EXPECT_FALSE(ImportData(data, names, widths, "/nonexistent/list.tab", nullptr));
    ASSERT_EQ(library.prompt.shown.size(), 1u);
    EXPECT_EQ(library.prompt.shown[0].text, "An error occurred file tring to open the file: \n/nonexistent/list.tab");
    EXPECT_EQ(library.prompt.shown[0].caption, "Import Error");
    EXPECT_EQ(portkit_import_data(nullptr, names, widths, "x", nullptr), 0);
    EXPECT_EQ(portkit_import_data(&data, names, widths, nullptr, nullptr), 0);
    EXPECT_EQ(library.prompt.shown.size(), 1u);
}

void IgnoreRow(void* /*record*/, int /*channelIndex*/, int /*overwrite*/) {}

// The assignment of the wizard that finished, through both entries; none
// after a call that could not open its file.
TEST(PortkitApi, ImportAssignmentOfTheFinishedWizard)
{
    test_support::App();
    const std::string path = testing::TempDir() + "api_assignment.tab";
    const std::string text = "Comment\tOther\tName\n" "x\ty\tA\n";
    test_support::WriteBytes(path, test_support::Bytes(text.begin(), text.end()));
    QTimer::singleShot(0, [] {
        auto* wizard = qobject_cast<QWizard*>(QApplication::activeModalWidget());
        ASSERT_NE(wizard, nullptr);
        for (int step = 0; step < 3; ++step)
            QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
    });
    const char* names[] = {"Name", "Comment"};
    const int widths[] = {10, 31};
    const ImportDataStruct data{nullptr, 2, 1, 10, 10};
    ASSERT_TRUE(ImportData(data, names, widths, path.c_str(), &IgnoreRow));
    EXPECT_EQ(ImportAssignment(), (std::vector<int>{2, 0, 1}));
    int first[] = {-1, -1, -1};
    EXPECT_EQ(portkit_import_assignment(first, 2), 3);
    EXPECT_EQ(first[0], 2);
    EXPECT_EQ(first[1], 0);
    EXPECT_EQ(first[2], -1); // past the capacity
    EXPECT_EQ(portkit_import_assignment(nullptr, 3), 3);

    LibraryPrompt library;
    EXPECT_FALSE(ImportData(data, names, widths, "/nonexistent/list.tab", &IgnoreRow));
    EXPECT_EQ(portkit_import_assignment(first, 3), 0);
    EXPECT_TRUE(ImportAssignment().empty());
    std::remove(path.c_str());
}

TEST(PortkitApi, LogIsOneInstanceAndSilentWhileOff)
{
    CLogMessage* log = CLogMessage::CreateInstance();
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(CLogMessage::CreateInstance(), log);
    EXPECT_EQ(portkit_log_instance(), portkit_log_instance());
    EXPECT_FALSE(CLogMessage::IsLogging());
}

} // namespace
