#include "frmAbout.h"

#include "Dialogs.h"
#include "ProgramVersion.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(tr("About Vantrell"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName("imgIcon");
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));

    auto* title = new QLabel(QStringLiteral("<h2>%1</h2>").arg(AppTitle), this);
    title->setObjectName("lblTitle");
    auto* lblVersion = new QLabel(tr("Version %1").arg(QLatin1String(ProgramVersion)), this);
    lblVersion->setObjectName("lblVersion");
    auto* description = new QLabel(
        tr("Checks the interest a lender charged on a home loan: enter each statement's "
           "transactions and interest rates, and the report sets the interest due beside the "
           "interest charged."),
        this);
    description->setObjectName("lblDescription");
    description->setWordWrap(true);
    for (QLabel* text : {title, lblVersion, description})
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* words = new QVBoxLayout;
    words->addWidget(title);
    words->addWidget(lblVersion);
    words->addWidget(description);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(words, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}
