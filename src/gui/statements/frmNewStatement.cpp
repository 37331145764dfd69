#include "frmNewStatement.h"

#include "data/FieldFormat.h"
#include "data/Money.h"
#include "data/Queries.h"
#include "data/RecordSet.h"
#include "data/ShortDate.h"
#include "shell/Dialogs.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const Captions[] = {QT_TRANSLATE_NOOP("frmNewStatement", "Statement Number:"),
                                QT_TRANSLATE_NOOP("frmNewStatement", "Statement Start Date:"),
                                QT_TRANSLATE_NOOP("frmNewStatement", "Opening Balance:"),
                                QT_TRANSLATE_NOOP("frmNewStatement", "Statement End Date:"),
                                QT_TRANSLATE_NOOP("frmNewStatement", "Closing Balance:")};
const QString BalanceFormat = QStringLiteral("\"$\"#,##0.00");

const char* const AllDetails =
    QT_TRANSLATE_NOOP("frmNewStatement", "Please enter all statement details requested.");
const char* const CheckDates = QT_TRANSLATE_NOOP(
    "frmNewStatement", "Please check Statement Start Date and Statement End Date.");
const char* const EnterRates = QT_TRANSLATE_NOOP(
    "frmNewStatement", "Please enter all Interest Rate details for this Loan Account.");
const char* const VerificationTitle = QT_TRANSLATE_NOOP("frmNewStatement", "Vantrell Verification");
const char* const CreditQuestion = QT_TRANSLATE_NOOP(
    "frmNewStatement",
    "Are you sure your Loan Account\nwas in Credit?\nIf not use '-' (minus signs).");
const char* const DuplicateQuestion = QT_TRANSLATE_NOOP(
    "frmNewStatement", "This statement has already been entered.\nDo you want to continue?");

QString caption(int index) {
    return frmNewStatement::tr(Captions[index]);
}

// The caption without its colon (and the space some languages put before it), to name the field
// in a message.
QString fieldName(int index) {
    QString name = caption(index);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

} // namespace

frmNewStatement::frmNewStatement(WindowHost& main) : FormWindow(main, WindowNames::NewStatement) {
    setWindowTitle(tr("Enter Statement Details"));

    // Frame1 is placed by hand, centred in the window.
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    auto* layout = new QVBoxLayout(Frame1);
    layout->setContentsMargins(20, 16, 20, 16);
    auto* form = new QFormLayout;
    for (int i = 0; i < FieldCount; ++i) {
        m_labels[i] = new QLabel(caption(i), Frame1);
        m_labels[i]->setObjectName(QStringLiteral("lblLabels(%1)").arg(i));
        m_fields[i] = new QLineEdit(Frame1);
        m_fields[i]->setObjectName(QStringLiteral("txtFields(%1)").arg(i));
        m_fields[i]->setMinimumWidth(160);
        m_labels[i]->setBuddy(m_fields[i]);
        form->addRow(m_labels[i], m_fields[i]);
    }
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    btnYes = new QPushButton(tr("OK"), Frame1);
    btnYes->setObjectName("btnYes");
    btnYes->setAutoDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), Frame1);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setAutoDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(btnYes);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    Frame1->adjustSize();
    setMinimumSize(Frame1->width() + 40, Frame1->height() + 40);

    connect(btnYes, &QPushButton::clicked, this, &frmNewStatement::btnYes_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmNewStatement::cmdCancel_Click);

    Form_Load();
}

void frmNewStatement::Form_Load() {
    // Loading the period loader refreshes the fixed-day end in the workflow state.
    m_main.window(WindowNames::InterestPeriod);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    QString error;
    if (!m_connection.open(m_main.tag(Tag::NewFile))) {
        error = m_connection.lastError();
    } else {
        m_lastRecord = new RecordSet(m_connection.database(), Queries::AllRecordsLastBalance, this);
        m_numbers = new RecordSet(m_connection.database(), Queries::Numbers, this);
        if (!m_lastRecord->open())
            error = m_lastRecord->lastError();
        else if (!m_numbers->open())
            error = m_numbers->lastError();
    }
    // The window still opens, with no defaults; but an account that cannot be read must not
    // pass for an empty one.
    if (!error.isEmpty())
        Dialogs::instance().message(error);

    // The previous statement's end position: the last row's date and the balance after it.
    if (m_lastRecord && m_lastRecord->moveLast()) {
        m_fields[fldStartDate]->setText(ShortDate::format(m_lastRecord->value("Date").toDate()));
        m_fields[fldOpenBalance]->setText(FieldFormat::display(m_lastRecord->value("OpenBalance"),
                                                               ColumnKind::Money, BalanceFormat));
    }
    // The highest number recorded + 1, not the count + 1: numbers may have gaps.
    qint64 next = 1;
    if (m_numbers && m_numbers->moveLast() && !m_numbers->value("StatementNumber").isNull())
        next = m_numbers->value("StatementNumber").toLongLong() + 1;
    m_fields[fldNumber]->setText(QString::number(next));
}

void frmNewStatement::formUnload() {
    // The record sets hold the connection's database: they go first.
    delete m_lastRecord;
    m_lastRecord = nullptr;
    delete m_numbers;
    m_numbers = nullptr;
    m_connection.close();
}

void frmNewStatement::formActivate() {
    Frame1->hide();
    centreInParent(Frame1);
    Frame1->show();
}

void frmNewStatement::resizeEvent(QResizeEvent* event) {
    FormWindow::resizeEvent(event);
    centreInParent(Frame1);
}

void frmNewStatement::hideWindow() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->hide();
    else
        hide();
}

void frmNewStatement::refuseField(int index, const QString& message) {
    Dialogs::instance().message(message);
    m_fields[index]->setFocus();
    m_fields[index]->selectAll();
}

bool frmNewStatement::fieldsReadable() {
    // A field that does not read would otherwise pass as the zero date or a zero amount, and the
    // header would seed rate periods and a balance row with it.
    bool ok = false;
    const QString number = m_fields[fldNumber]->text();
    number.trimmed().toShort(&ok);
    if (!ok) {
        refuseField(fldNumber, tr("%1 \"%2\" is not a statement number. Please enter a whole "
                                  "number.")
                                   .arg(fieldName(fldNumber), number));
        return false;
    }
    for (int index : {fldStartDate, fldOpenBalance, fldEndDate, fldCloseBalance}) {
        const QString text = m_fields[index]->text();
        if (index == fldStartDate || index == fldEndDate) {
            if (!ShortDate::parse(text).isValid()) {
                refuseField(index, tr("%1 \"%2\" is not a date. Please enter it as %3.")
                                       .arg(fieldName(index), text, ShortDate::pattern()));
                return false;
            }
        } else if (!Money::parse(text)) {
            refuseField(index, tr("%1 \"%2\" is not an amount. Please enter a number, with a "
                                  "'-' (minus) sign if the Loan Account was in debit.")
                                   .arg(fieldName(index), text));
            return false;
        }
    }
    return true;
}

bool frmNewStatement::isDuplicate(qint64 number) const {
    if (!m_numbers || !m_numbers->moveFirst())
        return false;
    do {
        const QVariant recorded = m_numbers->value("StatementNumber");
        if (!recorded.isNull() && recorded.toLongLong() == number)
            return true;
    } while (m_numbers->moveNext() && !m_numbers->isEOF());
    return false;
}

void frmNewStatement::btnYes_Click() {
    for (QLineEdit* field : m_fields) {
        // A field holding only blanks is not empty here: the checks below read it.
        if (field->text().isEmpty()) {
            Dialogs::instance().message(tr(AllDetails));
            return;
        }
    }
    if (!fieldsReadable())
        return;

    m_startDate = ShortDate::parse(m_fields[fldStartDate]->text());
    m_endDate = ShortDate::parse(m_fields[fldEndDate]->text());
    const QDate start = ShortDate::normalise(m_startDate);
    const QDate end = ShortDate::normalise(m_endDate);
    if (start > end) {
        Dialogs::instance().message(tr(CheckDates));
        return;
    }

    const QString closeBalance = m_fields[fldCloseBalance]->text();
    if (*Money::parse(closeBalance) > Money()) {
        if (!Dialogs::instance().question(tr(CreditQuestion), tr(VerificationTitle),
                                          DialogIcon::Stop))
            return;
        // Shown again after a failed check, the field reads as the day before; the header
        // keeps the date typed.
        m_fields[fldStartDate]->setText(ShortDate::format(start.addDays(-1)));
    }

    const QString number = m_fields[fldNumber]->text();
    m_main.setTag(Tag::Statement, number);
    m_main.setTag(Tag::StartDate, ShortDate::format(start));
    m_main.setTag(Tag::OpenBalance, m_fields[fldOpenBalance]->text());
    m_main.setTag(Tag::EndDate, ShortDate::format(end));
    m_main.setTag(Tag::CloseBalance, closeBalance);

    if (isDuplicate(number.trimmed().toShort()) &&
        !Dialogs::instance().question(tr(DuplicateQuestion), tr(VerificationTitle),
                                      DialogIcon::Stop)) {
        cmdCancel_Click();
        return;
    }
    m_main.setTag(Tag::InterestChanged, FlagState::Yes);

    // Hidden, not unloaded: the checks of the transactions show it again as typed.
    hideWindow();
    Dialogs::instance().message(tr(EnterRates));
    m_main.showWindow(WindowNames::InterestChanges);
}

void frmNewStatement::cmdCancel_Click() {
    WindowHost& main = m_main;
    hideWindow();
    unload();
    main.showWindow(WindowNames::Options);
}
