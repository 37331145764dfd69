#include "frmSplash.h"

#include "AccountCommands.h"
#include "MDIForm1.h"
#include "WindowRegistry.h"
#include "Windows.h"
#include "data/ProgramPaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace AccountCommands;

frmSplash::frmSplash(MDIForm1& main) : FormWindow(main, WindowNames::Splash), m_frame(main) {
    setWindowTitle(AppTitle);
    auto* picture = new QLabel(this);
    picture->setObjectName("imgLogo");
    picture->setPixmap(style()->standardIcon(QStyle::SP_FileDialogInfoView).pixmap(48, 48));
    auto* title = new QLabel(QStringLiteral("<h2>%1</h2>").arg(AppTitle), this);
    title->setObjectName("lblTitle");
    auto* text = new QLabel(tr("Check the interest your lender charged on your home loan.\n"
                               "Start a new loan account, or open one you have saved."),
                            this);
    text->setObjectName("lblText");
    text->setWordWrap(true);

    m_cmdNew = new QPushButton(tr("New Loan Account"), this);
    m_cmdNew->setObjectName("cmdNew");
    m_cmdOpen = new QPushButton(tr("Open Loan Account"), this);
    m_cmdOpen->setObjectName("cmdOpen");
    // The way in for a borrower who has only the bank's export.
    checkLoanButton = new QPushButton(tr("Check a Loan from the Bank's File…"), this);
    checkLoanButton->setObjectName("checkLoanButton");
    connect(checkLoanButton, &QPushButton::clicked, this, [this] {
        MDIForm1& frame = m_frame;
        unload();
        frame.checkLoanFromBankFile();
    });
    // A loan split into parts: each part's export.
    splitLoanButton = new QPushButton(tr("Check a Split Loan…"), this);
    splitLoanButton->setObjectName("splitLoanButton");
    connect(splitLoanButton, &QPushButton::clicked, this, [this] {
        MDIForm1& frame = m_frame;
        unload();
        frame.checkSplitLoan();
    });
    m_cmdTutorial = new QPushButton(tr("Getting Started"), this);
    m_cmdTutorial->setObjectName("cmdTutorial");
    connect(m_cmdNew, &QPushButton::clicked, this, &frmSplash::cmdNew_Click);
    connect(m_cmdOpen, &QPushButton::clicked, this, &frmSplash::cmdOpen_Click);
    connect(m_cmdTutorial, &QPushButton::clicked, this, &frmSplash::cmdTutorial_Click);
    for (QPushButton* b : {m_cmdNew, m_cmdOpen, checkLoanButton, splitLoanButton, m_cmdTutorial})
        b->installEventFilter(this);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    auto* words = new QVBoxLayout;
    words->addWidget(title);
    words->addWidget(text);
    top->addLayout(words, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdNew);
    buttons->addWidget(m_cmdOpen);
    buttons->addWidget(checkLoanButton);
    buttons->addWidget(splitLoanButton);
    buttons->addWidget(m_cmdTutorial);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    setFocusPolicy(Qt::StrongFocus);

    m_area = m_frame.mdiArea();
    m_area->installEventFilter(this);

    // A scratch file left behind by an earlier run would make the next Open fail.
    QFile::remove(ProgramPaths::scratchFile());
}

void frmSplash::showEvent(QShowEvent* event) {
    FormWindow::showEvent(event);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->setWindowFlags(Qt::FramelessWindowHint);
        frame->adjustSize();
    }
    centre();
    m_cmdNew->setFocus();
}

void frmSplash::centre() {
    QWidget* frame = parentWidget();
    if (!frame)
        return;
    const QSize client = m_frame.mdiArea()->viewport()->size();
    frame->move((client.width() - frame->width()) / 2, (client.height() - frame->height()) / 2);
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_area && event->type() == QEvent::Resize) {
        centre();
    } else if (event->type() == QEvent::KeyPress) {
        // Keys that work a button keep working; any other key closes the window.
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            break;
        default:
            unload();
            return true;
        }
    }
    return FormWindow::eventFilter(watched, event);
}

void frmSplash::mousePressEvent(QMouseEvent*) {
    unload();
}

void frmSplash::keyPressEvent(QKeyEvent*) {
    unload();
}

void frmSplash::dialogCancelled() {
    // With an account already current the main window shows it; otherwise stay to be chosen.
    if (!m_main.tag(Tag::NewFile).isEmpty())
        unload();
}

void frmSplash::handOver() {
    unload();
    m_main.showWindow(WindowNames::Options);
}

void frmSplash::cmdNew_Click() {
    const std::optional<QString> path = Dialogs::instance().chooseFile(newDialog(Place::StartUp));
    if (!path) {
        dialogCancelled();
        return;
    }
    if (const QString failure = createAccount(*path); !failure.isEmpty()) {
        Dialogs::instance().message(failure);
        return;
    }
    QCoreApplication::processEvents();
    m_main.setTag(Tag::NewFile, *path);
    m_main.setTag(Tag::File, FileState::New);
    m_main.setAccountCaption(*path);
    handOver();
}

void frmSplash::cmdOpen_Click() {
    const std::optional<QString> path = Dialogs::instance().chooseFile(openDialog(Place::StartUp));
    if (!path) {
        dialogCancelled();
        return;
    }
    // The file is replaced below: no window may keep a connection to it. A failure leaves the
    // caption and the workflow state as they were, so the chosen file never passes for the
    // account.
    if (sameFile(*path, m_main.tag(Tag::NewFile)))
        m_frame.registry().unloadAccountWindows();
    if (const QString failure = compactAccount(*path); !failure.isEmpty()) {
        Dialogs::instance().message(failure);
        return;
    }
    QCoreApplication::processEvents();
    m_frame.registry().unloadAccountWindows();
    m_main.setTag(Tag::NewFile, *path);
    m_main.setTag(Tag::File, FileState::Open);
    m_main.setAccountCaption(*path);
    handOver();
}

void frmSplash::cmdTutorial_Click() {
    unload();
    m_main.showHelpPage(QStringLiteral("1"));
}
