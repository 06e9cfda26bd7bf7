#include "app/application.h"

// project
#include "app/child_frame.h"
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

namespace app {
namespace {

constexpr const char* kQuitOption = "--quit-after-first-window";

// Opens the documents the command line names, or a new one. False when
// nothing could be opened: start-up then fails.
bool ProcessCommandLine(CMainFrame& frame, const StartOptions& options)
{
    if (options.files.empty())
        return frame.NewDocument() != nullptr;
    bool opened = false;
    for (const std::string& file : options.files)
        opened = frame.OpenDocument(file) != nullptr || opened;
    return opened;
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
            std::printf("first window after %lld ms\n", static_cast<long long>(clock_.elapsed()));
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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ostrel/ostrel.png")));
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));

    platform::gui::MessageBoxPrompt prompt;
    platform::SetPrompt(&prompt);

    const StartOptions options = ParseCommandLine(QApplication::arguments());
    CMainFrame frame;
    if (!ProcessCommandLine(frame, options)) {
        platform::SetPrompt(nullptr);
        return 1;
    }
    if (options.quitAfterFirstWindow)
        new FirstPaintWatcher(&frame, clock);
    frame.show();
    const int code = QApplication::exec();
    platform::SetPrompt(nullptr);
    return code;
}

} // namespace app
