// Builds the empty template account (Blank.mdb) from the schema compiled into the program.
#include "data/AccountConnection.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantrell-mktemplate OUTPUT\n");
        return 2;
    }
    QString error;
    if (!AccountDatabase::createFromSchema(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "vantrell-mktemplate: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
