// The printed summary page shows every text whole: each piece of text painted is measured, in
// the face the system actually gave it, against the cell it is clipped to, so a caption wider
// than its column ("Total of every posting" in the years' table) fails whatever fonts are
// installed.
#include "data/AmountColumns.h"
#include "engine/InterestSummary.h"
#include "render/ReportTable.h"
#include "render/SummaryPage.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTest>

namespace {

// Records each piece of text painted, where it runs and the clip it is painted under.
class TextRecorder : public QPaintEngine {
public:
    struct Text {
        QString text;
        double left = 0;
        double right = 0;
        QRectF clip; // null when unclipped
    };
    QVector<Text> texts;

    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QTransform& t = painter()->transform();
        const QRectF clip = painter()->hasClipping() ? painter()->clipBoundingRect() : QRectF();
        texts.append({item.text(), t.map(p).x(), t.map(QPointF(p.x() + item.width(), p.y())).x(),
                      clip.isNull() ? clip : t.mapRect(clip)});
    }
    Type type() const override { return QPaintEngine::User; }
};

// A page whose unit is the twip, as the printed report's.
class Page : public QPaintDevice {
public:
    mutable TextRecorder engine;
    QPaintEngine* paintEngine() const override { return &engine; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return 11906;
        case PdmHeight:
            return 16838;
        case PdmWidthMM:
            return 210;
        case PdmHeightMM:
            return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 1440;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }
};

// A posting at the end of every month for `years` years from 2001, each charged 1.25 more than
// due; the first `incomplete` of them cannot be compared.
QVector<ReportLine> lines(int years, int incomplete) {
    QVector<ReportLine> out;
    for (int month = 0; month < years * 12; ++month) {
        const QDate date = QDate(2001, 1, 1).addMonths(month + 1).addDays(-1);
        ReportLine posting;
        posting.kind = ReportLine::Kind::Interest;
        posting.date = date;
        posting.interestDue = Money::parse(QStringLiteral("123456.78"));
        if (month < incomplete)
            posting.incomplete = ReportLine::Incomplete::PartPeriod;
        ReportLine charge;
        charge.date = date;
        charge.amounts.fill(Money());
        charge.amounts[AmountColumn::InterestPayment] = Money::parse(QStringLiteral("123458.03"));
        out << posting << charge;
    }
    return out;
}

} // namespace

class TestSummaryPage : public QObject {
    Q_OBJECT

private slots:
    void textsAreWhole_data() {
        QTest::addColumn<int>("years");
        QTest::addColumn<int>("incomplete");
        QTest::addColumn<double>("height"); // the page's printable height in twips
        QTest::addColumn<QString>("caption");
        QTest::newRow("every posting compared") << 3 << 0 << 14800.0 << "Total";
        QTest::newRow("a posting not compared") << 3 << 1 << 14800.0 << "Total of every posting";
        QTest::newRow("in two blocks") << 24 << 2 << 14800.0 << "Total compared";
        QTest::newRow("on a short page") << 30 << 2 << 11000.0 << "Total of every posting";
    }
    void textsAreWhole() {
        QFETCH(int, years);
        QFETCH(int, incomplete);
        QFETCH(double, height);
        QFETCH(QString, caption);
        const QVector<ReportLine> report = lines(years, incomplete);
        QVector<ReportTableRow> rows;
        for (const ReportLine& line : report)
            rows << ReportTable::rowFor(line);
        Page page;
        QPainter painter(&page);
        SummaryPage::paint(painter, QSizeF(9071, height), QStringLiteral("/home/a/HomeLoan1.mdb"),
                           rows, InterestSummary::incompletePostings(report));
        painter.end();

        bool captionShown = false;
        for (const TextRecorder::Text& t : std::as_const(page.engine.texts)) {
            captionShown = captionShown || t.text == caption;
            if (t.clip.isNull())
                continue;
            QVERIFY2(t.left >= t.clip.left() - 0.5 && t.right <= t.clip.right() + 0.5,
                     qPrintable(QStringLiteral("'%1' runs from %2 to %3, its cell from %4 to %5")
                                    .arg(t.text)
                                    .arg(t.left)
                                    .arg(t.right)
                                    .arg(t.clip.left())
                                    .arg(t.clip.right())));
        }
        QVERIFY2(captionShown, qPrintable(caption));
    }
};

QTEST_MAIN(TestSummaryPage)
#include "tst_summarypage.moc"
