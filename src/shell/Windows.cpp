#include "Windows.h"

#include "MDIForm1.h"
#include "WindowRegistry.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "frmOptions.h"
#include "frmSplash.h"
#include "records/frmAllRecords.h"

void registerWindows(MDIForm1& main) {
    WindowRegistry& r = main.registry();
    r.add(
        WindowNames::Splash, [](MDIForm1& m) { return new frmSplash(m); }, false);
    r.add(
        WindowNames::Options, [](MDIForm1& m) { return new frmOptions(m); }, false);
    r.add(
        WindowNames::Help, [](MDIForm1& m) { return new frmHelp(m); }, false);
    r.add(
        WindowNames::AllRecords, [](MDIForm1& m) { return new frmAllRecords(m); }, true);
    main.registerModal(WindowNames::About,
                       [](QWidget* parent) { return std::make_unique<frmAbout>(parent); });
}
