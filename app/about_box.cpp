#include "app/about_box.h"

// project
#include "app/version.h"

// Qt
#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace app {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent), version_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("About Ostrel"));

    auto* icon = new QLabel(this);
    const QIcon appIcon = QApplication::windowIcon();
    icon->setPixmap((appIcon.isNull() ? style()->standardIcon(QStyle::SP_MessageBoxInformation) : appIcon)
                        .pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    version_->setText(QString::fromLatin1(VersionLine(ProgramVersion())));
    auto* purpose = new QLabel(QStringLiteral("Editor and cloning tool for the Ostrel dual-band radio"), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(version_);
    texts->addWidget(purpose);
    texts->addStretch();

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addLayout(texts, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString AboutBox::VersionText() const
{
    return version_->text();
}

} // namespace app
