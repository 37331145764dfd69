#include "frmCalculate.h"

#include "ComplaintWindow.h"
#include "SummaryWindow.h"
#include "WorkingWindow.h"
#include "data/ShortDate.h"
#include "diagnosis/DiagnosisText.h"
#include "engine/AccountStore.h"
#include "engine/HistoryRows.h"
#include "engine/ReportRun.h"
#include "engine/SessionStore.h"
#include "engine/StatementHandOver.h"
#include "models/ReportLinesModel.h"
#include "reference/TermsCheck.h"
#include "render/ReportTable.h"
#include "run/ReportBasis.h"
#include "shell/Dialogs.h"
#include "shell/WindowHost.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace {
const char* const RequeryError = QT_TRANSLATE_NOOP("frmCalculate", "Requery Error: %1");
//: Followed at once by the database's error code and text.
const char* const ClearReportError = QT_TRANSLATE_NOOP("frmCalculate", "Clear Report error");
const char* const PreviewError = QT_TRANSLATE_NOOP("frmCalculate", "Preview Error: %1");
const char* const PrintError = QT_TRANSLATE_NOOP("frmCalculate", "Print Error: %1");
const QColor BarColour(204, 240, 255);
const QColor ButtonColour(118, 217, 254);
// Twips to pixels at the 96 dpi the layout was drawn for.
constexpr int TwipsPerPixel = 15;
} // namespace

frmCalculate::frmCalculate(WindowHost& main) : FormWindow(main, WindowNames::Calculate) {
    setWindowTitle(tr("Interest Report"));
    createControls();
    // At the end of the road from the bank's file the verdict is what the borrower came for; the
    // road ends here whether or not the report can be shown.
    const bool endOfRoad = m_main.tag(Tag::CheckLoan) == FlagState::Yes;
    m_main.setTag(Tag::CheckLoan, QString());
    // Asked for once, by the Rate Terms window: a later report runs under the stored rates.
    m_owedRates = m_main.tag(Tag::OwedRates) == FlagState::Yes;
    m_main.setTag(Tag::OwedRates, QString());

    // Loading is the whole preparation and calculation.
    setHourglass();
    if (!OpenReportRecordsets()) {
        setDefaultPointer();
        return;
    }
    if (m_main.tag(Tag::File) == FileState::New) {
        setDefaultPointer();
        return;
    }
    ClearReportTable();
    ReadFixedDay();
    CheckStatements();
    if (m_noTransactions || m_commitFailed)
        return;
    CalculateInterest();
    // The statement is committed: the transactions window goes, and with it the session rows.
    m_main.unloadWindow(WindowNames::ThisSession);
    letEventsRun();
    MSFlexGrid1->show();
    picButtons->show();
    setDefaultPointer();
    if (m_main.tag(Tag::NextForm) == FlagState::Yes) {
        m_main.setTag(Tag::NextForm, QString());
        // Shown once this window is on screen, so that the prompt comes in front of it.
        m_informationPending = m_missing.has_value();
    }
    m_summaryPending = endOfRoad;
}

void frmCalculate::createControls() {
    // The grid fills the window edge to edge: its columns are worked out from the client area.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    lblConventions = new QLabel(this);
    lblConventions->setObjectName("lblConventions");
    lblConventions->hide();
    layout->addWidget(lblConventions);

    MSFlexGrid1 = new QTableView(this);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    MSFlexGrid1->setAccessibleName(tr("Interest Report"));
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFlexGrid1->setWordWrap(false);
    MSFlexGrid1->installEventFilter(this);
    m_lines = new ReportLinesModel(this);
    MSFlexGrid1->setModel(m_lines);
    MSFlexGrid1->hide();
    layout->addWidget(MSFlexGrid1, 1);
    connect(MSFlexGrid1, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const int line = index.row();
        if (line < m_lines->lines().size() &&
            m_lines->lines()[line].kind == ReportLine::Kind::Interest)
            showWorkingOfLine(line);
    });
    layout->addWidget(createButtonBar());
}

// The bar: Help, Print Preview, Print, Summary and Close once the report is done.
QWidget* frmCalculate::createButtonBar() {
    picButtons = new QWidget(this);
    picButtons->setObjectName("picButtons");
    picButtons->setAutoFillBackground(true);
    QPalette bar = picButtons->palette();
    bar.setColor(QPalette::Window, BarColour);
    picButtons->setPalette(bar);
    auto* buttons = new QHBoxLayout(picButtons);
    buttons->setContentsMargins(4, 2, 4, 2);
    auto addButton = [&](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, picButtons);
        b->setObjectName(name);
        QPalette p = b->palette();
        p.setColor(QPalette::Button, ButtonColour);
        b->setPalette(p);
        buttons->addWidget(b);
        return b;
    };
    cmdHelp = addButton("cmdHelp", tr("&Help"));
    cmdPreview = addButton("cmdPreview", tr("&Print Preview"));
    cmdPrint = addButton("cmdPrint", tr("Print"));
    // What the lender over- or under-charged, beside Print.
    cmdSummary = addButton("cmdSummary", tr("Summary"));
    // Every day behind an interest figure.
    cmdWorking = addButton("cmdWorking", tr("Show &Working"));
    // The letter to the lender and its evidence.
    cmdComplaint = addButton("cmdComplaint", tr("Co&mplaint..."));
    cmdClose = addButton("cmdClose", tr("&Close"));
    buttons->addStretch(1);
    picButtons->hide();
    connect(cmdHelp, &QPushButton::clicked, this, &frmCalculate::cmdHelp_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &frmCalculate::cmdPreview_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmCalculate::cmdPrint_Click);
    connect(cmdSummary, &QPushButton::clicked, this, &frmCalculate::cmdSummary_Click);
    connect(cmdWorking, &QPushButton::clicked, this, &frmCalculate::showWorking);
    connect(cmdComplaint, &QPushButton::clicked, this, [this] {
        if (m_working)
            ComplaintWindow::open(m_main, m_working->run().basis());
    });
    connect(cmdClose, &QPushButton::clicked, this, &frmCalculate::cmdClose_Click);
    return picButtons;
}

bool frmCalculate::OpenReportRecordsets() {
    setUpGrid();
    // An account that cannot be opened must not pass for an empty one.
    if (!m_connection.open(m_main.tag(Tag::NewFile)))
        Dialogs::instance().message(m_connection.lastError());
    m_method = ReportBasis::methodOf(m_main.state());
    if (const QString error = ReportRun::unreadableTable(m_connection.database());
        !error.isEmpty()) {
        Dialogs::instance().message(tr(RequeryError).arg(error));
        return false;
    }
    return true;
}

void frmCalculate::setUpGrid() {
    const int width = m_main.clientSize().width();
    // 1050 twips, or what a date in the Short Date needs in the grid's own font; the other seven
    // share what is left beside it and the 265-twip scroll bar.
    const int dateWidth = qMax(
        1050 / TwipsPerPixel,
        MSFlexGrid1->fontMetrics().horizontalAdvance(ShortDate::format(QDate(2028, 12, 28))) + 16);
    MSFlexGrid1->horizontalHeader()->resizeSection(ReportLine::DateColumn, dateWidth);
    const int columns = m_lines->columnCount();
    const double other =
        (double(width - dateWidth) * TwipsPerPixel - 265) / (columns - 1) / TwipsPerPixel;
    const int columnWidth = qMax(40, int(std::nearbyint(other)));
    for (int c = ReportLine::GovtChargeColumn; c < columns; ++c)
        MSFlexGrid1->horizontalHeader()->resizeSection(c, columnWidth);
}

bool frmCalculate::ClearReportTable() {
    QString code, text;
    if (!ReportTable::clear(m_connection.database(), &code, &text)) {
        Dialogs::instance().message(tr(ClearReportError) + code + text);
        return false;
    }
    return true;
}

bool frmCalculate::FillReportTable(QString* error) {
    // The grid and its buttons go while the copy runs, so that nothing can be started meanwhile.
    MSFlexGrid1->hide();
    picButtons->hide();
    letEventsRun();
    setHourglass();
    const QSqlDatabase db = m_connection.database();
    const auto fill = [&] {
        // A table that could not be emptied is not added to: its rows would print twice.
        if (!ClearReportTable())
            return false;
        if (!ReportTable::append(db, m_lines->lines(), error))
            return false;
        letEventsRun();
        QVector<ReportTableRow> rows;
        if (!ReportTable::read(db, &rows, error))
            return false;
        m_rptReport.setDataSource(std::move(rows));
        m_rptReport.setTitle(m_main.tag(Tag::NewFile));
        m_rptReport.setPrintedOn(QDate::currentDate());
        // The conventions and, under the owed rates, whose rates: as above the grid.
        m_rptReport.setConventions(
            lblConventions->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
        m_rptReport.setOffsetColumn(m_working && m_working->run().offsetColumn());
        m_rptReport.setIncomplete(InterestSummary::incompletePostings(m_lines->lines()),
                                  m_missing ? m_missing->namedStatement() : 0);
        if (m_working) {
            m_rptReport.setRates(m_working->rates());
            m_rptReport.setExplanations(DiagnosisText::lines(m_working->diagnosis()));
            m_rptReport.setWorkings(m_working->pickedTables());
        }
        return true;
    };
    const bool filled = fill();
    MSFlexGrid1->show();
    picButtons->show();
    setDefaultPointer();
    return filled;
}

void frmCalculate::cmdPreview_Click() {
    QString error;
    if (!FillReportTable(&error)) {
        if (!error.isEmpty())
            Dialogs::instance().message(tr(PreviewError).arg(error));
        return;
    }
    letEventsRun();
    m_rptReport.Show();
}

void frmCalculate::cmdPrint_Click() {
    QString error;
    if (FillReportTable(&error)) {
        letEventsRun();
        if (m_rptReport.PrintReport(&error))
            return;
    }
    if (!error.isEmpty())
        Dialogs::instance().message(tr(PrintError).arg(error));
}

void frmCalculate::ReadFixedDay() {
    if (!m_main.tag(Tag::IntCalcTo).isEmpty())
        m_fixedDay = ReportBasis::dayOf(m_main.state());
}

void frmCalculate::CheckStatements() {
    m_noTransactions = false;
    m_main.setTag(Tag::NextForm, QString());
    // Only a statement checked in this run is committed, as it stood at its check. Anything else
    // lying about (a header whose check failed or was never made, rows left by an abandoned
    // statement or an earlier run) is no statement: the session is discarded, never appended.
    std::optional<CheckedStatement> checked;
    if (const auto* source = dynamic_cast<const CheckedStatementSource*>(
            m_main.loadedWindow(WindowNames::ThisSession)))
        checked = source->checkedStatement();
    StatementHeader header;
    QVector<SessionRow> session;
    if (checked) {
        header = checked->header;
        session = checked->rows;
    } else {
        m_main.unloadWindow(WindowNames::ThisSession);
        SessionStore::clear(m_connection.database());
    }
    QString error;
    const std::optional<ReportPreparation::CommitResult> result =
        ReportPreparation::commitStatement(m_connection.database(), header, session, &error);
    if (!result) {
        // Nothing was written: the statement's rows stay in the session for another try.
        m_commitFailed = true;
        Dialogs::instance().message(error);
        picButtons->show();
        setDefaultPointer();
        return;
    }
    if (result->noTransactions) {
        m_noTransactions = true;
        Dialogs::instance().message(
            QCoreApplication::translate("ReportPreparation", ReportPreparation::NoTransactions));
        m_main.setTag(Tag::NextForm, QString());
        m_main.setTag(Tag::File, FileState::New);
        cmdPreview->setEnabled(false);
        cmdPrint->setEnabled(false);
        cmdSummary->setEnabled(false);
        cmdWorking->setEnabled(false);
        cmdComplaint->setEnabled(false);
        picButtons->show();
        setDefaultPointer();
        return;
    }
    m_missing = result->missing;
    if (m_missing)
        m_main.setTag(Tag::NextForm, FlagState::Yes);
    if (result->balanceRowAdded)
        m_main.setTag(Tag::Statement, QString());
}

void frmCalculate::CalculateInterest() {
    QSqlDatabase db = m_connection.database();
    QString error;
    // An account whose history does not read shows no lines, and says why once.
    std::optional<AccountSnapshot> snapshot = Snapshot::read(db, &error);
    QStringList notices;
    if (!snapshot) {
        notices << error;
        snapshot.emplace();
        snapshot->terms.emplace();
    }
    const CalculationBasis basis{m_method, m_fixedDay, snapshot->inputs.conventions,
                                 m_owedRates ? RateSource::Owed : RateSource::Stored};
    auto run = std::make_shared<ReportCase>(
        std::make_shared<const AccountSnapshot>(std::move(*snapshot)), basis);
    notices << run->snapshot().inputs.notices << run->engineNotices();
    if (!run->changes().isEmpty() && !AccountStore::writeBack(db, run->changes(), &error))
        notices << error;
    notices << run->owedNotices();
    // Under the stored rates, whether the lender passed on its reference's changes: said when
    // the terms do not read.
    if (!m_owedRates && !run->snapshot().terms)
        notices << run->snapshot().termsError;
    QStringList notes;
    if (const QString note = Conventions::reportNote(basis.conventions); !note.isEmpty())
        notes << note;
    if (run->basis().owedRates())
        notes << QCoreApplication::translate("TermsCheck", TermsCheck::OwedNote);
    lblConventions->setText(notes.join(QLatin1Char('\n')));
    lblConventions->setVisible(!notes.isEmpty());
    m_working = std::make_shared<ReportWorking>(run, m_main.tag(Tag::NewFile));
    cmdWorking->setEnabled(m_working->postingCount() > 0);
    m_lines->setLines(run->lines(), run->offsetColumn());
    setUpGrid();
    for (const QString& notice : std::as_const(notices))
        Dialogs::instance().message(notice);
}

void frmCalculate::formActivate() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()); frame && !frame->isMaximized())
        frame->showMaximized();
    // After this activation is done with: the prompt must end up in front of the report.
    if (m_informationPending) {
        m_informationPending = false;
        QTimer::singleShot(0, this, &frmCalculate::showMissingStatements);
    }
    if (m_summaryPending) {
        m_summaryPending = false;
        QTimer::singleShot(0, this, &frmCalculate::cmdSummary_Click);
    }
}

void frmCalculate::showMissingStatements() {
    if (isUnloaded() || !m_missing)
        return;
    auto* information =
        dynamic_cast<MissingStatementDisplay*>(m_main.window(WindowNames::Information));
    if (!information)
        return;
    information->setNotice(*m_missing);
    m_main.showWindow(WindowNames::Information);
}

void frmCalculate::cmdClose_Click() {
    // Closing ends the statement session, unless its rows could not be committed.
    if (!m_commitFailed) {
        SessionStore::clear(m_connection.database());
    }
    m_main.showWindow(WindowNames::Options);
    unload();
}

void frmCalculate::cmdHelp_Click() {
    m_main.showHelpPage(QStringLiteral("3"));
}

void frmCalculate::cmdSummary_Click() {
    auto* summary = dynamic_cast<SummaryWindow*>(m_main.window(SummaryWindow::Name));
    if (!summary || !m_working)
        return;
    summary->setReport(m_working, m_missing ? m_missing->namedStatement() : 0);
    m_main.showWindow(SummaryWindow::Name);
}

void frmCalculate::showWorking() {
    const QModelIndex current = MSFlexGrid1->currentIndex();
    showWorkingOfLine(current.isValid() ? current.row() : 0);
}

void frmCalculate::showWorkingOfLine(int line) {
    const int posting = m_working ? m_working->postingForLine(line) : -1;
    if (posting < 0) {
        Dialogs::instance().message(tr("The report has no interest posting to show the working "
                                       "of."));
        return;
    }
    auto* window = dynamic_cast<WorkingWindow*>(m_main.window(WorkingWindow::Name));
    if (!window)
        return;
    window->showPosting(m_working, posting);
    m_main.showWindow(WorkingWindow::Name);
}

void frmCalculate::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cmdClose_Click();
        return;
    }
    FormWindow::keyPressEvent(event);
}

bool frmCalculate::eventFilter(QObject* watched, QEvent* event) {
    // The report grid scrolls with its own keys; Escape still closes.
    if (watched == MSFlexGrid1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !isUnloaded()) {
        cmdClose_Click();
        return true;
    }
    return FormWindow::eventFilter(watched, event);
}

void frmCalculate::formUnload() {
    m_main.setTag(Tag::InterestChanged, QString());
    m_main.setTag(Tag::NextForm, QString());
    m_main.unloadWindow(WindowNames::NewStatement);
    // The working shown belongs to this report's run.
    m_main.unloadWindow(WorkingWindow::Name);
    m_rptReport.unload();
    m_connection.close();
}
