// vantrell-ofxread: the OFX reader's child process. Reads an OFX file on standard input with
// OfxReader and writes the ReadResult on standard output. The program runs it (OfxChild) with a
// time limit and a temporary folder of its own, so that a file libofx cannot finish never holds
// the window, and everything libofx writes goes when the child does.
#include "import/OfxReader.h"
#include "import/StatementFile.h"

#include <QByteArray>
#include <QDataStream>
#include <QFile>

#include <cstdio>

#include <sys/resource.h>
#ifdef __linux__
#include <csignal>
#include <sys/prctl.h>
#endif

int main() {
#ifdef __linux__
    // The program gone, its reader goes too: nobody is left to wait for the answer.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    // A second bound, should the program's own timer never fire.
    const rlimit cpu{120, 120};
    ::setrlimit(RLIMIT_CPU, &cpu);

    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return 2;
    const QByteArray content = in.read(StatementFile::MaxBytes + 1);

    QByteArray answer;
    QDataStream out(&answer, QIODevice::WriteOnly);
    out << OfxReader::read(content);

    QFile stdOut;
    if (!stdOut.open(stdout, QIODevice::WriteOnly) || stdOut.write(answer) != answer.size())
        return 3;
    return stdOut.flush() ? 0 : 3;
}
