// Shows "Com port setup" on the current port 3 and saves a picture of it to
// the file named by the first argument (run under xvfb-run).

#include "portkit/ui/port_setup_dialog.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    QApplication app(argc, argv);
    int current = 3;
    portkit::PortSetupDialog dialog(current, nullptr);
    dialog.show();
    bool saved = false;
    QTimer::singleShot(300, [&] {
        saved = dialog.grab().save(QString::fromLocal8Bit(argv[1]));
        app.quit();
    });
    app.exec();
    return saved ? 0 : 1;
}
