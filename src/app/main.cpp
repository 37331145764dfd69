#include "ProgramVersion.h"
#include "RegisterWindows.h"
#include "data/Language.h"
#include "data/ProgramPaths.h"
#include "data/TempFolders.h"
#include "shell/MDIForm1.h"
#include "shell/Windows.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* const Usage =
    "usage: vantrell [--help] [--version]\n"
    "\n"
    "Checks the interest a lender charged on a home loan: you type in each bank statement of the\n"
    "loan account (its transactions, the interest rates and the lender's way of calculating\n"
    "interest), and the report sets the interest due beside the interest charged. The program\n"
    "opens its window; accounts are made and opened from its File menu.\n"
    "\n"
    "Account files (NAME.mdb) are kept in the Data folder: Data/ beside the program when the\n"
    "program's folder can be written, otherwise ~/.local/share/Vantrell/Data/, where the\n"
    "program copies its help pages and the sample account Sample.mdb on its first start, and the\n"
    "help pages again after an upgrade. The account files there are never touched.\n"
    "\n"
    "  --help       prints this text\n"
    "  --version    prints the program's version\n"
    "\n"
    "The window needs a display; without one, run the program under a virtual display:\n"
    "xvfb-run -a vantrell. The tools vantrell-report and vantrell-import read the same account\n"
    "files on the command line.\n"
    "\n"
    "Exit status: 0 closed, 1 no display to show the window on.\n";

} // namespace

int main(int argc, char** argv) {
    // Answered before anything needs a display, so that they work on any terminal.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("vantrell %s\n", ProgramVersion);
            return 0;
        }
    }
    // Without a display Qt would abort with a platform-plugin message nobody understands.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "Vantrell needs a display to show its window, and there is none.\n"
                             "Run it under a virtual display:  xvfb-run -a ./vantrell\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vantrell");
    // The desktop entry's name, so that a Wayland shell shows the entry's icon for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrell.Vantrell"));
    // Every window, a maximised child's corner included, shows the program's own icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vantrell.png")));
    // The windows' language, chosen at start: a change of it takes effect at the next.
    Language::install(app, Language::stored());
    ProgramPaths::prepareDataFolder();
    // What a copy that was killed left in the temporary folder; never a running copy's files.
    TempFolders::removeStale();
    TempFolders::removeStaleParts(ProgramPaths::dataFolder());

    MDIForm1 main;
    registerWindows(main);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        main.resize(main.size().boundedTo(area.size()));
        main.move(area.left() + (area.width() - main.width()) / 2,
                  area.top() + (area.height() - main.height()) / 2);
    }
    main.show();
    main.showWindow(WindowNames::Splash);
    return app.exec();
}
