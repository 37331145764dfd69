#include "Windows.h"

#include "MDIForm1.h"
#include "WindowRegistry.h"
#include "frmSplash.h"

void registerWindows(MDIForm1& main)
{
    WindowRegistry& r = main.registry();
    r.add(WindowNames::Splash, [](MDIForm1& m) { return new frmSplash(m); }, false);
}
