// Takes pictures of the main window with a new document and of the About box,
// for looking at the program without a desktop: run under xvfb-run with the
// output folder as argument.

#include "app/about_box.h"
#include "app/application.h"
#include "app/main_frame.h"

// project
#include "platform/prompt.h"

// Qt
#include <QApplication>
#include <QDir>
#include <QTimer>

// std
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    app::SetUpIcons();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();

    CMainFrame frame;
    frame.resize(1100, 720);
    frame.NewDocument();
    frame.show();
    app::AboutBox about(&frame);
    about.show();

    QTimer::singleShot(500, [&] {
        const bool main = frame.grab().save(folder + QStringLiteral("/app_main.png"));
        const bool box = about.grab().save(folder + QStringLiteral("/app_about.png"));
        std::printf("%s %s\n", main ? "app_main.png" : "(main failed)", box ? "app_about.png" : "(about failed)");
        QApplication::quit();
    });
    return QApplication::exec();
}
