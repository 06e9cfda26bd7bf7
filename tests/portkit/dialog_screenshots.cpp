// Saves pictures of the "Sort" dialog and the four import wizard steps into
// the folder named by the first argument (run under xvfb-run): sort.png,
// import_step1.png ... import_step4.png.

#include "portkit/ui/import_wizard.h"
#include "portkit/ui/sort_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QPixmap>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>

#include <cstring>
#include <string>

namespace {

const char* const kNames[] = {"Channel Number",
                              "Receive Frequency",
                              "Transmit Frequency",
                              "Offset Frequency",
                              "Offset Direction",
                              "Operating Mode",
                              "Name",
                              "Tone Mode",
                              "CTCSS Tone",
                              "Comment"};
const int kWidths[] = {10, 10, 10, 10, 10, 10, 10, 10, 10, 31};

void Ignore(void*, int, int) {}

bool Save(QWidget& widget, const QString& folder, const char* name)
{
    return widget.grab().save(folder + QLatin1Char('/') + QLatin1String(name));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);

    SortOptions options;
    std::memset(&options, 0, sizeof options);
    options.nCount = 10;
    for (int i = 0; i < 10; ++i)
        options.pszNames[i] = kNames[i];
    portkit::SortDialog sort(options, nullptr);
    sort.show();

    const ImportDataStruct data{nullptr, 10, 1, 983, 1100};
    portkit::ImportSession session(data, kNames, kWidths, &Ignore);
    session.lines = {"Ostrel channel list",
                     "Channel Number,Receive Frequency,Offset Direction,Name,Tone Mode,CTCSS Tone,Comment",
                     "1,145.500,Simplex,CALL,None,,\"calling, simplex\"",
                     "2,146.940,Minus,RPT1,Enc,88.5,club repeater",
                     "3,147.120,Plus,RPT2,Enc-Dec,100.0,",
                     "4,446.000,Simplex,UHF,None,,\"say \"\"hi\"\"\""};
    portkit::ImportWizard wizard(session, nullptr);
    wizard.show();

    bool saved = true;
    QTimer::singleShot(300, [&] {
        saved = Save(sort, folder, "sort.png") && saved;
        sort.hide();
        QTimer::singleShot(100, [&] {
            wizard.Page1()->SkipBox()->stepUp();
            saved = Save(wizard, folder, "import_step1.png") && saved;
            wizard.next();
            wizard.Page2()->Delimiter(',')->click();
            wizard.Page2()->Qualifier()->setCurrentIndex(1);
            saved = Save(wizard, folder, "import_step2.png") && saved;
            wizard.next();
            wizard.Page3()->SelectColumn(2);
            saved = Save(wizard, folder, "import_step3.png") && saved;
            wizard.next();
            saved = Save(wizard, folder, "import_step4.png") && saved;
            app.quit();
        });
    });
    app.exec();
    return saved ? 0 : 1;
}
