#include "RegisterWindows.h"
#include "data/ProgramPaths.h"
#include "data/TempFolders.h"
#include "shell/MDIForm1.h"
#include "shell/Windows.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    // Without a display Qt would abort with a platform-plugin message nobody understands.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "Vantrell needs a display to show its window, and there is none.\n"
                             "Run it under a virtual display:  xvfb-run -a ./vantrell\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vantrell");
    // Every window, a maximised child's corner included, shows the program's own icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vantrell.png")));
    ProgramPaths::prepareDataFolder();
    // What a copy that was killed left in the temporary folder; never a running copy's files.
    TempFolders::removeStale();

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
