#include "BusyDialog.h"

#include "Dialogs.h"

#include "import/OfxChild.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

namespace BusyDialog {

std::optional<ReadResult> readOfx(const QByteArray& content, QWidget* parent) {
    OfxChild child;
    QProgressDialog busy(parent);
    busy.setObjectName(QStringLiteral("BusyDialog"));
    busy.setWindowTitle(AppTitle);
    busy.setLabelText(QCoreApplication::translate("BusyDialog", "Reading the OFX file…"));
    auto* cancel = new QPushButton(QCoreApplication::translate("BusyDialog", "Cancel"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    busy.setCancelButton(cancel);
    busy.setRange(0, 0); // no steps to count: a busy indicator
    busy.setWindowModality(Qt::ApplicationModal);
    busy.setAutoClose(false);
    busy.setAutoReset(false);

    QEventLoop loop;
    QObject::connect(&child, &OfxChild::finished, &loop, &QEventLoop::quit);
    QObject::connect(&busy, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    // A statement reads in a blink: no dialog flashes for it.
    QTimer::singleShot(300, &busy, &QWidget::show);
    child.start(content);
    if (child.isRunning())
        loop.exec();
    if (child.isRunning()) {
        child.cancel();
        return std::nullopt;
    }
    return child.result();
}

} // namespace BusyDialog
