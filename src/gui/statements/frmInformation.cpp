#include "frmInformation.h"

#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Twips to pixels at the 96 dpi the layout was drawn for.
constexpr int TwipsPerPixel = 15;
// The first box when it holds the whole notice.
constexpr int LongInformationHeight = 2295 / TwipsPerPixel;

QPlainTextEdit* noticeBox(const char* name, const QString& text, QWidget* parent) {
    auto* box = new QPlainTextEdit(text, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFrameShape(QFrame::NoFrame);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The three boxes read as one notice on the panel.
    box->viewport()->setAutoFillBackground(false);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}
} // namespace

frmInformation::frmInformation(WindowHost& main) : FormWindow(main, WindowNames::Information) {
    setWindowTitle(tr("Missing Statement"));

    // Frame1 is placed by hand, centred in the window.
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    auto* layout = new QVBoxLayout(Frame1);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(0);
    //: The notice reads in three boxes: this, the statement's number, then "has not been entered…".
    txtInformation = noticeBox("txtInformation", tr("Statement Number\n"), Frame1);
    txtData = noticeBox("txtData", QString(), Frame1);
    txtInfo2 = noticeBox("txtInfo2",
                         //: Follows "Statement Number" and the statement's number.
                         tr("has not been entered. Calculated Interest Due for this "
                            "period will not be \naccurate.\n"),
                         Frame1);
    m_lineHeight = txtInformation->fontMetrics().lineSpacing() +
                   2 * int(txtInformation->document()->documentMargin()) + 2;
    txtInformation->setFixedHeight(m_lineHeight);
    txtData->setFixedHeight(m_lineHeight);
    txtInfo2->setFixedHeight(3 * txtInformation->fontMetrics().lineSpacing() + m_lineHeight);
    layout->addWidget(txtInformation);
    layout->addWidget(txtData);
    layout->addWidget(txtInfo2);
    layout->addSpacing(12);

    auto* buttons = new QHBoxLayout;
    cmdIgnore = new QPushButton(tr("Ignore"), Frame1);
    cmdIgnore->setObjectName("cmdIgnore");
    cmdEnter = new QPushButton(tr("Enter Statement"), Frame1);
    cmdEnter->setObjectName("cmdEnter");
    // The focused button takes the Enter key.
    for (QPushButton* b : {cmdIgnore, cmdEnter})
        b->setAutoDefault(true);
    buttons->addWidget(cmdIgnore);
    buttons->addStretch(1);
    buttons->addWidget(cmdEnter);
    layout->addLayout(buttons);
    Frame1->setFixedWidth(480);
    Frame1->adjustSize();

    connect(cmdEnter, &QPushButton::clicked, this, &frmInformation::cmdEnter_Click);
    connect(cmdIgnore, &QPushButton::clicked, this, &frmInformation::cmdIgnore_Click);
}

void frmInformation::setNotice(const MissingStatementNotice& notice) {
    txtInformation->setPlainText(notice.information);
    txtData->setPlainText(notice.data);
    txtInfo2->setPlainText(notice.info2);
    // The single long message fills the first box.
    txtInformation->setFixedHeight(notice.data.isEmpty() ? LongInformationHeight : m_lineHeight);
    Frame1->adjustSize();
    centreInParent(Frame1);
}

void frmInformation::formActivate() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()); frame && !frame->isMaximized())
        frame->showMaximized();
    Frame1->hide();
    centreInParent(Frame1);
    cmdEnter->setVisible(true);
    cmdIgnore->setVisible(true);
    Frame1->show();
    // Pressing Enter goes on to the report.
    cmdIgnore->setFocus();
}

void frmInformation::resizeEvent(QResizeEvent* event) {
    FormWindow::resizeEvent(event);
    centreInParent(Frame1);
}

void frmInformation::leave() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        // Being maximised is this window's own affair; the area would pass it on to the next.
        frame->showNormal();
        frame->hide();
    }
}

void frmInformation::cmdEnter_Click() {
    WindowHost& main = m_main;
    leave();
    // The report in preparation goes, and statement entry starts afresh with new defaults.
    main.unloadWindow(WindowNames::Calculate);
    main.unloadWindow(WindowNames::NewStatement);
    main.showWindow(WindowNames::NewStatement);
    unload();
}

void frmInformation::cmdIgnore_Click() {
    WindowHost& main = m_main;
    leave();
    if (main.isLoaded(WindowNames::Calculate)) {
        if (FormWindow* report = main.showWindow(WindowNames::Calculate)) {
            if (auto* grid = report->findChild<QWidget*>("MSFlexGrid1"))
                grid->show();
        }
    }
    unload();
}
