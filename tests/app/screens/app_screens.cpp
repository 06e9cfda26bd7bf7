// Takes pictures of the main window with a new document, of the About box and
// of the Sort dialog as Edit > Sort opens it and of the help window, for
// looking at the program
// without a desktop: run under xvfb-run with the
// output folder as argument.

#include "app/about_box.h"
#include "app/application.h"
#include "app/child_frame.h"
#include "app/main_frame.h"

// project
#include "app/command_ids.h"
#include "grid/document_controller.h"
#include "grid/ui/main_view.h"
#include "platform/gui/help_window.h"
#include "platform/prompt.h"

// Qt
#include <QApplication>
#include <QDialog>
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
    CChildFrame* child = frame.NewDocument();
    frame.show();
    app::AboutBox about(&frame);
    about.show();

    QTimer::singleShot(500, [&] {
        const bool main = frame.grab().save(folder + QStringLiteral("/app_main.png"));
        const bool box = about.grab().save(folder + QStringLiteral("/app_about.png"));
        std::printf("%s %s\n", main ? "app_main.png" : "(main failed)", box ? "app_about.png" : "(about failed)");
        about.close();
        // Sort asks its dialog only when rows are selected.
        child->View().Controller().Grid(0).SelectBlock({1, 1, 35, 3});
        QTimer::singleShot(300, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            const bool sort = dialog != nullptr && dialog->grab().save(folder + QStringLiteral("/app_sort.png"));
            std::printf("%s\n", sort ? "app_sort.png" : "(sort failed)");
            if (dialog != nullptr)
                dialog->reject();
        });
        frame.Dispatch(cmd::Sort);
        // The help window at the settings page, as Help in the Settings dialog opens it.
        QWidget& help = platform::ShowHelpWindowPage(QStringLiteral(OSTREL_HELP_SOURCE "/102.html"));
        QApplication::processEvents();
        const bool helpShot = help.grab().save(folder + QStringLiteral("/app_help.png"));
        std::printf("%s\n", helpShot ? "app_help.png" : "(help failed)");
        help.close();
        QApplication::quit();
    });
    return QApplication::exec();
}
