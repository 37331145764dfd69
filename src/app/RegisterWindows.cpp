#include "RegisterWindows.h"

#include "records/frmAllRecords.h"
#include "report/ComplaintWindow.h"
#include "report/SetSummaryWindow.h"
#include "report/SummaryWindow.h"
#include "report/WorkingWindow.h"
#include "report/frmCalculate.h"
#include "shell/MDIForm1.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "shell/frmAbout.h"
#include "shell/frmHelp.h"
#include "shell/frmOptions.h"
#include "shell/frmSplash.h"
#include "statements/HistoryImportWindow.h"
#include "statements/frmInformation.h"
#include "statements/frmNewStatement.h"
#include "statements/frmThisSession.h"
#include "terms/ConventionsWindow.h"
#include "terms/FindMethodWindow.h"
#include "terms/LoanSetWindow.h"
#include "terms/OffsetWindow.h"
#include "terms/RateTermsWindow.h"
#include "terms/RepaymentTermsWindow.h"
#include "terms/frmInterestPeriod.h"
#include "terms/frmMethod.h"
#include "terms/frmUserInterestChanges.h"

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
    r.add(
        WindowNames::Calculate, [](MDIForm1& m) { return new frmCalculate(m); }, true);
    r.add(
        SummaryWindow::Name, [](MDIForm1& m) { return new SummaryWindow(m); }, true);
    // The parts are read into memory: the window holds no account's connection.
    r.add(
        SetSummaryWindow::Name, [](MDIForm1& m) { return new SetSummaryWindow(m); }, false);
    r.add(
        ComplaintWindow::Name, [](MDIForm1& m) { return new ComplaintWindow(m); }, true);
    r.add(
        WorkingWindow::Name, [](MDIForm1& m) { return new WorkingWindow(m); }, true);
    r.add(
        WindowNames::Method, [](MDIForm1& m) { return new frmMethod(m); }, true);
    r.add(
        WindowNames::InterestPeriod, [](MDIForm1& m) { return new frmInterestPeriod(m); }, true);
    r.add(
        WindowNames::InterestChanges, [](MDIForm1& m) { return new frmUserInterestChanges(m); },
        true);
    r.add(
        WindowNames::Conventions, [](MDIForm1& m) { return new ConventionsWindow(m); }, true);
    r.add(
        WindowNames::FindMethod, [](MDIForm1& m) { return new FindMethodWindow(m); }, true);
    r.add(
        WindowNames::Offset, [](MDIForm1& m) { return new OffsetWindow(m); }, true);
    r.add(
        WindowNames::RateTerms, [](MDIForm1& m) { return new RateTermsWindow(m); }, true);
    r.add(
        WindowNames::RepaymentTerms, [](MDIForm1& m) { return new RepaymentTermsWindow(m); }, true);
    // A set names accounts but holds none open.
    r.add(
        WindowNames::LoanSet, [](MDIForm1& m) { return new LoanSetWindow(m); }, false);
    r.add(
        WindowNames::NewStatement, [](MDIForm1& m) { return new frmNewStatement(m); }, true);
    r.add(
        WindowNames::ThisSession, [](MDIForm1& m) { return new frmThisSession(m); }, true);
    // It holds no connection, but its notice belongs to the account.
    r.add(
        WindowNames::Information, [](MDIForm1& m) { return new frmInformation(m); }, true);
    main.registerModal(WindowNames::About,
                       [](QWidget* parent) { return std::make_unique<frmAbout>(parent); });
    main.registerModal(WindowNames::HistoryImport,
                       [&main](QWidget* parent) -> std::unique_ptr<QDialog> {
                           return HistoryImportWindow::open(main, parent);
                       });
}
