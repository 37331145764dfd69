// vantrell-ofxread: the OFX reader's child process. Reads an OFX file on standard input with
// OfxReader and writes the ReadResult on standard output. The program runs it (OfxChild) with a
// time limit and a temporary folder of its own, so that a file libofx cannot finish never holds
// the window, and everything libofx writes goes when the child does.
#include "data/Language.h"
#include "import/OfxReader.h"
#include "import/StatementFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDataStream>
#include <QFile>

#include <cstdio>

#include <sys/resource.h>
#ifdef __linux__
#include <csignal>
#include <sys/prctl.h>
#endif

int main(int argc, char** argv) {
#ifdef __linux__
    // The program gone, its reader goes too: nobody is left to wait for the answer.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    // A second bound, should the program's own timer never fire.
    const rlimit cpu{120, 120};
    ::setrlimit(RLIMIT_CPU, &cpu);

    // Read to the end of the input: a pipe hands over what has arrived so far, so one read
    // would cut a large file wherever its writer happened to be.
    QByteArray content;
    char buffer[1 << 16];
    while (content.size() <= StatementFile::MaxBytes) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, stdin);
        if (n == 0)
            break;
        content.append(buffer, qsizetype(n));
    }
    if (std::ferror(stdin))
        return 2;

    // Its row errors in the language of the windows that run it.
    QCoreApplication app(argc, argv);
    Language::installForChild(app);

    QByteArray answer;
    QDataStream out(&answer, QIODevice::WriteOnly);
    out << OfxReader::read(content);

    QFile stdOut;
    if (!stdOut.open(stdout, QIODevice::WriteOnly) || stdOut.write(answer) != answer.size())
        return 3;
    return stdOut.flush() ? 0 : 3;
}
