#include "app/application.h"

// project
#include "app/file_dialogs.h"
#include "app/main_frame.h"
#include "platform/gui/message_box_prompt.h"
#include "platform/prompt.h"

// Qt
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QIcon>
#include <QTimer>

// std
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

// system
#include <time.h>
#include <unistd.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitProgramResources()
{
    Q_INIT_RESOURCE(ostrel);
}

namespace app {
namespace {

constexpr const char* kQuitOption = "--quit-after-first-window";

// Milliseconds since the process started (the kernel's start time, in clock
// ticks since boot), so loading the program and its libraries counts too;
// -1 when it cannot be read.
long long MillisecondsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Field 22; the fields after the command name, which ends with ')', are plain.
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    for (int i = 3; i < 22 && fields >> field;)
        ++i;
    unsigned long long startTicks = 0;
    timespec now{};
    const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    if (!(fields >> startTicks) || ticksPerSecond <= 0 || ::clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return -1;
    const long long nowMs = static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
    return nowMs - static_cast<long long>(startTicks * 1000 / static_cast<unsigned long long>(ticksPerSecond));
}

// With --quit-after-first-window: once the main window has been painted,
// prints the time since start and leaves.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget* window, const QElapsedTimer& clock) : QObject(window), clock_(clock)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            std::printf("first window after %lld ms (%lld ms from main)\n", MillisecondsSinceProcessStart(),
                        static_cast<long long>(clock_.elapsed()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& clock_;
    bool done_ = false;
};

} // namespace

void SetUpIcons()
{
    // The resources live in a static library: register them explicitly.
    InitProgramResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ostrel/ostrel.png")));
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
}

void StartUp(CMainFrame& frame, const StartOptions& options)
{
    frame.show();
    if (options.files.empty())
        frame.NewDocument();
    for (const std::string& file : options.files)
        frame.OpenDocument(file);
}

StartOptions ParseCommandLine(const QStringList& arguments)
{
    StartOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String(kQuitOption))
            options.quitAfterFirstWindow = true;
        else
            options.files.push_back(PathBytes(arguments[i]));
    }
    return options;
}

int Run(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ostrel"));
    QApplication::setDesktopFileName(QStringLiteral("ostrel"));
    SetUpIcons();

    platform::gui::MessageBoxPrompt prompt;
    platform::SetPrompt(&prompt);

    const StartOptions options = ParseCommandLine(QApplication::arguments());
    CMainFrame frame;
    if (options.quitAfterFirstWindow)
        new FirstPaintWatcher(&frame, clock);
    StartUp(frame, options);
    const int code = QApplication::exec();
    platform::SetPrompt(nullptr);
    return code;
}

} // namespace app
