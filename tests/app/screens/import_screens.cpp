// Takes pictures of File > Import as the program runs it: the wizard's last
// step over a tab-delimited list, then the main window with the rows placed
// on the Memories sheet (the import was started on Hyper Memory 1) and the
// Edit menu naming the step. Run under xvfb-run with the list and the output
// folder as arguments.

#include "app/application.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/portkit_loader.h"

// project
#include "app/child_frame.h"
#include "grid/ui/main_view.h"
#include "platform/prompt.h"
#include "radio/channel_record.h"

// Qt
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QWizard>

// std
#include <cstdio>

namespace {

void Save(QWidget* widget, const QString& path)
{
    std::printf("%s %s\n", qPrintable(path), widget->grab().save(path) ? "saved" : "failed");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    app::SetUpIcons();
    app::PortkitLoader::Instance().SetCandidates({PORTKIT_SCREENS_LIBRARY});
    platform::RecordingPrompt prompt; // closing the modified document: not saved
    prompt.answers = {platform::Answer::No};
    const QString list = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath();

    CMainFrame frame;
    frame.resize(1100, 720);
    CChildFrame* child = frame.NewDocument();
    frame.show();
    child->View().SetCurrentSheet(radio::kSheetHyper1);

    QTimer poll;
    int stage = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog != nullptr && stage == 0) {
            stage = 1;
            dialog->selectFile(list);
            // selectFile leaves the name box alone while it has the keyboard focus.
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(list);
            static_cast<QDialog*>(dialog)->accept();
        } else if (auto* wizard = qobject_cast<QWizard*>(modal); wizard != nullptr && stage == 1) {
            stage = 2;
            for (int step = 0; step < 3; ++step)
                wizard->button(QWizard::NextButton)->click();
            QTimer::singleShot(300, [wizard, folder] {
                Save(wizard, folder + QStringLiteral("/import_step4.png"));
                wizard->button(QWizard::FinishButton)->click();
            });
        }
    });
    poll.start(20);
    // Dispatch returns once the wizard has finished and the grids are loaded.
    QTimer::singleShot(100, [&] {
        frame.Dispatch(cmd::Import);
        frame.UpdateCommandStates();
        std::printf("Undo menu text: %s\n", qPrintable(frame.Action(cmd::Undo)->text()));
        for (const platform::Message& message : prompt.shown)
            std::printf("Message: %s\n", message.text.c_str());
        QMenu* edit = frame.Menu(app::MenuId::Edit);
        edit->popup(frame.mapToGlobal(QPoint(60, 20)));
        QTimer::singleShot(300, [&frame, edit, folder] {
            Save(&frame, folder + QStringLiteral("/import_main.png"));
            Save(edit, folder + QStringLiteral("/import_edit_menu.png"));
            edit->close();
            QApplication::quit();
        });
    });
    return QApplication::exec();
}
