#pragma once

#include "ImportRow.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <memory>

// OFX files are read by the child program vantrell-ofxread (OfxReader in a process of its own),
// never in the program itself: libofx's time grows far faster than the file, and nothing but
// ending its process stops it. The child gets a temporary folder of its own (libofx writes its own
// copy of the file there too), and a time limit; when the child ends, in time, late or cancelled,
// the folder goes with it.
class OfxChild : public QObject {
    Q_OBJECT
public:
    // A statement's file reads in well under a second; a file that takes longer than this is
    // damaged or hostile.
    static constexpr std::chrono::milliseconds TimeLimit{20000};

    explicit OfxChild(QObject* parent = nullptr);
    // A child still running is ended, its folder removed.
    ~OfxChild() override;

    // Starts reading `content`. finished() follows: when the child has answered, when `limit` has
    // passed (the result then says the file could not be read in time), or at once when the child
    // cannot be started.
    void start(const QByteArray& content, std::chrono::milliseconds limit = TimeLimit);
    // Ends the child; the result says the reading was cancelled. No finished() follows.
    void cancel();
    bool isRunning() const { return m_process != nullptr; }
    bool wasCancelled() const { return m_cancelled; }
    const ReadResult& result() const { return m_result; }
    // The running child's process id, 0 when none runs.
    qint64 processId() const;

    // For callers without a window: reads `content` in a child and waits for it, at most `limit`.
    static ReadResult read(const QByteArray& content, std::chrono::milliseconds limit = TimeLimit);

    // The child program: beside the running program, else in its program folder.
    static QString program();

signals:
    void finished();

private:
    void childFinished(int exitCode, QProcess::ExitStatus status);
    void timedOut();
    // Ends the child and removes its folder; the result carries `error` when it is not empty.
    void stop(const QString& error);

    QProcess* m_process = nullptr;
    std::unique_ptr<QTemporaryDir> m_folder;
    QTimer m_timer;
    std::chrono::milliseconds m_limit = TimeLimit;
    ReadResult m_result;
    bool m_cancelled = false;
};
