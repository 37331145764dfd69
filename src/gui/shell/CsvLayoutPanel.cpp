#include "CsvLayoutPanel.h"

#include "Captions.h"
#include "Dialogs.h"
#include "data/Language.h"
#include "import/ImportSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Each delimiter with its name, translated where the list is filled.
const QList<QPair<QChar, const char*>>& delimiters() {
    static const QList<QPair<QChar, const char*>> list = {
        //: The delimiter of a CSV file's fields: the comma character
        {u',', QT_TRANSLATE_NOOP("CsvLayoutPanel", "Comma")},
        {u';', QT_TRANSLATE_NOOP("CsvLayoutPanel", "Semicolon")},
        //: The tab character
        {u'\t', QT_TRANSLATE_NOOP("CsvLayoutPanel", "Tab")},
        {u'|', QT_TRANSLATE_NOOP("CsvLayoutPanel", "Pipe")}};
    return list;
}

// The widest a column picker grows, in average characters.
constexpr int PickerChars = 18;

} // namespace

CsvLayoutPanel::CsvLayoutPanel(ImportSession& session, Shape shape, QWidget* parent)
    : QWidget(parent), m_session(session) {
    if (shape == Shape::Full)
        createFull();
    else
        createCompact();
    layout()->setContentsMargins(0, 0, 0, 0);

    const bool csv = session.format() == StatementFormat::Csv;
    // OFX dates have one reading.
    const bool dates = session.format() != StatementFormat::Ofx;
    if (shape == Shape::Full) {
        layoutGroup->setEnabled(csv);
        layoutGroup->setVisible(csv);
        dateOrderCombo->setEnabled(dates);
    } else {
        presetLabel->setVisible(csv);
        presetCombo->setVisible(csv);
        dateOrderLabel->setVisible(dates);
        dateOrderCombo->setVisible(dates);
    }

    connect(presetCombo, &QComboBox::activated, this, &CsvLayoutPanel::choosePreset);
    for (QComboBox* box :
         {delimiterCombo, decimalCombo, amountsCombo, dateColumnCombo, descriptionColumnCombo,
          amountColumnCombo, debitColumnCombo, creditColumnCombo, balanceColumnCombo,
          signColumnCombo, dateOrderCombo}) {
        if (box)
            connect(box, &QComboBox::currentIndexChanged, this, &CsvLayoutPanel::edited);
    }
    if (skipSpin)
        connect(skipSpin, &QSpinBox::valueChanged, this, &CsvLayoutPanel::edited);
    for (QCheckBox* box : {headerCheck, flipCheck}) {
        if (box)
            connect(box, &QCheckBox::toggled, this, &CsvLayoutPanel::edited);
    }
}

void CsvLayoutPanel::hideSign() {
    if (flipCheck)
        flipCheck->hide();
}

void CsvLayoutPanel::createFull() {
    auto* root = new QVBoxLayout(this);
    // The CSV layout: every choice the file's reading depends on.
    layoutGroup = new QGroupBox(tr("CSV layout"));
    layoutGroup->setObjectName(QStringLiteral("layoutGroup"));
    auto* grid = new QGridLayout(layoutGroup);
    int cell = 0;
    auto place = [&](const QString& caption, QWidget* input, const QString& name) {
        grid->addWidget(captionFor(caption, input, name), cell / 4, (cell % 4) * 2);
        grid->addWidget(input, cell / 4, (cell % 4) * 2 + 1);
        ++cell;
    };
    presetCombo = new QComboBox;
    place(tr("&Layout:"), presetCombo, QStringLiteral("presetBox"));
    delimiterCombo = new QComboBox;
    for (const auto& [c, name] : delimiters())
        delimiterCombo->addItem(tr(name), QVariant(c));
    place(tr("&Delimiter:"), delimiterCombo, QStringLiteral("delimiterBox"));
    skipSpin = new QSpinBox;
    skipSpin->setRange(0, 1000);
    place(tr("Lines to &skip:"), skipSpin, QStringLiteral("skipSpin"));
    decimalCombo = new QComboBox;
    decimalCombo->addItem(tr("Point (1,234.56)"), QVariant(QChar(u'.')));
    decimalCombo->addItem(tr("Comma (1.234,56)"), QVariant(QChar(u',')));
    place(tr("Decimal poi&nt:"), decimalCombo, QStringLiteral("decimalBox"));
    amountsCombo = new QComboBox;
    amountsCombo->addItem(tr("One signed column"));
    amountsCombo->addItem(tr("Debit and credit columns"));
    place(tr("&Amounts:"), amountsCombo, QStringLiteral("amountsBox"));
    // Each column a list of the file's columns, filled once the file's layout is known. A
    // picker is as wide as its longest column name, never narrower, up to a width past which
    // a name is elided (a file without a header line names its columns by the first row's
    // values, which may be long); its tooltip says the whole name.
    auto picker = [&](const QString& caption, const QString& name) {
        auto* box = new QComboBox;
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        box->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        connect(box, &QComboBox::currentIndexChanged, box, [box](int index) {
            box->setToolTip(box->itemData(index, Qt::ToolTipRole).toString());
        });
        place(caption, box, name);
        return box;
    };
    dateColumnCombo = picker(tr("Da&te column:"), QStringLiteral("dateColumnBox"));
    descriptionColumnCombo =
        picker(tr("Descri&ption column:"), QStringLiteral("descriptionColumnBox"));
    amountColumnCombo = picker(tr("A&mount column:"), QStringLiteral("amountColumnBox"));
    debitColumnCombo = picker(tr("De&bit column:"), QStringLiteral("debitColumnBox"));
    creditColumnCombo = picker(tr("C&redit column:"), QStringLiteral("creditColumnBox"));
    balanceColumnCombo = picker(tr("Balan&ce column:"), QStringLiteral("balanceColumnBox"));
    signColumnCombo = picker(tr("Si&gn column:"), QStringLiteral("signColumnBox"));
    headerCheck = new QCheckBox(tr("&Header row"));
    headerCheck->setObjectName(QStringLiteral("headerCheck"));
    grid->addWidget(headerCheck, cell / 4, (cell % 4) * 2 + 1);
    root->addWidget(layoutGroup);

    // What every format shares: the date order and the sign. "&Delimiter:" has the D.
    auto* common = new QHBoxLayout;
    dateOrderLabel =
        captionFor(tr("Date &order:"), createDateOrderCombo(), QStringLiteral("dateOrderBox"));
    flipCheck = new QCheckBox(tr("&Flip the sign"));
    flipCheck->setObjectName(QStringLiteral("flipCheck"));
    common->addWidget(dateOrderLabel);
    common->addWidget(dateOrderCombo);
    common->addWidget(flipCheck);
    common->addStretch();
    root->addLayout(common);
}

void CsvLayoutPanel::createCompact() {
    auto* row = new QHBoxLayout(this);
    presetCombo = new QComboBox;
    presetLabel = captionFor(tr("&Layout:"), presetCombo, QStringLiteral("presetBox"));
    dateOrderLabel =
        captionFor(tr("&Date order:"), createDateOrderCombo(), QStringLiteral("dateOrderBox"));
    row->addWidget(presetLabel);
    row->addWidget(presetCombo, 1);
    row->addWidget(dateOrderLabel);
    row->addWidget(dateOrderCombo);
}

QComboBox* CsvLayoutPanel::createDateOrderCombo() {
    dateOrderCombo = new QComboBox;
    dateOrderCombo->addItem(tr("Day first (31/01/2024)"));
    dateOrderCombo->addItem(tr("Month first (01/31/2024)"));
    return dateOrderCombo;
}

void CsvLayoutPanel::fillColumnLists() {
    const QStringList names = m_session.columnNames();
    const CsvLayout& layout = m_session.layout();
    const QList<QPair<QComboBox*, int>> lists = {{dateColumnCombo, layout.dateColumn},
                                                 {descriptionColumnCombo, layout.descriptionColumn},
                                                 {amountColumnCombo, layout.amountColumn},
                                                 {debitColumnCombo, layout.debitColumn},
                                                 {creditColumnCombo, layout.creditColumn},
                                                 {balanceColumnCombo, layout.balanceColumn},
                                                 {signColumnCombo, layout.signColumn}};
    for (const auto& [box, column] : lists) {
        const QFontMetrics metrics = box->fontMetrics();
        const int widest = metrics.averageCharWidth() * PickerChars;
        QComboBox* const picker = box; // a lambda may not capture a structured binding
        const auto add = [picker, &metrics, widest](const QString& text, int data) {
            picker->addItem(metrics.elidedText(text, Qt::ElideRight, widest), data);
            picker->setItemData(picker->count() - 1, text, Qt::ToolTipRole);
        };
        box->clear();
        add(tr("(none)"), -1);
        for (int c = 0; c < names.size(); ++c)
            add(names[c], c);
        // A column the file does not have (a remembered layout) is kept and shown by number.
        if (column >= names.size())
            add(QStringLiteral("%1:").arg(column + 1), column);
        box->setCurrentIndex(std::max(0, box->findData(column)));
        box->setToolTip(box->itemData(box->currentIndex(), Qt::ToolTipRole).toString());
    }
}

void CsvLayoutPanel::showLayout() {
    m_showing = true;
    const CsvLayout& layout = m_session.layout();
    if (m_session.format() == StatementFormat::Csv) {
        presetCombo->clear();
        presetCombo->addItem(tr("As detected"), CsvReader::Detected);
        if (m_session.remembered())
            presetCombo->addItem(tr("As last time"), CsvReader::Remembered);
        for (const CsvPreset& preset : CsvPresets::builtIn())
            presetCombo->addItem(preset.shownName(Language::current()), preset.name);
        presetCombo->setCurrentIndex(std::max(0, presetCombo->findData(m_session.layoutSource())));
        if (layoutGroup) {
            for (int i = 0; i < delimiterCombo->count(); ++i) {
                if (delimiterCombo->itemData(i).value<QChar>() == layout.delimiter)
                    delimiterCombo->setCurrentIndex(i);
            }
            skipSpin->setValue(layout.skipLines);
            headerCheck->setChecked(layout.header);
            decimalCombo->setCurrentIndex(layout.decimal == u',' ? 1 : 0);
            const bool signedAmounts = layout.amounts == CsvLayout::Amounts::Signed;
            amountsCombo->setCurrentIndex(signedAmounts ? 0 : 1);
            fillColumnLists();
            amountColumnCombo->setEnabled(signedAmounts);
            signColumnCombo->setEnabled(signedAmounts);
            debitColumnCombo->setEnabled(!signedAmounts);
            creditColumnCombo->setEnabled(!signedAmounts);
        }
    }
    dateOrderCombo->setCurrentIndex(layout.dateOrder == DateOrder::DayFirst ? 0 : 1);
    if (flipCheck)
        flipCheck->setChecked(layout.flipSign);
    m_showing = false;
}

void CsvLayoutPanel::edited() {
    if (m_showing)
        return;
    CsvLayout layout = m_session.layout();
    layout.dateOrder =
        dateOrderCombo->currentIndex() == 1 ? DateOrder::MonthFirst : DateOrder::DayFirst;
    if (flipCheck)
        layout.flipSign = flipCheck->isChecked();
    if (layoutGroup && m_session.format() == StatementFormat::Csv) {
        auto column = [](QComboBox* box) { return box->currentData().toInt(); };
        layout.delimiter = delimiterCombo->currentData().value<QChar>();
        layout.skipLines = skipSpin->value();
        layout.header = headerCheck->isChecked();
        layout.decimal = decimalCombo->currentData().value<QChar>();
        layout.amounts = amountsCombo->currentIndex() == 1 ? CsvLayout::Amounts::DebitCredit
                                                           : CsvLayout::Amounts::Signed;
        layout.dateColumn = column(dateColumnCombo);
        // Another description column is one column: the ones that continued the last go.
        if (column(descriptionColumnCombo) != layout.descriptionColumn)
            layout.extraDescriptionColumns.clear();
        layout.descriptionColumn = column(descriptionColumnCombo);
        layout.amountColumn = column(amountColumnCombo);
        layout.debitColumn = column(debitColumnCombo);
        layout.creditColumn = column(creditColumnCombo);
        layout.balanceColumn = column(balanceColumnCombo);
        layout.signColumn = column(signColumnCombo);
    }
    m_session.setLayout(layout);
    showLayout();
    emit layoutEdited();
}

void CsvLayoutPanel::choosePreset(int index) {
    QString error;
    const bool fits = m_session.chooseLayout(presetCombo->itemData(index).toString(), &error);
    if (!fits)
        Dialogs::instance().message(tr("The layout \"%1\" does not fit this file. %2")
                                        .arg(presetCombo->itemText(index), error));
    showLayout();
    if (fits)
        emit presetChosen();
}
