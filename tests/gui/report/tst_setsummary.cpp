// The Loan Set Summary over a split loan of two parts (and a third whose account is missing):
// each part in the parts grid, the years' totals the sum of the parts' cells, the copied text
// the core's, the printed pages, a part's own summary, the set's letter, and a file that is not
// a set.
#include "report/SetSummaryWindow.h"
#include "report/SummaryWindow.h"
#include "shell/WindowRegistry.h"
#include "support/Controls.h"
#include "support/RecordsHarness.h"
#include "support/SplitLoan.h"

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

SetSummaryWindow* opened(RecordsHarness& h, const QString& setPath) {
    auto* w = h.show<SetSummaryWindow>(SetSummaryWindow::Name);
    if (w)
        w->showSet(setPath);
    return w;
}

Money cell(QTableWidget* grid, int row, int column) {
    const QString text = grid->item(row, column)->text().remove(u',');
    return text.isEmpty() ? Money() : Money::parse(text).value_or(Money::fromRaw(-1));
}

} // namespace

class TestSetSummary : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void twoParts_data() {
        QTest::addColumn<bool>("missing");
        QTest::newRow("two parts") << false;
        QTest::newRow("a third part missing") << true;
    }

    void twoParts() {
        QFETCH(bool, missing);
        RecordsHarness h;
        SetSummaryWindow* w = opened(h, SplitLoan::homeLoan(h.fixture, missing));
        QVERIFY(w && w->result());
        const SetCheck::Result& r = *w->result();
        QCOMPARE(control<QLabel>(w, "nameLabel")->text(), QString("Home loan"));
        QCOMPARE(control<QLabel>(w, "verdictLabel")->text(), SetCheck::verdict(r));
        QVERIFY(control<QLabel>(w, "offsetsLabel")->text().contains("linked to \"Fixed 3 years\""));

        auto* parts = control<QTableWidget>(w, "partsGrid");
        QCOMPARE(parts->rowCount(), missing ? 3 : 2);
        QCOMPARE(parts->item(0, 0)->text(), QString("Variable"));
        QCOMPARE(parts->item(1, 0)->text(), QString("Fixed 3 years"));
        QCOMPARE(parts->item(0, 1)->text(), r.parts[0].verdict);
        QCOMPARE(parts->item(0, 5)->text(), QString("246.57")); // the offset's benefit
        if (missing) {
            QVERIFY2(parts->item(2, 1)->text().contains("missing"),
                     qPrintable(parts->item(2, 1)->text()));
            QCOMPARE(parts->item(2, 2)->text(), QString());
        }

        // Year, the two parts checked, Total; each row's total the sum of its parts'.
        auto* years = control<QTableWidget>(w, "yearsGrid");
        QCOMPARE(years->columnCount(), 4);
        QCOMPARE(years->rowCount(), int(r.years.size()) + 1);
        for (int row = 0; row < years->rowCount(); ++row)
            QCOMPARE(cell(years, row, 3), *Money::add(cell(years, row, 1), cell(years, row, 2)));
        QCOMPARE(years->item(years->rowCount() - 1, 3)->text(), QString("41.09"));
        QCOMPARE(balancesSeries(w), 2);

        control<QPushButton>(w, "copyButton")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), SetCheck::text(r));
    }

    // The printed pages are the set's text; Show Part opens the part's own summary.
    void printAndShowPart() {
        RecordsHarness h;
        SetSummaryWindow* w = opened(h, SplitLoan::homeLoan(h.fixture, false));
        QVERIFY(w && w->result());
        control<QPushButton>(w, "printButton")->click();
        QCOMPARE(h.dialogs.previews.size(), 1);
        QVERIFY2(h.dialogs.previews[0].painted, qPrintable(h.dialogs.previews[0].error));

        control<QTableWidget>(w, "partsGrid")->setCurrentCell(1, 0);
        control<QPushButton>(w, "showPartButton")->click();
        auto* summary =
            dynamic_cast<SummaryWindow*>(h.main->registry().loaded(SummaryWindow::Name));
        QVERIFY(summary && summary->summary());
        QCOMPARE(summary->summary()->due, w->result()->parts[1].summary->due);
        // The letter is the open account's, not the part's.
        QVERIFY(control<QPushButton>(summary, "complaintButton")->isHidden());
    }

    // One letter and one evidence pack for the set, where the borrower chose.
    void complaint() {
        RecordsHarness h;
        SetSummaryWindow* w = opened(h, SplitLoan::homeLoan(h.fixture, true));
        QVERIFY(w && w->result());
        const QString letter = h.fixture.path("letter.odt");
        const QString evidence = h.fixture.path("evidence.pdf");
        h.dialogs.files.enqueue(letter);
        h.dialogs.files.enqueue(evidence);
        control<QPushButton>(w, "complaintButton")->click();
        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY2(h.dialogs.messages[0].text.startsWith("The letter is in " + letter),
                 qPrintable(h.dialogs.messages[0].text));
        QVERIFY(QFileInfo(letter).size() > 0);
        QVERIFY(QFileInfo(evidence).size() > 0);
    }

    void notASet() {
        RecordsHarness h;
        const QString path = h.fixture.path("Notes.vloan");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("parts: a, b");
        file.close();
        SetSummaryWindow* w = opened(h, path);
        QVERIFY(w);
        QVERIFY(!w->result());
        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY(h.dialogs.messages[0].text.startsWith("The loan set 'Notes.vloan' cannot be read"));
        QCOMPARE(control<QTableWidget>(w, "partsGrid")->rowCount(), 0);
        QVERIFY(!control<QPushButton>(w, "copyButton")->isEnabled());
    }

private:
    static int balancesSeries(QWidget* w) {
        return int(control<QChartView>(w, "balancesChart")->chart()->series().size());
    }
};

QTEST_MAIN(TestSetSummary)
#include "tst_setsummary.moc"
