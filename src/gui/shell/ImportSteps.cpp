#include "ImportSteps.h"

#include "BusyDialog.h"
#include "Dialogs.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

namespace ImportSteps {

std::optional<QString> chooseFile(const QString& title) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Open;
    request.title = title;
    request.filter = StatementFile::dialogFilter();
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return Dialogs::instance().chooseFile(request);
}

std::unique_ptr<ImportSession> load(const QString& path, QWidget* parent) {
    QString error;
    std::unique_ptr<ImportSession> session = ImportSession::load(path, &error);
    if (!session) {
        Dialogs::instance().message(error);
        return nullptr;
    }
    // A file of several accounts: the user says which one, as their rows never mix.
    if (session->needsAccount()) {
        QStringList names;
        for (const StatementAccount& a : session->accounts()) {
            const QString name =
                a.name.isEmpty() ? QCoreApplication::translate("ImportSteps", "(no name)") : a.name;
            const QString type =
                a.type.isEmpty() ? QCoreApplication::translate("ImportSteps", "no type") : a.type;
            //: An account of a QIF file: its name, its type and its number of rows
            names << QCoreApplication::translate("ImportSteps", "%1 (%2, %3 rows)")
                         .arg(name, type)
                         .arg(a.rows);
        }
        const std::optional<int> chosen = Dialogs::instance().chooseItem(
            QCoreApplication::translate("ImportSteps",
                                        "%1 holds several accounts. Which one do you import?")
                .arg(QFileInfo(path).fileName()),
            names);
        if (!chosen)
            return nullptr;
        session->setAccount(*chosen);
    }
    if (session->format() == StatementFormat::Ofx) {
        std::optional<ReadResult> read = BusyDialog::readOfx(session->ofxContent(), parent);
        if (!read)
            return nullptr; // cancelled: nothing to say
        session->setOfxResult(std::move(*read));
    }
    return session;
}

bool start(ImportSession& session, const std::optional<CsvLayout>& remembered,
           ImportSession::Fallback fallback) {
    QString error;
    if (!session.start(remembered, fallback, &error)) {
        Dialogs::instance().message(
            QCoreApplication::translate("ImportSteps", "%1 cannot be imported. %2")
                .arg(QFileInfo(session.path()).fileName(), error));
        return false;
    }
    if (session.asksDateOrder()) {
        const bool dayFirst = Dialogs::instance().question(QCoreApplication::translate(
            "ImportSteps", "The dates of this file read both with the day first and with the "
                           "month first.\nAre the days first, as in 31/01/2024?"));
        session.setDateOrder(dayFirst ? DateOrder::DayFirst : DateOrder::MonthFirst);
    }
    return true;
}

CsvLayoutPanel* addHeader(QBoxLayout* root, ImportSession& session, CsvLayoutPanel::Shape shape) {
    auto* file = new QLabel(QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(session.path()),
                                                          formatName(session.format())));
    file->setObjectName(QStringLiteral("fileLabel"));
    root->addWidget(file);
    auto* panel = new CsvLayoutPanel(session, shape);
    root->addWidget(panel);
    return panel;
}

Footer addFooter(QBoxLayout* root) {
    Footer footer;
    footer.status = new QLabel;
    footer.status->setObjectName(QStringLiteral("statusLabel"));
    footer.status->setWordWrap(true);
    root->addWidget(footer.status);

    auto* buttons = new QHBoxLayout;
    footer.importButton = new QPushButton(QCoreApplication::translate("ImportSteps", "&Import"));
    footer.importButton->setObjectName(QStringLiteral("importButton"));
    footer.cancelButton = new QPushButton(QCoreApplication::translate("ImportSteps", "Cancel"));
    footer.cancelButton->setObjectName(QStringLiteral("cancelButton"));
    // Enter in a field must not import.
    footer.importButton->setAutoDefault(false);
    footer.cancelButton->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(footer.importButton);
    buttons->addWidget(footer.cancelButton);
    root->addLayout(buttons);
    return footer;
}

} // namespace ImportSteps
