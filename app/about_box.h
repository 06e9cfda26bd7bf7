#pragma once
// The About box: the program's icon, name, version line and an OK button.

// Qt
#include <QDialog>

class QLabel;

namespace app {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    // The version line as shown ("Ostrel Version 2.32").
    QString VersionText() const;

private:
    QLabel* version_;
};

} // namespace app
