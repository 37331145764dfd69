// Every window opens within the main window's client area with each of its buttons in view, in
// a main window of a 1280x800 screen and in the smaller one the windows are laid out for, and
// stays so when another window closes; the bank history's preview of a file whose first row has
// long texts fits the main window, its column pickers eliding them; the summary's headings read
// whole in whatever font the system has. In German, Dutch and French every window fits too, and
// every text a window shows comes through the translation.
#include "report/ComplaintWindow.h"
#include "report/SummaryWindow.h"
#include "report/WorkingWindow.h"
#include "shell/WindowFit.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "statements/HistoryImportWindow.h"
#include "support/Controls.h"
#include "support/RecordsHarness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

// -100,000.00 from 31 December at 7.3 %, the lender's charges of January and February: a
// committed history every window has something to show of.
struct Account : RecordsHarness {
    Account() : RecordsHarness({"2023-12-31 C=-100000", "2024-01-31 I=625", "2024-02-29 I=580"}) {
        main->setTag(Tag::File, "Open");
        main->setTag(Tag::Method, "2");
        // A statement being entered, for the transactions window.
        main->setTag(Tag::Statement, "3");
        main->setTag(Tag::StartDate, "3/1/2024");
        main->setTag(Tag::OpenBalance, "-101205.00");
        main->setTag(Tag::EndDate, "3/31/2024");
        main->setTag(Tag::CloseBalance, "-101205.00");
        sql("insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) "
            "values ('2023-12-31', '2024-12-31', 7.3)");
    }
    // The main window at `size`, laid out before anything opens in it.
    void resizeMain(const QSize& size) {
        main->resize(size);
        QCoreApplication::processEvents();
    }
    FormWindow* loaded(const QString& name) const { return main->registry().loaded(name); }
    // The window by name as the user reaches it: the summary and the working from the report,
    // the complaint from the summary, every other one by name.
    FormWindow* open(const QString& name) {
        if (name == SummaryWindow::Name || name == ComplaintWindow::Name ||
            name == WorkingWindow::Name) {
            FormWindow* report = main->showWindow(WindowNames::Calculate);
            if (!report)
                return nullptr;
            QCoreApplication::processEvents();
            auto* button = report->findChild<QAbstractButton*>(
                name == WorkingWindow::Name ? "cmdWorking" : "cmdSummary");
            if (!button)
                return nullptr;
            button->click();
            QCoreApplication::processEvents();
            if (name == ComplaintWindow::Name) {
                if (!loaded(SummaryWindow::Name))
                    return nullptr;
                control<QAbstractButton>(loaded(SummaryWindow::Name), "complaintButton")->click();
            }
        } else {
            main->showWindow(name);
        }
        QCoreApplication::processEvents();
        return loaded(name);
    }
    QWidget* room() const { return main->mdiArea()->viewport(); }
};

// What can be seen of `w`: its rectangle cut by each of its parents' up to `top`, in `top`'s
// coordinates.
QRect seenPart(const QWidget* w, const QWidget* top) {
    QRect seen(w->mapTo(top, QPoint(0, 0)), w->size());
    for (const QWidget* p = w->parentWidget(); p && p != top; p = p->parentWidget())
        seen &= QRect(p->mapTo(top, QPoint(0, 0)), p->size());
    return seen & top->rect();
}

// The buttons of `window` shown but not whole in view within `top`.
QStringList buttonsOutOfView(const QWidget* window, const QWidget* top) {
    QStringList out;
    for (const QPushButton* b : window->findChildren<QPushButton*>()) {
        if (!b->isVisibleTo(window) || b->size().isEmpty())
            continue;
        const QRect whole(b->mapTo(top, QPoint(0, 0)), b->size());
        if (seenPart(b, top) != whole)
            out << QStringLiteral("%1 \"%2\" at %3,%4 %5x%6")
                       .arg(b->objectName(), b->text())
                       .arg(whole.x())
                       .arg(whole.y())
                       .arg(whole.width())
                       .arg(whole.height());
    }
    return out;
}

// Empty when the window's frame lies within the client area with every button in view.
QString fitProblem(Account& h, const QString& name) {
    const FormWindow* form = h.loaded(name);
    if (!form)
        return name + QStringLiteral(" did not open");
    const QMdiSubWindow* frame = h.main->registry().frameOf(name);
    const QRect room = h.room()->rect();
    if (!room.contains(frame->geometry()))
        return QStringLiteral("%1 at %2,%3 %4x%5, outside the client area %6x%7")
            .arg(name)
            .arg(frame->x())
            .arg(frame->y())
            .arg(frame->width())
            .arg(frame->height())
            .arg(room.width())
            .arg(room.height());
    const QStringList out = buttonsOutOfView(form, h.room());
    return out.isEmpty() ? QString() : name + QStringLiteral(": ") + out.join(QStringLiteral("; "));
}

// Marks every text it is asked for: a text a window shows unmarked never went through the
// translation.
class MarkingTranslator : public QTranslator {
public:
    static constexpr char16_t Open = u'\u27e6', Close = u'\u27e7';
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return source && *source ? Open + QString::fromUtf8(source) + Close : QString();
    }
};

// The texts `window` shows with a word outside every mark: its title, labels, buttons, group
// and tab titles, grid headings, combo box items and placeholders.
QStringList unmarkedTexts(const QWidget* window) {
    // "3: Amount": a column of the bank's file, named by its own header.
    static const QRegularExpression fileColumn(QStringLiteral("^\\d+: .*"));
    QStringList texts = {window->windowTitle()};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        // The layouts' names come with their translations in their own files.
        if (!w->isVisibleTo(window) || w->objectName() == QLatin1String("presetBox"))
            continue;
        if (const auto* l = qobject_cast<const QLabel*>(w))
            texts << l->text();
        else if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            texts << b->text();
        else if (const auto* g = qobject_cast<const QGroupBox*>(w))
            texts << g->title();
        else if (const auto* e = qobject_cast<const QLineEdit*>(w))
            texts << e->placeholderText();
        else if (const auto* c = qobject_cast<const QComboBox*>(w); c && !c->isEditable())
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i).remove(fileColumn);
        else if (const auto* t = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                texts << t->tabText(i);
        else if (const auto* v = qobject_cast<const QTableView*>(w); v && v->model())
            for (int i = 0; i < v->model()->columnCount(); ++i)
                if (!v->isColumnHidden(i))
                    texts << v->model()->headerData(i, Qt::Horizontal).toString();
    }
    // Marked pieces out, then what is left of a word: data (amounts, dates, file names) has none.
    static const QRegularExpression marked(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
    static const QRegularExpression word(QStringLiteral("\\b[A-Za-z][a-z]{2,}\\b"));
    QStringList out;
    for (const QString& text : texts) {
        QString rest = text;
        // Innermost first: a translated text may hold others as its arguments.
        for (qsizetype before = -1; before != rest.size();) {
            before = rest.size();
            rest.remove(marked);
        }
        rest.remove(QRegularExpression(QStringLiteral("\\S*[./\\\\]\\S*"))); // paths, files
        if (rest.contains(word) && !rest.contains(QStringLiteral("Vantrell")))
            out << text;
    }
    out.removeDuplicates();
    return out;
}

QString writeFile(QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        return QString();
    return path;
}

} // namespace

class TestWindowFit : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() {
        QApplication::setFont(m_font);
        QCoreApplication::removeTranslator(&m_catalogue);
        QCoreApplication::removeTranslator(&m_marking);
    }

    void mainWindowOpensToSuitItsScreen_data();
    void mainWindowOpensToSuitItsScreen();
    void everyWindowFits_data();
    void everyWindowFits();
    void everyWindowTranslated_data();
    void everyWindowTranslated();
    void summaryFitsAfterTheComplaintCloses();
    void previewOfLongFirstRowFits();
    void summaryHeadingsWholeInAnyFont_data();
    void summaryHeadingsWholeInAnyFont();

private:
    const QFont m_font = QApplication::font();
    QTranslator m_catalogue;
    MarkingTranslator m_marking;
};

void TestWindowFit::mainWindowOpensToSuitItsScreen_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("opening");
    QTest::newRow("1280x800") << QSize(1280, 800) << QSize(1152, 720);
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QSize(1728, 972);
    QTest::newRow("1024x768") << QSize(1024, 768) << QSize(921, 691);
    QTest::newRow("1000x700: never less than the windows' own size") << QSize(1000, 700)
                                                                       << QSize(900, 650);
    QTest::newRow("smaller still: the whole screen") << QSize(800, 600) << QSize(800, 600);
    QTest::newRow("no screen known") << QSize() << QSize(900, 650);
}

void TestWindowFit::mainWindowOpensToSuitItsScreen() {
    QFETCH(QSize, screen);
    QFETCH(QSize, opening);
    QCOMPARE(WindowFit::mainWindowSize(screen), opening);
}

namespace {
const QStringList& windowNames() {
    static const QStringList names = {WindowNames::Splash,       WindowNames::Options,
                               WindowNames::Help,         WindowNames::AllRecords,
                               WindowNames::Calculate,    SummaryWindow::Name,
                               ComplaintWindow::Name,     WorkingWindow::Name,
                               WindowNames::Method,       WindowNames::InterestPeriod,
                               WindowNames::InterestChanges, WindowNames::Conventions,
                               WindowNames::FindMethod,   WindowNames::Offset,
                               WindowNames::RateTerms,    WindowNames::NewStatement,
                               WindowNames::ThisSession,  WindowNames::Information,
                               WindowNames::RepaymentTerms, WindowNames::LoanSet};
    return names;
}
} // namespace

void TestWindowFit::everyWindowFits_data() {
    QTest::addColumn<QSize>("mainSize");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("language");
    const QSize screen = WindowFit::mainWindowSize(QSize(1280, 800));
    const QList<QPair<const char*, QSize>> sizes = {{"laid out for", QSize(900, 650)},
                                                    {"1280x800 screen", screen}};
    for (const auto& [sizeName, size] : sizes) {
        for (const QString& name : windowNames())
            QTest::addRow("%s: %s", sizeName, qPrintable(name)) << size << name << QString();
    }
    // The translations are longer than the English: each fits the screen as well.
    for (const char* language : {"de", "nl", "fr"}) {
        for (const QString& name : windowNames())
            QTest::addRow("%s, 1280x800 screen: %s", language, qPrintable(name))
                << screen << name << QString::fromLatin1(language);
    }
}

void TestWindowFit::everyWindowFits() {
    QFETCH(QSize, mainSize);
    QFETCH(QString, name);
    QFETCH(QString, language);
    if (!language.isEmpty()) {
        QVERIFY(m_catalogue.load(QStringLiteral("vantrell_") + language,
                                 QStringLiteral(VANTRELL_PROGRAM_DIR "/translations")));
        QCoreApplication::installTranslator(&m_catalogue);
    }
    Account h;
    h.resizeMain(mainSize);
    QVERIFY2(h.open(name), qPrintable(h.dialogs.messageTexts().join(u'\n')));
    const QString problem = fitProblem(h, name);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestWindowFit::everyWindowTranslated_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : windowNames())
        QTest::newRow(qPrintable(name)) << name;
    QTest::newRow("the bank history's preview") << QString();
}

// The window, and every message it gave on the way, speaks through the translation.
void TestWindowFit::everyWindowTranslated() {
    QFETCH(QString, name);
    QCoreApplication::installTranslator(&m_marking);
    Account h;
    h.resizeMain(WindowFit::mainWindowSize(QSize(1280, 800)));
    QTemporaryDir dir;
    std::unique_ptr<HistoryImportWindow> preview;
    const QWidget* window = nullptr;
    if (name.isEmpty()) {
        const QString file = writeFile(dir, "history.csv",
                                       "Date,Description,Amount,Balance\n"
                                       "05/01/2024,Interest charged,-7.50,-907.50\n"
                                       "10/01/2024,Repayment,300.00,-607.50\n");
        preview = HistoryImportWindow::open(file, *h.main, h.main.get());
        window = preview.get();
    } else {
        window = h.open(name);
    }
    QVERIFY(window);
    QStringList unmarked = unmarkedTexts(window);
    for (const QString& message : h.dialogs.messageTexts()) {
        if (!message.contains(MarkingTranslator::Open))
            unmarked << message;
    }
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(u'\n')));
}

// Escape in the complaint brings the summary back in front, laid out again: it stays within the
// area, its buttons in view.
void TestWindowFit::summaryFitsAfterTheComplaintCloses() {
    Account h;
    h.resizeMain(QSize(900, 650));
    FormWindow* complaint = h.open(ComplaintWindow::Name);
    QVERIFY(complaint && complaint->isVisible());
    QTest::keyClick(complaint, Qt::Key_Escape);
    QTRY_VERIFY(!h.main->isLoaded(ComplaintWindow::Name));
    QCoreApplication::processEvents();
    QVERIFY(h.loaded(SummaryWindow::Name));
    const QString problem = fitProblem(h, SummaryWindow::Name);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

// A file without a header line names its columns by the first row's values: long ones are
// elided in the pickers, the whole name in the tooltip, and the preview fits the main window,
// Cancel in view.
void TestWindowFit::previewOfLongFirstRowFits() {
    Account h;
    h.resizeMain(WindowFit::mainWindowSize(QSize(1280, 800)));
    QTemporaryDir dir;
    const QByteArray longRow = "05/01/2024,Transfer from everyday savings account,"
                               "Reference of the lender's annual review,-7.50,-907.50,"
                               "Branch of the lender that booked it,Booked by the lender\n";
    const QString file = writeFile(dir, "long.csv",
                                   longRow + "10/01/2024,Repayment,Ref,300.00,-607.50,B,C\n");
    QVERIFY(!file.isEmpty());
    std::unique_ptr<HistoryImportWindow> preview =
        HistoryImportWindow::open(file, *h.main, h.main.get());
    QVERIFY2(preview, qPrintable(h.dialogs.messageTexts().join(u'\n')));
    preview->show();
    QVERIFY(QTest::qWaitForWindowExposed(preview.get()));

    QVERIFY2(h.main->geometry().contains(preview->geometry()),
             qPrintable(QStringLiteral("%1x%2 over a main window of %3x%4")
                            .arg(preview->width())
                            .arg(preview->height())
                            .arg(h.main->width())
                            .arg(h.main->height())));
    const QStringList out = buttonsOutOfView(preview.get(), preview.get());
    QVERIFY2(out.isEmpty(), qPrintable(out.join(u';')));

    auto* description = control<QComboBox>(preview.get(), "descriptionColumnBox");
    QVERIFY(description);
    const QString whole = description->itemData(3, Qt::ToolTipRole).toString();
    QVERIFY2(whole.startsWith(QStringLiteral("3: Reference of the lender")), qPrintable(whole));
    QVERIFY(description->itemText(3).endsWith(QChar(0x2026)));
    QVERIFY(description->fontMetrics().horizontalAdvance(description->itemText(3)) <
            description->fontMetrics().horizontalAdvance(whole));
    description->setCurrentIndex(3);
    QCOMPARE(description->toolTip(), whole);
    // A short name stays whole.
    auto* date = control<QComboBox>(preview.get(), "dateColumnBox");
    QCOMPARE(date->itemText(1), QStringLiteral("1: 05/01/2024"));
}

void TestWindowFit::summaryHeadingsWholeInAnyFont_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    // Liberation comes with the install step; a monospaced font draws bold no wider than
    // regular, as a system with one face of its font does.
    QTest::newRow("sans, small") << "Liberation Sans" << 8;
    QTest::newRow("sans, large") << "Liberation Sans" << 15;
    QTest::newRow("narrow") << "Liberation Sans Narrow" << 11;
    QTest::newRow("monospaced") << "Liberation Mono" << 10;
    QTest::newRow("monospaced, large") << "Liberation Mono" << 14;
}

void TestWindowFit::summaryHeadingsWholeInAnyFont() {
    QFETCH(QString, family);
    QFETCH(int, points);
    QApplication::setFont(QFont(family, points));
    Account h;
    h.resizeMain(QSize(900, 650));
    FormWindow* summary = h.open(SummaryWindow::Name);
    QVERIFY(summary);
    for (const char* name : {"yearsGrid", "largestGrid"}) {
        auto* grid = control<QTableWidget>(summary, name);
        QVERIFY(grid);
        QHeaderView* header = grid->horizontalHeader();
        for (int c = 0; c < grid->columnCount(); ++c) {
            const QString heading = grid->horizontalHeaderItem(c)->text();
            QVERIFY2(header->fontMetrics().horizontalAdvance(heading) + 8 < header->sectionSize(c),
                     qPrintable(QStringLiteral("%1: %2 in %3").arg(QString::fromLatin1(name), heading).arg(
                         header->sectionSize(c))));
            for (int r = 0; r < grid->rowCount(); ++r)
                QVERIFY2(grid->fontMetrics().horizontalAdvance(grid->item(r, c)->text()) + 4 <=
                             header->sectionSize(c),
                         qPrintable(grid->item(r, c)->text()));
        }
    }
}

QTEST_MAIN(TestWindowFit)
#include "tst_windowfit.moc"
