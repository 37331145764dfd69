#include "frmMethod.h"

#include "data/Queries.h"
#include "engine/CalcDay.h"
#include "engine/InterestMethod.h"
#include "shell/Dialogs.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QStringList frmMethod::methodNames() {
    return {tr("Fixed Day"), tr("Fixed Day, Deferred Interest"), tr("Variable Day"),
            tr("Variable Day, Deferred Interest")};
}

frmMethod::frmMethod(WindowHost& main)
    : RecordForm(main, WindowNames::Method, Variant::SingleRecord) {
    setWindowTitle(tr("Interest Calculation Method"));
    bindTxtField(0, "CalcFrom", "CalcFrom:");
    bindTxtField(1, "CalcTo", "CalcTo:");
    bindTxtField(2, "ID", "ID:");
    hideRecordControls();

    // Frame1 is placed by hand, centred in the window.
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    auto* layout = new QVBoxLayout(Frame1);
    layout->setContentsMargins(20, 16, 20, 16);
    Label2 = new QLabel(tr("Select Interest Calculation Method:"), Frame1);
    Label2->setObjectName("Label2");
    lstMethod = new QListWidget(Frame1);
    lstMethod->setObjectName("lstMethod");
    lstMethod->addItems(methodNames());
    lstMethod->setCurrentRow(-1);
    lstMethod->setFixedHeight(lstMethod->sizeHintForRow(0) * 4 + 2 * lstMethod->frameWidth() + 4);
    Label2->setBuddy(lstMethod);
    lblDay = new QLabel(tr("Day of Month Interest Paid From:"), Frame1);
    lblDay->setObjectName("lblDay");
    txtDay = new QLineEdit(Frame1);
    txtDay->setObjectName("txtDay");
    txtDay->setMaxLength(8);
    lblDay->setBuddy(txtDay);
    auto* buttons = new QHBoxLayout;
    cmdOK = new QPushButton(tr("OK"), Frame1);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdHelp = new QPushButton(tr("Help"), Frame1);
    cmdHelp->setObjectName("cmdHelp");
    // The lender's conventions, the search for its method and the offset account sit beside OK:
    // each decides, with the method, what the report will show.
    cmdConventions = new QPushButton(tr("Lender's Conventions"), Frame1);
    cmdConventions->setObjectName("cmdConventions");
    cmdFindMethod = new QPushButton(tr("Find Lender's Method"), Frame1);
    cmdFindMethod->setObjectName("cmdFindMethod");
    cmdOffset = new QPushButton(tr("Offset Account"), Frame1);
    cmdOffset->setObjectName("cmdOffset");
    buttons->addWidget(cmdConventions);
    buttons->addWidget(cmdFindMethod);
    buttons->addWidget(cmdOffset);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdHelp);
    layout->addWidget(Label2);
    layout->addWidget(lstMethod);
    layout->addWidget(lblDay);
    layout->addWidget(txtDay);
    layout->addLayout(buttons);
    Frame1->adjustSize();
    setMinimumSize(Frame1->width() + 40, Frame1->height() + 40);
    setTabOrder(txtDay, cmdOK);
    setTabOrder(cmdOK, cmdHelp);
    setTabOrder(cmdHelp, cmdConventions);
    setTabOrder(cmdConventions, cmdFindMethod);
    setTabOrder(cmdFindMethod, cmdOffset);
    setTabOrder(cmdOffset, lstMethod);

    connect(lstMethod, &QListWidget::currentRowChanged, this, [this] { lstMethod_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, &frmMethod::cmdOK_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMethod::cmdHelp_Click);
    connect(cmdConventions, &QPushButton::clicked, this, &frmMethod::cmdConventions_Click);
    connect(cmdFindMethod, &QPushButton::clicked, this, &frmMethod::cmdFindMethod_Click);
    connect(cmdOffset, &QPushButton::clicked, this, &frmMethod::cmdOffset_Click);

    Form_Load(Queries::CalcTo);
    if (adoPrimaryRS && adoPrimaryRS->recordCount() > 1)
        adoPrimaryRS->moveLast();
    txtDay->setText(txtFields(0));
    // The method is chosen anew for each report; only one the program found itself (the way the
    // stored rates were proposed under, Find Lender's Method's Apply) is chosen already.
    if (const std::optional<int> found = foundMethod())
        lstMethod->setCurrentRow(*found);
    txtDay->setFocus();
}

std::optional<int> frmMethod::foundMethod() const {
    bool known = false;
    const int method = m_main.tag(Tag::MethodFound).toInt(&known);
    return known && InterestMethod::isCode(method) ? std::optional<int>(method) : std::nullopt;
}

int frmMethod::listPosition() const {
    return qMax(0, lstMethod->currentRow());
}

void frmMethod::lstMethod_Click() {
    m_method = qint16(listPosition());
    const bool fixedDay = InterestMethod::isFixedDay(m_method);
    lblDay->setVisible(fixedDay);
    txtDay->setVisible(fixedDay);
}

void frmMethod::cmdOK_Click() {
    lstMethod->hide();
    txtDay->hide();
    Frame1->hide();
    setHourglass();
    m_method = qint16(listPosition());
    if (InterestMethod::isFixedDay(m_method)) {
        SaveCalcPeriod();
        if (txtDay->text() == QLatin1String("0")) {
            Frame1->show();
            lstMethod->show();
            txtDay->show();
            setDefaultPointer();
            txtDay->clear();
            txtDay->setFocus();
            return;
        }
    }
    Frame1->hide();
    confirmMethod(m_main.state(), m_method);
    m_main.showWindow(WindowNames::Calculate);
    unload();
}

void frmMethod::SaveCalcPeriod() {
    QString day = txtDay->text().trimmed();
    if (day.isEmpty())
        day = QStringLiteral("0");
    const std::optional<QString> calcTo = CalcDay::calcToFor(day);
    if (!calcTo) {
        txtDay->setText(QStringLiteral("0"));
        Dialogs::instance().message(tr("Please enter the day of month that Interest "
                                       "Calculations start.\nOr choose Variable Day."));
        return;
    }
    if (adoPrimaryRS && adoPrimaryRS->recordCount() > 1)
        adoPrimaryRS->moveLast();
    const bool empty = !adoPrimaryRS || adoPrimaryRS->recordCount() == 0;
    if (empty || txtFields(0) != day) {
        cmdAdd_Click();
        setTxtFields(0, day);
        setTxtFields(1, *calcTo);
        cmdUpdate_Click();
    }
    m_main.setTag(Tag::IntCalcTo, txtFields(1));
}

void frmMethod::cmdHelp_Click() {
    m_main.showHelpPage(QStringLiteral("2"));
}

// The lender's windows open beside this one, which stays for OK.
void frmMethod::cmdConventions_Click() {
    m_main.showWindow(WindowNames::Conventions);
}

void frmMethod::cmdFindMethod_Click() {
    // The search starts afresh each time: the history may have changed since.
    m_main.unloadWindow(WindowNames::FindMethod);
    m_main.showWindow(WindowNames::FindMethod);
}

void frmMethod::cmdOffset_Click() {
    m_main.showWindow(WindowNames::Offset);
}

bool frmMethod::keyLeftToControl(const QWidget* target, const QKeyEvent& key) const {
    // The list and the day box keep their arrows, Home and End; Escape still closes.
    if (key.key() != Qt::Key_Escape && (target == lstMethod || target == txtDay))
        return true;
    return RecordForm::keyLeftToControl(target, key);
}

void frmMethod::formUnload() {
    txtDay->hide();
    Frame1->hide();
    RecordForm::formUnload();
}

void frmMethod::resizeEvent(QResizeEvent* event) {
    RecordForm::resizeEvent(event);
    centreInParent(Frame1);
}
