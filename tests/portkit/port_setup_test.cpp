#include "portkit/core/com_port_store.h"
#include "portkit/core/port_errors.h"
#include "portkit/core/port_setup_model.h"
#include "portkit/core/serial_port.h"
#include "portkit/ui/port_setup_dialog.h"

#include "platform/prompt.h"
#include "platform/registry.h"
#include "portkit/pty_support.h"
#include "portkit/qt_app.h"
#include "support/temp_config.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using portkit::PortSetupDialog;
using portkit::PortSetupModel;

namespace {

constexpr const char* kKey = "Software\\Quillon\\Yaesu\\Ostrel Programmer\\Settings";

std::vector<std::string> Labels(const PortSetupModel& model)
{
    std::vector<std::string> labels;
    for (const portkit::PortEntry& entry : model.Entries())
        labels.push_back(entry.label);
    return labels;
}

std::vector<std::string> Labels(const QComboBox& box)
{
    std::vector<std::string> labels;
    for (int i = 0; i < box.count(); ++i)
        labels.push_back(box.itemText(i).toStdString());
    return labels;
}

// Three pseudo-terminals linked as COM11, COM2 and COM4 (made in that order).
class PortSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 3; ++i) {
            ptys.push_back(std::make_unique<test_support::PseudoTerminal>());
            ASSERT_TRUE(ptys.back()->ok());
        }
        ports.Link(11, ptys[0]->slaveName());
        ports.Link(2, ptys[1]->slaveName());
        ports.Link(4, ptys[2]->slaveName());
        holder.SetPortNum(4);
    }

    test_support::TempConfigHome home;
    test_support::PortFolder ports;
    std::vector<std::unique_ptr<test_support::PseudoTerminal>> ptys;
    platform::RecordingPrompt prompt;
    portkit::SerialPort holder; // another program's hold on COM4, when open
    int current = 0;
};

TEST_F(PortSetupTest, StandardListAndFirstSelection)
{
    PortSetupModel model(current);
    model.BuildStandardList();
    EXPECT_EQ(Labels(model), (std::vector<std::string>{"None", "Com 1", "Com 2", "Com 3", "Com 4", "Com 5",
                                                       "Com 6", "Com 7", "Com 8", "Com 9"}));
    EXPECT_EQ(model.InitialSelection(), 0);
    current = 9;
    EXPECT_EQ(model.InitialSelection(), 9);
    current = 12;
    EXPECT_EQ(model.InitialSelection(), -1);
}

TEST_F(PortSetupTest, ScanListsOnlyPortsThatOpenInAscendingOrder)
{
    PortSetupModel model(current);
    model.BuildList(true);
    EXPECT_EQ(Labels(model), (std::vector<std::string>{"None", "Com 2", "Com 4", "Com 11"}));
    EXPECT_EQ(model.Entries()[3].port, 11);

    ASSERT_TRUE(holder.Open(nullptr)); // a port in use is not listed
    model.BuildList(true);
    EXPECT_EQ(Labels(model), (std::vector<std::string>{"None", "Com 2", "Com 11"}));
}

TEST_F(PortSetupTest, AcceptNoneOrNothingEndsWithZero)
{
    current = 5;
    PortSetupModel model(current);
    model.BuildStandardList();
    const auto none = model.Accept(0, nullptr);
    EXPECT_TRUE(none.ends);
    EXPECT_EQ(none.result, 0);
    EXPECT_EQ(current, 0);
    current = 5;
    EXPECT_EQ(model.Accept(-1, nullptr).result, 0);
    EXPECT_EQ(current, 0);
}

TEST_F(PortSetupTest, AcceptTestOpensThePortAndReleasesIt)
{
    PortSetupModel model(current);
    model.BuildList(true);
    const auto chosen = model.Accept(2, nullptr); // Com 4
    EXPECT_TRUE(chosen.ends);
    EXPECT_EQ(chosen.result, 4);
    EXPECT_EQ(current, 4);
    EXPECT_TRUE(holder.Open(nullptr)); // the test open let go of it
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(PortSetupTest, AcceptOnAHeldPortStaysWithTheMessage)
{
    current = 2;
    ASSERT_TRUE(holder.Open(nullptr));
    PortSetupModel model(current);
    model.BuildStandardList();
    int owner = 0;
    const auto refused = model.Accept(4, &owner);
    EXPECT_FALSE(refused.ends);
    EXPECT_EQ(refused.select, 2);
    EXPECT_EQ(current, 2);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "COM4: Is already open.");
    EXPECT_EQ(prompt.shown[0].caption, "Com port error");
    EXPECT_EQ(prompt.shown[0].owner, &owner);

    EXPECT_FALSE(model.Accept(5, nullptr).ends); // Com 5 does not exist
    EXPECT_EQ(prompt.shown.back().text, "COM5: Invalid or unsupported port.");
}

TEST_F(PortSetupTest, StoredPort)
{
    EXPECT_EQ(portkit::StoredComPort(nullptr), 0);
    EXPECT_EQ(portkit::StoredComPort(kKey), 0);
    portkit::StoreComPort(kKey, 7);
    EXPECT_EQ(portkit::StoredComPort(kKey), 7);
    EXPECT_EQ(platform::Registry::GetDword(kKey, "comport"), 7u);

    portkit::CurrentComPort() = 3;
    portkit::LoadCurrentComPort("Software\\Elsewhere"); // nothing stored: keeps 3
    EXPECT_EQ(portkit::CurrentComPort(), 3);
    portkit::LoadCurrentComPort(kKey);
    EXPECT_EQ(portkit::CurrentComPort(), 7);
    portkit::LoadCurrentComPort(nullptr);
    EXPECT_EQ(portkit::CurrentComPort(), 0);
}

TEST_F(PortSetupTest, DialogOpensOnTheCurrentPortAndTogglesLists)
{
    test_support::App();
    current = 3;
    PortSetupDialog dialog(current, nullptr);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Com port setup");
    QComboBox& list = *dialog.PortList();
    EXPECT_EQ(list.count(), 10);
    EXPECT_EQ(list.currentText().toStdString(), "Com 3");
    EXPECT_FALSE(dialog.AvailableOnly()->isChecked());

    dialog.AvailableOnly()->click();
    EXPECT_EQ(Labels(list), (std::vector<std::string>{"None", "Com 2", "Com 4", "Com 11"}));
    EXPECT_EQ(list.currentIndex(), 0);
    dialog.AvailableOnly()->click();
    EXPECT_EQ(list.count(), 10);
    EXPECT_EQ(list.currentIndex(), -1);
    dialog.AvailableOnly()->click();
    dialog.AvailableOnly()->click();
    EXPECT_EQ(list.count(), 10);
    EXPECT_EQ(list.currentIndex(), -1);

    current = 12;
    PortSetupDialog beyond(current, nullptr);
    EXPECT_EQ(beyond.PortList()->currentIndex(), -1);
}

TEST_F(PortSetupTest, DialogStaysOpenWhenTheChosenPortIsHeld)
{
    test_support::App();
    ASSERT_TRUE(holder.Open(nullptr));
    PortSetupDialog dialog(current, nullptr);
    dialog.show();
    dialog.AvailableOnly()->click(); // Com 4 is held, so only 2 and 11 are listed
    EXPECT_EQ(Labels(*dialog.PortList()), (std::vector<std::string>{"None", "Com 2", "Com 11"}));
    dialog.AvailableOnly()->click();
    dialog.PortList()->setCurrentIndex(4);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "COM4: Is already open.");
    EXPECT_EQ(dialog.PortList()->currentIndex(), 0); // back on the current port, "None"

    dialog.PortList()->setCurrentIndex(2);
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 2);
}

// The reason "ostrel-cli ports" gives stands beside the chosen port.
TEST_F(PortSetupTest, ReasonBesideAPortThatCannotBeUsed)
{
    test_support::App();
    ASSERT_TRUE(holder.Open(nullptr));
    current = 2;
    PortSetupDialog dialog(current, nullptr);
    dialog.show();
    QComboBox& list = *dialog.PortList();
    const QLabel& reason = *dialog.Reason();
    EXPECT_EQ(list.currentText().toStdString(), "Com 2");
    EXPECT_TRUE(reason.text().isEmpty());
    EXPECT_FALSE(reason.isVisibleTo(&dialog));

    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.currentText().toStdString(), "Com 4");
    const std::string dir = ports.path();
    EXPECT_EQ(reason.text().toStdString(), "COM4 " + dir + "/COM4 -> " + ptys[2]->slaveName() + ": present, group " +
                                               portkit::OwningGroup(ptys[2]->slaveName()) + ", held by another program");
    EXPECT_TRUE(reason.isVisibleTo(&dialog));

    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.currentText().toStdString(), "Com 5");
    EXPECT_EQ(reason.text().toStdString(), "COM5: no device: the number is not in the port folder or the built-in map");

    ports.Link(6, "/dev/ttyUSB-gone");
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(reason.text().toStdString(), "COM6 " + dir + "/COM6 -> /dev/ttyUSB-gone: missing: nothing is plugged in there");
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(list.currentText().toStdString(), "None");
    EXPECT_FALSE(reason.isVisibleTo(&dialog));
}

// "Check the connection" shows the doctor's lines for the chosen port and
// leaves the dialog open.
TEST_F(PortSetupTest, CheckTheConnectionShowsTheDoctorsLinesForTheChosenPort)
{
    test_support::App();
    ASSERT_TRUE(holder.Open(nullptr));
    current = 2;
    PortSetupDialog dialog(current, nullptr);
    dialog.show();
    QPlainTextEdit& lines = *dialog.CheckLines();
    EXPECT_FALSE(lines.isVisibleTo(&dialog));
    EXPECT_EQ(dialog.CheckButton()->text().toStdString(), "Check the connection");

    const std::string dir = ports.path();
    const std::string group = portkit::OwningGroup(ptys[1]->slaveName());
    QTest::mouseClick(dialog.CheckButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(lines.isVisibleTo(&dialog));
    const std::string free = lines.toPlainText().toStdString();
    EXPECT_EQ(free.substr(0, free.find('\n')),
              "OK      COM2 " + dir + "/COM2 -> " + ptys[1]->slaveName() + ": present, group " + group + ", may open");
    EXPECT_NE(free.find("\nOK      COM2 opens at 9600 8N2; "), std::string::npos) << free;

    dialog.PortList()->setFocus();
    QTest::keyClick(dialog.PortList(), Qt::Key_Down);
    QTest::keyClick(dialog.PortList(), Qt::Key_Down);
    QTest::mouseClick(dialog.CheckButton(), Qt::LeftButton);
    const std::string held = lines.toPlainText().toStdString();
    EXPECT_EQ(held.substr(0, held.find('\n')), "PROBLEM COM4 " + dir + "/COM4 -> " + ptys[2]->slaveName() +
                                                    ": present, group " + group +
                                                    ", held by another program; close that program, then try again.");
    EXPECT_TRUE(prompt.shown.empty());
}

// Runs the setup with `act` applied to the dialog once it shows.
int RunSetup(const char* keyPath, const std::function<void(PortSetupDialog&)>& act)
{
    test_support::App();
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = dynamic_cast<PortSetupDialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            act(*dialog);
        }
    });
    poll.start();
    return portkit::RunPortSetup(keyPath, nullptr);
}

TEST_F(PortSetupTest, SetupStoresTheChoiceButNothingOnCancel)
{
    platform::Registry::SetDword(kKey, "comport", 12);
    int shownIndex = 99;
    EXPECT_EQ(RunSetup(kKey,
                       [&](PortSetupDialog& dialog) {
                           shownIndex = dialog.PortList()->currentIndex();
                           dialog.PortList()->setCurrentIndex(0);
                           dialog.accept();
                       }),
              0);
    EXPECT_EQ(shownIndex, -1); // 12 is not in the standard list
    EXPECT_EQ(portkit::StoredComPort(kKey), 0);

    platform::Registry::SetDword(kKey, "comport", 11);
    EXPECT_EQ(RunSetup(kKey, [](PortSetupDialog& dialog) { dialog.reject(); }), -1);
    EXPECT_EQ(portkit::StoredComPort(kKey), 11);

    EXPECT_EQ(RunSetup(kKey,
                       [](PortSetupDialog& dialog) {
                           dialog.PortList()->setCurrentIndex(2);
                           dialog.accept();
                       }),
              2);
    EXPECT_EQ(portkit::StoredComPort(kKey), 2);
}

TEST_F(PortSetupTest, SetupWithoutAKeyPathStoresNothing)
{
    EXPECT_EQ(RunSetup(nullptr,
                       [](PortSetupDialog& dialog) {
                           EXPECT_EQ(dialog.PortList()->currentIndex(), 0); // starts from "None"
                           dialog.PortList()->setCurrentIndex(4);
                           dialog.accept();
                       }),
              4);
    EXPECT_EQ(portkit::CurrentComPort(), 4);
    EXPECT_FALSE(std::filesystem::exists(platform::Registry::FilePath()));
}

} // namespace
