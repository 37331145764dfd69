#include "rptReport.h"

#include "shell/Dialogs.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

void rptReport::setUpPrinter(QPrinter& printer) const {
    printer.setDocName(QCoreApplication::translate("PrintedReport", PrintedReport::Caption));
    printer.setCreator(AppTitle);
    // A4, unless the default printer has paper of its own.
    QPageSize paper(QPageSize::A4);
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull() && defaultPrinter.defaultPageSize().isValid())
        paper = defaultPrinter.defaultPageSize();
    printer.setPageLayout(PrintedReport::pageLayout(paper, m_content.offsetColumn));
}

void rptReport::Show() {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    const PrintedReport::Content& content = m_content;
    Dialogs::instance().preview(printer, [&content](QPagedPaintDevice& device, QString* e) {
        return PrintedReport::paint(device, content, e);
    });
}

bool rptReport::PrintReport(QString* error) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    // The whole report: the dialog offers no page range that the printing would not honour.
    printer.setPrintRange(QPrinter::AllPages);
    if (!Dialogs::instance().print(printer, PrintFlags::NoPageNums))
        return true;
    return PrintedReport::paint(printer, m_content, error);
}
