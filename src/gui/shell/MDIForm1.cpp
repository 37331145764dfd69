#include "MDIForm1.h"

#include "AccountCommands.h"
#include "Dialogs.h"
#include "FormWindow.h"
#include "Keyboard.h"
#include "LoanSetCommands.h"
#include "SplitRoad.h"
#include "WindowFit.h"
#include "WindowRegistry.h"
#include "Windows.h"
#include "data/Language.h"
#include "data/ProgramPaths.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MDIForm1");
    Keyboard::install();
    setWindowTitle(AppTitle);
    m_area = new QMdiArea(this);
    m_area->setObjectName("mdiArea");
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    m_area->viewport()->installEventFilter(this);
    connect(m_area, &QMdiArea::subWindowActivated, this, &MDIForm1::onSubWindowActivated);

    m_registry = std::make_unique<WindowRegistry>(*this, *m_area);

    const QStyle* s = style();
    m_imageList = {{"icoFileNew", s->standardIcon(QStyle::SP_FileIcon)},
                   {"icoFileOpen", s->standardIcon(QStyle::SP_DialogOpenButton)},
                   {"icoFilePrint", s->standardIcon(QStyle::SP_FileDialogDetailedView)},
                   {"icoCalculate", s->standardIcon(QStyle::SP_FileDialogContentsView)}};
    createMenus();
    createToolbar();
    resize(WindowFit::mainWindowSize(screen() ? screen()->availableGeometry().size() : QSize()));
}

MDIForm1::~MDIForm1() {
    // Windows release their connections, and go, while the main window is still whole: their
    // handlers may refer to it.
    for (const QString& name : m_registry->loadedNames())
        m_registry->unload(name);
    qDeleteAll(m_area->subWindowList());
}

void MDIForm1::createFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("mnuFile");
    QAction* mnuNew = file->addAction(tr("&New Loan Account"), this, &MDIForm1::newAccount);
    mnuNew->setObjectName("mnuNew");
    mnuNew->setShortcut(QKeySequence::New);
    QAction* mnuOpen = file->addAction(tr("&Open Loan Account"), this, &MDIForm1::openAccount);
    mnuOpen->setObjectName("mnuOpen");
    mnuOpen->setShortcut(QKeySequence::Open);
    // A split loan: a set of accounts, one a part.
    file->addSeparator()->setObjectName("SpaceLoanSet");
    file->addAction(tr("Open Loan &Set…"), this, &MDIForm1::openLoanSet)
        ->setObjectName("mnuOpenLoanSet");
    file->addAction(tr("New &Loan Set…"), this, &MDIForm1::newLoanSet)
        ->setObjectName("mnuNewLoanSet");
    QAction* mnuEditLoanSet = file->addAction(tr("&Edit Loan Set…"), this, &MDIForm1::editLoanSet);
    mnuEditLoanSet->setObjectName("mnuEditLoanSet");
    connect(file, &QMenu::aboutToShow, this,
            [this, mnuEditLoanSet] { mnuEditLoanSet->setEnabled(!tag(Tag::LoanSet).isEmpty()); });
    file->addSeparator()->setObjectName("Space1");
    QAction* mnuExit = file->addAction(tr("&Exit"), qApp, &QCoreApplication::quit);
    mnuExit->setObjectName("mnuExit");
}

void MDIForm1::createMenus() {
    createFileMenu();

    // The lender's ways, for an account that is open.
    QMenu* lender = menuBar()->addMenu(tr("&Lender"));
    lender->setObjectName("mnuLender");
    QAction* mnuConventions = lender->addAction(tr("Lender's &Conventions"), this, [this] {
        if (!tag(Tag::NewFile).isEmpty())
            showWindow(WindowNames::Conventions);
    });
    mnuConventions->setObjectName("mnuConventions");
    QAction* mnuFindMethod = lender->addAction(tr("&Find Lender's Method"), this, [this] {
        if (tag(Tag::NewFile).isEmpty())
            return;
        // The search starts afresh each time: the history may have changed since.
        unloadWindow(WindowNames::FindMethod);
        showWindow(WindowNames::FindMethod);
    });
    mnuFindMethod->setObjectName("mnuFindMethod");
    QAction* mnuOffset = lender->addAction(tr("&Offset Account"), this, [this] {
        if (!tag(Tag::NewFile).isEmpty())
            showWindow(WindowNames::Offset);
    });
    mnuOffset->setObjectName("mnuOffset");
    QAction* mnuRateTerms = lender->addAction(tr("Rate &Terms"), this, [this] {
        if (!tag(Tag::NewFile).isEmpty())
            showWindow(WindowNames::RateTerms);
    });
    mnuRateTerms->setObjectName("mnuRateTerms");
    QAction* mnuRepaymentTerms = lender->addAction(tr("Re&payment Terms"), this, [this] {
        if (!tag(Tag::NewFile).isEmpty())
            showWindow(WindowNames::RepaymentTerms);
    });
    mnuRepaymentTerms->setObjectName("mnuRepaymentTerms");
    connect(lender, &QMenu::aboutToShow, this,
            [this, mnuConventions, mnuFindMethod, mnuOffset, mnuRateTerms, mnuRepaymentTerms] {
                const bool account = !tag(Tag::NewFile).isEmpty();
                for (QAction* action :
                     {mnuConventions, mnuFindMethod, mnuOffset, mnuRateTerms, mnuRepaymentTerms})
                    action->setEnabled(account);
            });

    // The bank's whole history, cut into statements.
    QMenu* import = menuBar()->addMenu(tr("&Import"));
    import->setObjectName("mnuImport");
    import
        ->addAction(tr("&Check a Loan from the Bank's File…"), this,
                    &MDIForm1::checkLoanFromBankFile)
        ->setObjectName("mnuCheckLoan");
    import->addAction(tr("Check a S&plit Loan…"), this, &MDIForm1::checkSplitLoan)
        ->setObjectName("mnuCheckSplitLoan");
    import->addAction(tr("&New Account from Bank History…"), this, &MDIForm1::newAccountFromHistory)
        ->setObjectName("mnuNewFromHistory");
    QAction* mnuHistory = import->addAction(tr("&Statements from Bank History…"), this,
                                            &MDIForm1::statementsFromHistory);
    mnuHistory->setObjectName("mnuStatementsFromHistory");
    connect(import, &QMenu::aboutToShow, this,
            [this, mnuHistory] { mnuHistory->setEnabled(canImportHistory()); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("mnuHelp");
    help->addAction(tr("Getting Started"), this, [this] { showHelpPage("1"); })
        ->setObjectName("mnuGettingStarted");
    help->addAction(tr("Interest Calculation Method"), this, [this] { showHelpPage("2"); })
        ->setObjectName("mnuMethod");
    help->addAction(tr("What Do I Do Now?"), this, [this] { showHelpPage("3"); })
        ->setObjectName("mnuWhatNow");
    help->addAction(tr("&Language…"), this, &MDIForm1::chooseLanguage)
        ->setObjectName("mnuLanguage");
    help->addSeparator()->setObjectName("Space2");
    help->addAction(tr("&About"), this, [this] { showModal("frmAbout"); })
        ->setObjectName("mnuHelpAbout");
}

// The windows' language for the next start: the program's catalogues and Qt's are loaded once,
// at start, so a window already open is never left half in one language.
void MDIForm1::chooseLanguage() {
    const std::optional<int> chosen = Dialogs::instance().chooseItem(
        tr("Language of the windows (from the next start):"), Language::names(), tr("Language"));
    if (!chosen)
        return;
    if (!Language::store(Language::Choice(*chosen))) {
        Dialogs::instance().message(tr("The language could not be kept for the next start."));
        return;
    }
    Dialogs::instance().message(
        tr("The language takes effect the next time Vantrell starts."));
}

void MDIForm1::createToolbar() {
    QToolBar* bar = addToolBar(tr("Toolbar"));
    bar->setObjectName("Toolbar1");
    bar->setMovable(false);
    QAction* newFile = bar->addAction(image("icoFileNew"), tr("New Loan Account"));
    newFile->setObjectName("NewFile");
    newFile->setToolTip(tr("New Loan Account"));
    connect(newFile, &QAction::triggered, this, [this] { toolbarClick("NewFile"); });
    QAction* openFile = bar->addAction(image("icoFileOpen"), tr("Open Loan Account"));
    openFile->setObjectName("OpenFile");
    openFile->setToolTip(tr("Open Loan Account"));
    connect(openFile, &QAction::triggered, this, [this] { toolbarClick("OpenFile"); });
}

void MDIForm1::toolbarClick(const QString& key) {
    if (!m_splashClosed)
        closeSplash();
    if (key == "NewFile")
        newAccount();
    else if (key == "OpenFile")
        openAccount();
}

void MDIForm1::closeSplash() {
    m_splashClosed = true;
    unloadWindow(WindowNames::Splash);
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_area->viewport() && event->type() == QEvent::MouseButtonPress &&
        !m_splashClosed && isLoaded(WindowNames::Splash))
        closeSplash();
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    // Every change is already saved: closing ends the program at once.
    event->accept();
    qApp->quit();
}

FormWindow* MDIForm1::window(const QString& name) {
    return m_registry->window(name);
}

FormWindow* MDIForm1::loadedWindow(const QString& name) const {
    return m_registry->loaded(name);
}

QSize MDIForm1::clientSize() const {
    return m_area->viewport()->size();
}

bool MDIForm1::isLoaded(const QString& name) const {
    return m_registry->isLoaded(name);
}

FormWindow* MDIForm1::showWindow(const QString& name) {
    FormWindow* form = m_registry->window(name);
    if (!form)
        return nullptr;
    QMdiSubWindow* frame = m_registry->frameOf(name);
    form->show();
    frame->show();
    m_registry->placeOnOpening(name);
    m_area->setActiveSubWindow(frame);
    frame->raise();
    return m_registry->loaded(name);
}

void MDIForm1::unloadWindow(const QString& name) {
    m_registry->unload(name);
}

FormWindow* MDIForm1::activeForm() const {
    QMdiSubWindow* frame = m_area->activeSubWindow();
    return frame ? qobject_cast<FormWindow*>(frame->widget()) : nullptr;
}

void MDIForm1::onSubWindowActivated(QMdiSubWindow* frame) {
    if (!frame)
        return;
    auto* form = qobject_cast<FormWindow*>(frame->widget());
    if (form && !form->isUnloaded())
        form->formActivate();
}

void MDIForm1::registerModal(const QString& name, ModalFactory factory) {
    m_modals.insert(name, std::move(factory));
}

void MDIForm1::showModal(const QString& name) {
    const auto it = m_modals.constFind(name);
    if (it == m_modals.cend())
        return;
    // The modal window exists only while it is shown.
    const std::unique_ptr<QDialog> dialog = (*it)(this);
    if (dialog)
        dialog->exec();
}

void MDIForm1::showHelpPage(const QString& page) {
    if (FormWindow* help = window(WindowNames::Help)) {
        // The Help menu stays reachable while the help window is active; showing it then
        // brings no activation, so the new page is loaded here.
        const bool wasActive = activeForm() == help;
        help->setTag(page);
        showWindow(WindowNames::Help);
        if (wasActive)
            help->formActivate();
    }
}

void MDIForm1::setAccountCaption(const QString& path) {
    setWindowTitle(AppTitle + QStringLiteral(" - ") + path);
}

void MDIForm1::closeBeforeDialog() {
    // Before the dialog, the active window and the windows of a report in progress close.
    if (tag(Tag::NewFile).isEmpty())
        return;
    if (FormWindow* active = activeForm())
        unloadWindow(active->objectName());
    for (const QString& name :
         {WindowNames::InterestPeriod, WindowNames::Information, WindowNames::Calculate})
        unloadWindow(name);
}

void MDIForm1::returnToTaskMenu() {
    // Without an account there are no tasks to offer, and the start-up window still offers them.
    if (tag(Tag::NewFile).isEmpty())
        return;
    if (!m_splashClosed)
        closeSplash();
    showWindow(WindowNames::Options);
}

void MDIForm1::enterAccount(const QString& path, const QString& fileState) {
    // No window may go on working on the account that is being left.
    m_registry->unloadAccountWindows();
    QCoreApplication::processEvents();
    // The loan set open is no account's: it stays.
    m_state.clearExcept({Tag::LoanSet});
    setTag(Tag::NewFile, path);
    setTag(Tag::File, fileState);
    setAccountCaption(path);
    // The start-up window goes as its own buttons make it go, and is not shown again.
    if (!m_splashClosed)
        closeSplash();
    showWindow(WindowNames::Options);
}

bool MDIForm1::newAccount() {
    closeBeforeDialog();
    using namespace AccountCommands;
    const std::optional<QString> path =
        Dialogs::instance().chooseFile(newDialog(Place::MainWindow));
    if (!path) {
        returnToTaskMenu();
        return false;
    }
    if (const QString failure = createAccount(*path); !failure.isEmpty()) {
        Dialogs::instance().message(failure);
        return false;
    }
    enterAccount(*path, FileState::New);
    return true;
}

bool MDIForm1::canImportHistory() const {
    return !tag(Tag::NewFile).isEmpty() && !isLoaded(WindowNames::NewStatement) &&
           !isLoaded(WindowNames::ThisSession);
}

void MDIForm1::newAccountFromHistory() {
    if (newAccount())
        statementsFromHistory();
}

void MDIForm1::checkLoanFromBankFile() {
    if (!canImportHistory() && (!newAccount() || !canImportHistory()))
        return;
    setTag(Tag::CheckLoan, FlagState::Yes);
    closeBeforeDialog();
    showModal(WindowNames::HistoryImport);
    // Imported, the rates window is open: it proposes the rates, by name as windows meet. An
    // account that holds history already takes the road up again without a new file.
    FormWindow* rates = loadedWindow(WindowNames::InterestChanges);
    if (!rates && tag(Tag::File) == FileState::Open)
        rates = showWindow(WindowNames::InterestChanges);
    if (rates) {
        QMetaObject::invokeMethod(rates, "proposeOnTheRoad", Qt::QueuedConnection);
        return;
    }
    setTag(Tag::CheckLoan, QString());
    returnToTaskMenu();
}

void MDIForm1::statementsFromHistory() {
    if (!canImportHistory())
        return;
    closeBeforeDialog();
    showModal(WindowNames::HistoryImport);
    // Imported, the rates window is open; otherwise the user goes on from the task menu.
    if (!isLoaded(WindowNames::InterestChanges))
        returnToTaskMenu();
}

void MDIForm1::openAccount() {
    closeBeforeDialog();
    using namespace AccountCommands;
    const std::optional<QString> path =
        Dialogs::instance().chooseFile(openDialog(Place::MainWindow));
    if (!path) {
        returnToTaskMenu();
        return;
    }
    // The file is replaced below: every connection to it must be closed first. The windows of
    // another account stay until the new one is open, so that a failure loses nothing.
    if (sameFile(*path, tag(Tag::NewFile)))
        m_registry->unloadAccountWindows();
    if (const QString failure = compactAccount(*path); !failure.isEmpty()) {
        returnToTaskMenu();
        Dialogs::instance().message(failure);
        return;
    }
    enterAccount(*path, FileState::Open);
}

// A set is no account: the account's windows stay as they are.
void MDIForm1::openLoanSet() {
    const std::optional<QString> path =
        Dialogs::instance().chooseFile(LoanSetCommands::openSetDialog());
    if (!path || !LoanSetCommands::readOrSay(*path))
        return;
    if (!m_splashClosed)
        closeSplash();
    // The set's window of another set goes: the summary's way to the set's window must reach
    // the set just opened.
    if (tag(Tag::LoanSet) != *path)
        unloadWindow(WindowNames::LoanSet);
    if (!LoanSetCommands::showSummary(*this, *path))
        showWindow(WindowNames::LoanSet);
}

void MDIForm1::newLoanSet() {
    const std::optional<QString> path = Dialogs::instance().chooseFile(
        LoanSetCommands::saveSetDialog(ProgramPaths::dataFolder(), QString()));
    if (!path)
        return;
    if (!m_splashClosed)
        closeSplash();
    const QString set = QDir::cleanPath(QFileInfo(*path).absoluteFilePath());
    if (tag(Tag::LoanSet) != set)
        unloadWindow(WindowNames::LoanSet);
    setTag(Tag::LoanSet, set);
    showWindow(WindowNames::LoanSet);
}

void MDIForm1::editLoanSet() {
    if (!tag(Tag::LoanSet).isEmpty())
        showWindow(WindowNames::LoanSet);
}

void MDIForm1::checkSplitLoan() {
    if (!m_splashClosed)
        closeSplash();
    SplitRoad::run(*this);
}
