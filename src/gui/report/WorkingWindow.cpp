#include "WorkingWindow.h"

#include "data/OutputFile.h"
#include "diagnosis/DiagnosisText.h"
#include "render/WorkingPage.h"
#include "shell/Dialogs.h"
#include "shell/WindowFit.h"
#include "shell/WindowHost.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char* const Caption = QT_TRANSLATE_NOOP("WorkingWindow", "Show Working");
const char* const SaveError =
    QT_TRANSLATE_NOOP("WorkingWindow", "The working could not be saved: %1");

QTableWidget* makeTable(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* t = new QTableWidget(parent);
    t->setObjectName(name);
    t->setAccessibleName(accessibleName);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->setWordWrap(false);
    return t;
}

} // namespace

WorkingWindow::WorkingWindow(WindowHost& main) : FormWindow(main, Name) {
    setWindowTitle(tr(Caption));

    titleLabel = new QLabel(this);
    titleLabel->setObjectName("titleLabel");
    QFont big = titleLabel->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    big.setBold(true);
    titleLabel->setFont(big);
    aboutLabel = new QLabel(this);
    aboutLabel->setObjectName("aboutLabel");
    aboutLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    daysGrid = makeTable(this, "workingGrid", tr("The days of the period"));
    footGrid = makeTable(this, "footGrid", tr("Total, charge and rates"));
    footGrid->setColumnCount(2);
    footGrid->horizontalHeader()->hide();
    footGrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    footGrid->horizontalHeader()->setStretchLastSection(true);
    notesLabel = new QLabel(this);
    notesLabel->setObjectName("notesLabel");
    notesLabel->setWordWrap(true);

    printCheck = new QCheckBox(tr("Print with the &report"), this);
    printCheck->setObjectName("printCheck");
    printCheck->setToolTip(tr("The printed report ends with the working of every posting ticked "
                              "here or in the summary's largest differences, each on its own "
                              "page."));
    connect(printCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (m_report && m_explanation < 0)
            m_report->setPicked(m_posting, on);
    });

    const auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    };
    previousButton = button("previousButton", tr("&Previous"));
    nextButton = button("nextButton", tr("&Next"));
    copyButton = button("copyButton", tr("&Copy"));
    copyButton->setToolTip(tr("Copies the days, tab-separated, to paste into a spreadsheet."));
    csvButton = button("saveCsvButton", tr("&Save as CSV..."));
    printButton = button("printButton", tr("Print or P&DF..."));
    closeButton = button("closeButton", tr("C&lose"));
    connect(previousButton, &QPushButton::clicked, this, &WorkingWindow::showPrevious);
    connect(nextButton, &QPushButton::clicked, this, &WorkingWindow::showNext);
    connect(copyButton, &QPushButton::clicked, this, &WorkingWindow::copyAsTabSeparated);
    connect(csvButton, &QPushButton::clicked, this, &WorkingWindow::saveAsCsv);
    connect(printButton, &QPushButton::clicked, this, &WorkingWindow::printOrPdf);
    connect(closeButton, &QPushButton::clicked, this, &WorkingWindow::closeWindow);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previousButton);
    buttons->addWidget(nextButton);
    buttons->addWidget(printCheck);
    buttons->addStretch(1);
    buttons->addWidget(copyButton);
    buttons->addWidget(csvButton);
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);

    // The days and their foot scroll when the window is smaller than they need; the buttons
    // stay in view below them.
    auto* body = new QWidget(this);
    body->setObjectName("workingBody");
    auto* content = new QVBoxLayout(body);
    content->setContentsMargins(0, 0, 0, 0);
    content->addWidget(titleLabel);
    content->addWidget(aboutLabel);
    content->addWidget(daysGrid, 1);
    content->addWidget(footGrid);
    content->addWidget(notesLabel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WindowFit::scrolling(body, this), 1);
    layout->addLayout(buttons);
    resize(960, 640);
}

void WorkingWindow::setReport(std::shared_ptr<ReportWorking> report) {
    if (m_report == report)
        return;
    if (m_report)
        disconnect(m_report.get(), nullptr, this, nullptr);
    m_report = std::move(report);
    if (m_report)
        connect(m_report.get(), &ReportWorking::pickedChanged, this, [this] {
            const QSignalBlocker quiet(printCheck);
            printCheck->setChecked(m_explanation < 0 && m_report->isPicked(m_posting));
        });
}

void WorkingWindow::showPosting(std::shared_ptr<ReportWorking> report, int posting) {
    setReport(std::move(report));
    m_explanation = -1;
    m_explained.clear();
    m_posting = m_report ? std::clamp(posting, 0, std::max(0, m_report->postingCount() - 1)) : -1;
    fill();
}

void WorkingWindow::showExplanation(std::shared_ptr<ReportWorking> report, int explanation) {
    setReport(std::move(report));
    m_explanation = -1;
    m_explained.clear();
    if (m_report && m_report->diagnosisInputs() && explanation >= 0 &&
        explanation < m_report->diagnosis().explanations.size()) {
        m_explanation = explanation;
        m_explained = DiagnosisText::workingTables(*m_report->diagnosisInputs(),
                                                   m_report->diagnosis().explanations[explanation]);
    }
    m_posting = 0;
    fill();
}

int WorkingWindow::count() const {
    if (m_explanation >= 0)
        return int(m_explained.size());
    return m_report ? m_report->postingCount() : 0;
}

void WorkingWindow::fill() {
    const bool explaining = m_explanation >= 0;
    const bool any = count() > 0;
    m_table = !any         ? WorkingRendering::Table()
              : explaining ? m_explained.value(m_posting)
                           : m_report->table(m_posting);
    titleLabel->setText(any ? m_table.title : tr("The report has no interest posting."));
    // The explanation's sentence and its span's totals are read whole.
    aboutLabel->setWordWrap(explaining);
    aboutLabel->setText(m_table.about.join(QLatin1Char('\n')));

    daysGrid->clear();
    daysGrid->setColumnCount(int(m_table.headings.size()));
    daysGrid->setHorizontalHeaderLabels(m_table.headings);
    daysGrid->setRowCount(int(m_table.rows.size()));
    for (int r = 0; r < m_table.rows.size(); ++r) {
        const QStringList& row = m_table.rows[r];
        for (int c = 0; c < row.size(); ++c) {
            auto* item = new QTableWidgetItem(row[c]);
            if (c > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (m_table.reset.value(r)) {
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
                item->setToolTip(
                    QCoreApplication::translate("WorkingRendering", WorkingRendering::ResetNote));
            }
            daysGrid->setItem(r, c, item);
        }
    }
    daysGrid->resizeColumnsToContents();

    footGrid->setRowCount(int(m_table.foot.size()));
    for (int r = 0; r < m_table.foot.size(); ++r) {
        footGrid->setItem(r, 0, new QTableWidgetItem(m_table.foot[r].first));
        footGrid->setItem(r, 1, new QTableWidgetItem(m_table.foot[r].second));
    }
    // The foot is read whole, never scrolled.
    footGrid->setFixedHeight(footGrid->verticalHeader()->defaultSectionSize() *
                                 footGrid->rowCount() +
                             2 * footGrid->frameWidth());
    notesLabel->setText(m_table.notes.join(QLatin1Char('\n')));
    notesLabel->setVisible(!m_table.notes.isEmpty());

    {
        const QSignalBlocker quiet(printCheck);
        printCheck->setChecked(any && !explaining && m_report->isPicked(m_posting));
    }
    for (QWidget* w : {static_cast<QWidget*>(printCheck), static_cast<QWidget*>(copyButton),
                       static_cast<QWidget*>(csvButton), static_cast<QWidget*>(printButton)})
        w->setEnabled(any);
    // The printed report and the CSV carry the report's own postings, not an explanation's.
    printCheck->setVisible(!explaining);
    csvButton->setVisible(!explaining);
    previousButton->setEnabled(any && m_posting > 0);
    nextButton->setEnabled(any && m_posting + 1 < count());
    if (explaining)
        setWindowTitle(tr("Show Working of the Explanation"));
    else
        //: %1 is the posting's date.
        setWindowTitle(any ? tr("Show Working: %1").arg(m_table.title.section(' ', -1))
                           : tr(Caption));
}

void WorkingWindow::showPrevious() {
    if (m_posting <= 0)
        return;
    if (m_explanation >= 0) {
        --m_posting;
        fill();
    } else if (m_report) {
        showPosting(m_report, m_posting - 1);
    }
}

void WorkingWindow::showNext() {
    if (m_posting + 1 >= count())
        return;
    if (m_explanation >= 0) {
        ++m_posting;
        fill();
    } else if (m_report) {
        showPosting(m_report, m_posting + 1);
    }
}

void WorkingWindow::copyAsTabSeparated() {
    if (!m_table.rows.isEmpty())
        QGuiApplication::clipboard()->setText(WorkingRendering::tabSeparated(m_table));
}

void WorkingWindow::saveAsCsv() {
    if (!m_report || m_posting < 0 || m_explanation >= 0)
        return;
    const QDate date = m_report->working().postings[m_posting].date;
    FileDialogRequest request;
    request.kind = FileDialogRequest::Save;
    request.title = tr("Save the Working as CSV");
    request.filter = tr("CSV files|*.csv");
    request.folder = QFileInfo(m_report->basis().account).absolutePath();
    request.fileName = tr("Working %1.csv").arg(date.toString(Qt::ISODate));
    request.defaultSuffix = QStringLiteral("csv");
    const std::optional<QString> path = Dialogs::instance().chooseFile(request);
    if (!path)
        return;
    // A name that may not be written is said at once; a file of that name is only replaced when
    // the user says so, and then only once the new one is whole.
    const QStringList account = {m_report->basis().account};
    if (const QString why = OutputFile::refusal(*path, account); !why.isEmpty()) {
        Dialogs::instance().message(tr(SaveError).arg(why));
        return;
    }
    if (QFileInfo::exists(*path) &&
        !Dialogs::instance().question(
            tr("%1 already exists. Replace it?").arg(QFileInfo(*path).fileName())))
        return;
    QString error;
    if (!OutputFile::write(*path, WorkingRendering::csv(m_report->working(), m_posting), account,
                           &error))
        Dialogs::instance().message(tr(SaveError).arg(error));
}

void WorkingWindow::printOrPdf() {
    if (!m_report || m_posting < 0)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_table.title);
    printer.setCreator(AppTitle);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    const QVector<WorkingRendering::Table> tables = {m_table};
    const QString account = m_report->basis().account;
    Dialogs::instance().preview(printer,
                                [&tables, &account](QPagedPaintDevice& device, QString* error) {
                                    return WorkingPage::print(device, tables, account, error);
                                });
}

void WorkingWindow::closeWindow() {
    unload();
}
