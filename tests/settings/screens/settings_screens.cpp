// Takes pictures of the Settings dialog and the DTMF dialog, for looking at
// them without a desktop: run under xvfb-run with the output folder as
// argument. The settings shown are those of the template image with a CW ID
// and two DTMF memories filled in.

// project
#include "radio/default_image.h"
#include "settings/settings_session.h"
#include "settings/ui/dtmf_dlg.h"
#include "settings/ui/settings_dlg.h"

// Qt
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTimer>

// std
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();

    radio::RadioImage image = radio::DefaultImage();
    const std::uint8_t first[] = {1, 2, 3, 10, 14, 15, 0xFF};
    std::copy(std::begin(first), std::end(first), image.begin() + 200);
    const std::uint8_t cwId[] = {10, 11, 1, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(cwId), std::end(cwId), image.begin() + 578);

    CSettingsDlg settings(settings::ApplicationSettings(), image, "ReadRadio");
    settings.show();
    CDtmfDlg dtmf(settings.Session().WorkingBlock(), &settings);
    dtmf.move(settings.x() + settings.width() + 20, settings.y());
    dtmf.show();

    QTimer::singleShot(500, [&] {
        const bool a = settings.grab().save(folder + QStringLiteral("/settings_dialog.png"));
        const bool b = dtmf.grab().save(folder + QStringLiteral("/settings_dtmf.png"));
        std::printf("%s %s\n", a ? "settings_dialog.png" : "(settings failed)", b ? "settings_dtmf.png" : "(dtmf failed)");
        QApplication::quit();
    });
    return QApplication::exec();
}
