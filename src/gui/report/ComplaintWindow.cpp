#include "ComplaintWindow.h"

#include "data/AccountConnection.h"
#include "data/OutputFile.h"
#include "render/GridText.h"
#include "shell/Captions.h"
#include "shell/Dialogs.h"
#include "shell/WindowFit.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char* const Caption = QT_TRANSLATE_NOOP("ComplaintWindow", "Prepare a Complaint");
const char* const CaptionIntro = QT_TRANSLATE_NOOP(
    "ComplaintWindow",
    "A letter to your lender that raises each posting charged above its interest due, with what "
    "explains it, and the evidence behind it: the summary, the report, the working of each "
    "posting raised, the rates and statements. Untick a posting to leave it out. The details are "
    "kept in the account for next time.");

QPlainTextEdit* addressEdit(QWidget* parent) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setTabChangesFocus(true);
    edit->setMaximumHeight(72);
    return edit;
}

} // namespace

ComplaintWindow::ComplaintWindow(WindowHost& main) : FormWindow(main, Name) {
    setWindowTitle(tr(Caption));
    auto* intro = new QLabel(tr(CaptionIntro), this);
    intro->setObjectName("introLabel");
    intro->setWordWrap(true);

    postingsGrid = listGrid(
        {//: The tick column: the posting is raised in the letter.
         tr("Raise"), tr("Date"), tr("Charged"),
         //: The interest due, as the calculation gives it.
         tr("Due"), tr("Difference"), tr("Explanation")},
        QStringLiteral("postingsGrid"), tr("Postings to raise"), this);
    auto* gridCaption = new QLabel(tr("&Postings charged above their interest due:"), this);
    gridCaption->setBuddy(postingsGrid);
    connect(postingsGrid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (m_filling || !m_case || item->column() != 0 || item->row() >= m_case->postings.size())
            return;
        m_case->postings[item->row()].raised = item->checkState() == Qt::Checked;
        showTotal();
    });
    totalLabel = new QLabel(this);
    totalLabel->setObjectName("totalLabel");
    totalLabel->setWordWrap(true);

    writeButton = new QPushButton(tr("&Write Letter and Evidence..."), this);
    writeButton->setObjectName("writeButton");
    writeButton->setDefault(true);
    closeButton = new QPushButton(tr("&Close"), this);
    closeButton->setObjectName("closeButton");
    connect(writeButton, &QPushButton::clicked, this, [this] { writeLetterAndEvidence(); });
    connect(closeButton, &QPushButton::clicked, this, &ComplaintWindow::closeWindow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(writeButton);
    buttons->addWidget(closeButton);

    // The details and the postings scroll when the window is smaller than they need; the
    // buttons stay in view below them.
    auto* body = new QWidget(this);
    body->setObjectName("complaintBody");
    auto* content = new QVBoxLayout(body);
    content->setContentsMargins(0, 0, 0, 0);
    content->addWidget(intro);
    content->addWidget(createDetails());
    content->addWidget(gridCaption);
    content->addWidget(postingsGrid, 1);
    content->addWidget(totalLabel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WindowFit::scrolling(body, this), 1);
    layout->addLayout(buttons);
    resize(900, 680);
}

QWidget* ComplaintWindow::createDetails() {
    auto* box = new QGroupBox(tr("Details"), this);
    auto* form = new QFormLayout(box);
    const auto row = [&](const QString& caption, QWidget* input, const char* name) {
        form->addRow(captionFor(caption, input, QString::fromLatin1(name)), input);
    };
    borrowerNameEdit = new QLineEdit(box);
    row(tr("Your &name:"), borrowerNameEdit, "borrowerNameEdit");
    borrowerAddressEdit = addressEdit(box);
    row(tr("Your a&ddress:"), borrowerAddressEdit, "borrowerAddressEdit");
    accountNumberEdit = new QLineEdit(box);
    row(tr("Loan &account number:"), accountNumberEdit, "accountNumberEdit");
    lenderNameEdit = new QLineEdit(box);
    row(tr("&Lender:"), lenderNameEdit, "lenderNameEdit");
    lenderAddressEdit = addressEdit(box);
    row(tr("Lender's addr&ess:"), lenderAddressEdit, "lenderAddressEdit");
    countryBox = new QComboBox(box);
    countryBox->addItems(Complaints::countryNames());
    countryBox->setToolTip(tr("The letter then says how long the lender has to answer and where "
                              "you may go next."));
    row(tr("C&ountry:"), countryBox, "countryBox");
    thresholdEdit = new QLineEdit(box);
    thresholdEdit->setMaximumWidth(110);
    thresholdEdit->setToolTip(tr("A posting charged this much or more above its due is ticked."));
    row(tr("&Threshold:"), thresholdEdit, "thresholdEdit");
    connect(thresholdEdit, &QLineEdit::editingFinished, this, [this] {
        if (!isUnloaded())
            applyThreshold();
    });
    return box;
}

ComplaintWindow* ComplaintWindow::open(WindowHost& main, const CalculationBasis& basis) {
    auto* window = dynamic_cast<ComplaintWindow*>(main.window(Name));
    if (!window)
        return nullptr;
    window->prepare(basis);
    main.showWindow(Name);
    return window;
}

void ComplaintWindow::prepare(const CalculationBasis& basis) {
    AccountConnection connection;
    QString error;
    m_case.reset();
    // The account is read again: the details kept in it may have changed since the report.
    if (!connection.open(m_main.tag(Tag::NewFile))) {
        error = connection.lastError();
    } else if (std::optional<AccountSnapshot> snapshot =
                   Snapshot::read(connection.database(), &error)) {
        auto run = std::make_shared<ReportCase>(
            std::make_shared<const AccountSnapshot>(std::move(*snapshot)), basis);
        m_case = Complaint::prepare(std::move(run), m_main.tag(Tag::NewFile), &error);
    }
    if (!m_case)
        Dialogs::instance().message(tr("The complaint cannot be prepared: %1").arg(error));
    showDetails();
    fillPostings();
}

void ComplaintWindow::showDetails() {
    const ComplaintDetails d = m_case ? m_case->details : ComplaintDetails();
    borrowerNameEdit->setText(d.borrowerName);
    borrowerAddressEdit->setPlainText(d.borrowerAddress);
    accountNumberEdit->setText(d.accountNumber);
    lenderNameEdit->setText(d.lenderName);
    lenderAddressEdit->setPlainText(d.lenderAddress);
    countryBox->setCurrentIndex(int(d.country));
    thresholdEdit->setText(d.threshold.format());
}

ComplaintDetails ComplaintWindow::shownDetails() const {
    ComplaintDetails d = m_case ? m_case->details : ComplaintDetails();
    d.borrowerName = borrowerNameEdit->text().trimmed();
    d.borrowerAddress = borrowerAddressEdit->toPlainText().trimmed();
    d.accountNumber = accountNumberEdit->text().trimmed();
    d.lenderName = lenderNameEdit->text().trimmed();
    d.lenderAddress = lenderAddressEdit->toPlainText().trimmed();
    d.country = ComplaintCountry(qMax(0, countryBox->currentIndex()));
    return d;
}

void ComplaintWindow::applyThreshold() {
    if (!m_case)
        return;
    const std::optional<Money> t = Money::parse(thresholdEdit->text().remove(QLatin1Char(',')));
    if (!t || t->raw() < 0) {
        Dialogs::instance().message(
            tr("The threshold '%1' is not an amount of 0 or more.").arg(thresholdEdit->text()));
        thresholdEdit->setText(m_case->details.threshold.format());
        return;
    }
    m_case->details.threshold = *t;
    Complaint::tickAtThreshold(*m_case, *t);
    fillPostings();
}

void ComplaintWindow::fillPostings() {
    m_filling = true;
    const GridText grid;
    postingsGrid->setRowCount(0);
    if (m_case) {
        for (const Complaint::Posting& p : m_case->postings) {
            const int row = postingsGrid->rowCount();
            postingsGrid->insertRow(row);
            setListRow(postingsGrid, row,
                       {grid.date(p.date), grid.amount(p.charged), grid.amount(p.due),
                        grid.amount(p.difference), p.shownExplanation},
                       1, 2, 4);
            auto* tick = new QTableWidgetItem;
            tick->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            tick->setCheckState(p.raised ? Qt::Checked : Qt::Unchecked);
            postingsGrid->setItem(row, 0, tick);
        }
    }
    m_filling = false;
    showTotal();
}

void ComplaintWindow::showTotal() {
    if (!m_case) {
        totalLabel->clear();
        writeButton->setEnabled(false);
        return;
    }
    const QString why = Complaint::noLetter(*m_case);
    int raised = 0;
    for (const Complaint::Posting& p : m_case->postings)
        raised += p.raised ? 1 : 0;
    totalLabel->setText(
        why.isEmpty() ? tr("%1 raised, %2 in all, and the interest it would have saved: "
                           "%3.")
                            .arg(raised == 1 ? tr("1 posting") : tr("%1 postings").arg(raised))
                            .arg(GridText().amount(Complaint::total(*m_case)),
                                 GridText().amount(Complaint::interestSaved(*m_case)))
                      : tr("No letter: %1.").arg(why));
    writeButton->setEnabled(why.isEmpty());
}

std::optional<std::pair<QString, QString>> ComplaintWindow::chooseFiles(const QFileInfo& beside) {
    FileDialogRequest letter;
    letter.kind = FileDialogRequest::Save;
    letter.title = tr("Save the Letter");
    letter.filter = tr("OpenDocument text|*.odt");
    letter.folder = beside.absolutePath();
    letter.fileName = tr("%1 complaint.odt").arg(beside.completeBaseName());
    letter.defaultSuffix = QStringLiteral("odt");
    const std::optional<QString> letterPath = Dialogs::instance().chooseFile(letter);
    if (!letterPath)
        return std::nullopt;
    FileDialogRequest evidence = letter;
    evidence.title = tr("Save the Evidence");
    evidence.filter = tr("PDF|*.pdf");
    evidence.fileName = tr("%1 evidence.pdf").arg(beside.completeBaseName());
    evidence.defaultSuffix = QStringLiteral("pdf");
    const std::optional<QString> evidencePath = Dialogs::instance().chooseFile(evidence);
    if (!evidencePath)
        return std::nullopt;
    return std::make_pair(*letterPath, *evidencePath);
}

bool ComplaintWindow::writeLetterAndEvidence() {
    if (!m_case || !Complaint::noLetter(*m_case).isEmpty())
        return false;
    m_case->details = shownDetails();
    AccountConnection connection;
    QString error;
    if (!connection.open(m_main.tag(Tag::NewFile)) ||
        !Complaints::writeDetails(connection.database(), m_case->details, &error)) {
        Dialogs::instance().message(tr("The details could not be kept in the account: %1")
                                        .arg(error.isEmpty() ? connection.lastError() : error));
        return false;
    }
    // What is typed is kept first; the letter waits for what it needs.
    if (!askForMissingDetail())
        return false;
    const QFileInfo account(m_main.tag(Tag::NewFile));
    const auto files = chooseFiles(account);
    if (!files)
        return false;
    const auto& [letterPath, evidencePath] = *files;
    // Both names are checked before either file is written: a refused one leaves both unwritten.
    if (const QString why = OutputFile::refusal({letterPath, evidencePath}, {account.filePath()});
        !why.isEmpty()) {
        Dialogs::instance().message(why);
        return false;
    }
    setHourglass();
    const bool written =
        Complaint::writeLetter(*m_case, letterPath, QFileInfo(evidencePath).fileName(), &error) &&
        Complaint::writeEvidence(*m_case, evidencePath, &error);
    setDefaultPointer();
    if (!written) {
        Dialogs::instance().message(error);
        return false;
    }
    Dialogs::instance().message(tr("The letter is in %1 and the evidence in %2. Read the letter "
                                   "through, sign it and send both to your lender.")
                                    .arg(letterPath, evidencePath));
    return true;
}

bool ComplaintWindow::askForMissingDetail() {
    const QVector<Complaints::MissingDetail> missing = Complaints::missingDetails(m_case->details);
    if (missing.isEmpty())
        return true;
    const Complaints::MissingDetail& first = missing.first();
    QLineEdit* edit = first.field == Complaints::MissingDetail::BorrowerName    ? borrowerNameEdit
                      : first.field == Complaints::MissingDetail::AccountNumber ? accountNumberEdit
                                                                                : lenderNameEdit;
    Dialogs::instance().message(tr("The letter needs %1: fill in \"%2\" before it is written.")
                                    .arg(first.what, edit->accessibleName()));
    edit->setFocus();
    return false;
}

void ComplaintWindow::closeWindow() {
    unload();
}

void ComplaintWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow();
        return;
    }
    FormWindow::keyPressEvent(event);
}
