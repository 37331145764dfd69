#include "frmHelp.h"

#include "Dialogs.h"
#include "MDIForm1.h"
#include "Windows.h"
#include "data/ProgramPaths.h"
#include "help/RtfReader.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
// The page number as the tag holds it: 1 to 3, 0 for anything else.
int pageOf(const QString& tag) {
    if (tag == QLatin1String("1"))
        return 1;
    if (tag == QLatin1String("2"))
        return 2;
    if (tag == QLatin1String("3"))
        return 3;
    return 0;
}
} // namespace

frmHelp::frmHelp(MDIForm1& main) : FormWindow(main, WindowNames::Help), m_frame(main) {
    setWindowTitle(tr("Vantrell Help"));

    m_rtfData = new QTextEdit(this);
    m_rtfData->setObjectName("rtfData");
    m_rtfData->setReadOnly(true);
    // Read-only, but the reader can still select with mouse or keys, to print a part.
    m_rtfData->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_rtfData->setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_rtfData);
    resize(640, 480);

    m_mnuPrint = new QAction(tr("&Print"), this);
    m_mnuPrint->setObjectName("mnuPrint");
    m_mnuBack = new QAction(tr("<<&Back"), this);
    m_mnuBack->setObjectName("mnuBack");
    m_mnuNext = new QAction(tr("&Next>>"), this);
    m_mnuNext->setObjectName("mnuNext");
    connect(m_mnuPrint, &QAction::triggered, this, &frmHelp::mnuPrint_Click);
    connect(m_mnuBack, &QAction::triggered, this, &frmHelp::mnuBack_Click);
    connect(m_mnuNext, &QAction::triggered, this, &frmHelp::mnuNext_Click);

    connect(m_frame.mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* frame) {
        // nullptr only means the whole program lost the focus: the menu stays.
        if (frame && frame != parentWidget())
            hideMenu();
    });
}

void frmHelp::formActivate() {
    showMenu();
    if (tag().isEmpty())
        setTag(QStringLiteral("1"));
    switch (pageOf(tag())) {
    case 1:
        setPaging(false, true);
        loadPage(1);
        break;
    case 2:
        setPaging(true, true);
        loadPage(2);
        break;
    case 3:
        setPaging(true, false);
        loadPage(3);
        break;
    default:
        break; // a page the viewer does not know changes nothing
    }
}

void frmHelp::formUnload() {
    hideMenu();
}

void frmHelp::showMenu() {
    QMenuBar* bar = m_frame.menuBar();
    for (QAction* action : {m_mnuPrint, m_mnuBack, m_mnuNext}) {
        if (!bar->actions().contains(action))
            bar->addAction(action);
    }
}

void frmHelp::hideMenu() {
    QMenuBar* bar = m_frame.menuBar();
    for (QAction* action : {m_mnuPrint, m_mnuBack, m_mnuNext})
        bar->removeAction(action);
}

void frmHelp::setPaging(bool back, bool next) {
    m_mnuBack->setEnabled(back);
    m_mnuNext->setEnabled(next);
}

void frmHelp::loadPage(int page) {
    // A missing or unreadable page leaves the viewer showing what it showed.
    if (RtfReader::readFile(ProgramPaths::helpPage(page), m_rtfData->document()))
        m_rtfData->moveCursor(QTextCursor::Start);
}

// Back and Next act only from the pages they are enabled on, so the tag stays "1" to "3".

void frmHelp::mnuNext_Click() {
    switch (pageOf(tag())) {
    case 1:
        setPaging(true, true);
        loadPage(2);
        setTag(QStringLiteral("2"));
        break;
    case 2:
        setPaging(true, false);
        loadPage(3);
        setTag(QStringLiteral("3"));
        break;
    default:
        break;
    }
}

void frmHelp::mnuBack_Click() {
    switch (pageOf(tag())) {
    case 2:
        setPaging(false, true);
        loadPage(1);
        setTag(QStringLiteral("1"));
        break;
    case 3:
        setPaging(true, true);
        loadPage(2);
        setTag(QStringLiteral("2"));
        break;
    default:
        break;
    }
}

void frmHelp::mnuPrint_Click() {
    const QTextCursor cursor = m_rtfData->textCursor();
    const bool selection = cursor.hasSelection();
    int flags = PrintFlags::ReturnDC | PrintFlags::NoPageNums;
    if (selection)
        flags |= PrintFlags::Selection;

    QPrinter printer(QPrinter::HighResolution);
    if (!Dialogs::instance().print(printer, flags))
        return; // cancelled: nothing printed, nothing said

    // With a selection only the selection is printed, whatever range the dialog offered.
    if (selection) {
        QTextDocument part;
        part.setDefaultFont(m_rtfData->document()->defaultFont());
        QTextCursor(&part).insertFragment(cursor.selection());
        m_printedText = part.toPlainText();
        part.print(&printer);
    } else {
        m_printedText = m_rtfData->document()->toPlainText();
        m_rtfData->document()->print(&printer);
    }
}
