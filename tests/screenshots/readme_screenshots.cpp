// Takes the README's screenshots from the program itself: the sample account opened, the task
// menu, the method window, the report and the missing-statement notice, each as the main window
// shows it. Run by hand: `build/tests/readme_screenshots docs/screenshots` (offscreen is fine).
#include "app/RegisterWindows.h"
#include "data/ProgramPaths.h"
#include "shell/MDIForm1.h"
#include "shell/Windows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool save(MDIForm1& main, const QString& folder, const char* name) {
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(20);
    }
    const QString path = QDir(folder).filePath(QString::fromLatin1(name) + ".png");
    const bool saved = main.grab().save(path);
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "wrote" : "could not write",
                 qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: readme_screenshots FOLDER\n");
        return 1;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::Australia));
    ProgramPaths::setProgramFolder(QStringLiteral(VANTRELL_PROGRAM_DIR));
    QTemporaryDir dir;
    const QString account = dir.filePath("Sample.mdb");
    if (!QFile::copy(ProgramPaths::dataFolder() + "Sample.mdb", account)) {
        std::fprintf(stderr, "no sample account in %s\n", qPrintable(ProgramPaths::dataFolder()));
        return 2;
    }
    MDIForm1 main;
    registerWindows(main);
    main.resize(1100, 720);
    main.show();
    main.setTag(Tag::NewFile, account);
    main.setTag(Tag::File, "Open");
    main.setAccountCaption(account);
    main.closeSplash();
    main.showWindow(WindowNames::Options);
    bool ok = save(main, argv[1], "task-menu");
    main.showWindow(WindowNames::Method);
    ok = save(main, argv[1], "method") && ok;
    main.unloadWindow(WindowNames::Method);
    main.setTag(Tag::Method, "2");
    main.showWindow(WindowNames::Calculate);
    ok = save(main, argv[1], "missing-statement") && ok;
    // Ignore, as a user who reads the notice and goes on to the report.
    if (auto* ignore = main.findChild<QPushButton*>("cmdIgnore"))
        ignore->click();
    ok = save(main, argv[1], "report") && ok;
    return ok ? 0 : 2;
}
