#include "OfxChild.h"

#include "data/Language.h"
#include "data/ProgramPaths.h"
#include "data/TempFolders.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFileInfo>

namespace {

const QString ProgramName = QStringLiteral("vantrell-ofxread");

ReadResult failed(const QString& error) {
    ReadResult r;
    r.format = StatementFormat::Ofx;
    r.error = error;
    return r;
}

} // namespace

OfxChild::OfxChild(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &OfxChild::timedOut);
}

OfxChild::~OfxChild() {
    const QSignalBlocker quiet(this);
    stop({});
}

QString OfxChild::program() {
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath();
    folders << ProgramPaths::programFolder();
    for (const QString& folder : std::as_const(folders)) {
        const QFileInfo candidate(folder + u'/' + ProgramName);
        if (candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return {};
}

qint64 OfxChild::processId() const {
    return m_process ? m_process->processId() : 0;
}

void OfxChild::start(const QByteArray& content, std::chrono::milliseconds limit) {
    stop({});
    m_cancelled = false;
    m_limit = limit;
    m_result = ReadResult();
    const QString child = program();
    if (child.isEmpty()) {
        m_result = failed(tr("The OFX reader %1 is missing from the program's folder: "
                             "install Vantrell again.")
                              .arg(ProgramName));
        emit finished();
        return;
    }
    m_folder = TempFolders::create();
    if (!m_folder->isValid()) {
        m_result = failed(
            tr("The file could not be prepared for reading: %1").arg(m_folder->errorString()));
        m_folder.reset();
        emit finished();
        return;
    }
    m_process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), m_folder->path());
    // The reader's messages in the windows' language; none from a tool, whose output is English.
    environment.remove(Language::ChildVariable);
    if (Language::current() != QLatin1String("en"))
        environment.insert(Language::ChildVariable, Language::current());
    m_process->setProcessEnvironment(environment);
    m_process->setWorkingDirectory(m_folder->path());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    connect(m_process, &QProcess::finished, this, &OfxChild::childFinished);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            stop(tr("The OFX reader %1 could not be started: %2")
                     .arg(ProgramName, m_process->errorString()));
    });
    m_process->start(child, {}, QIODevice::ReadWrite);
    if (!m_process)
        return; // failed to start: finished() was emitted
    m_process->write(content);
    m_process->closeWriteChannel();
    m_timer.start(limit);
}

void OfxChild::cancel() {
    if (!isRunning())
        return;
    m_cancelled = true;
    m_result = failed(tr("The reading of the file was cancelled."));
    const QSignalBlocker quiet(this);
    stop({});
}

void OfxChild::childFinished(int exitCode, QProcess::ExitStatus status) {
    const QByteArray answer = m_process->readAllStandardOutput();
    if (status != QProcess::NormalExit || exitCode != 0) {
        stop(tr("The file could not be read: its OFX reader stopped (%1).")
                 .arg(status == QProcess::NormalExit ? tr("exit code %1").arg(exitCode)
                                                     : tr("it crashed")));
        return;
    }
    QDataStream in(answer);
    ReadResult result;
    in >> result;
    if (in.status() != QDataStream::Ok || !in.atEnd()) {
        stop(tr("The file could not be read: its OFX reader's answer does not read."));
        return;
    }
    m_result = std::move(result);
    stop({});
}

void OfxChild::timedOut() {
    stop(tr("The file could not be read in time: its reading had not finished after "
            "%1 seconds. The file may be damaged, or far larger than a statement.")
             .arg(double(m_limit.count()) / 1000));
}

void OfxChild::stop(const QString& error) {
    m_timer.stop();
    const bool wasRunning = m_process != nullptr;
    if (QProcess* process = std::exchange(m_process, nullptr)) {
        process->disconnect(this);
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(-1);
        }
        // Not deleted here: this may run inside one of its own signals.
        process->deleteLater();
    }
    // Everything the child and libofx wrote is in the folder.
    m_folder.reset();
    if (!error.isEmpty())
        m_result = failed(error);
    if (wasRunning)
        emit finished();
}

ReadResult OfxChild::read(const QByteArray& content, std::chrono::milliseconds limit) {
    OfxChild child;
    child.start(content, limit);
    // Without an event loop: QProcess writes the content and reads the answer while it waits.
    if (child.m_process && !child.m_process->waitForFinished(int(limit.count())) && child.m_process)
        child.timedOut();
    return child.result();
}
