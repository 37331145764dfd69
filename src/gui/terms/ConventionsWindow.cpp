#include "ConventionsWindow.h"

#include "engine/AccountStore.h"
#include "shell/Captions.h"
#include "shell/Dialogs.h"
#include "shell/WindowFit.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
// The choices' texts are made with the window, in the language installed by then.
QStringList restNames() {
    return {
        QCoreApplication::translate("ConventionsWindow", "Daily"),
        QCoreApplication::translate("ConventionsWindow", "Posting period"),
        //: followed by a number of months and "months from" a month: blocks of 12 months from
        //: January
        QCoreApplication::translate("ConventionsWindow", "Blocks of"),
    };
}

QStringList restExplanations() {
    return {
        QCoreApplication::translate("ConventionsWindow",
                                    "Each day's own balance bears that day's interest."),
        QCoreApplication::translate(
            "ConventionsWindow",
            "The balance on the first day of the posting period bears interest for the whole "
            "period: monthly rest where postings are monthly."),
        QCoreApplication::translate(
            "ConventionsWindow",
            "The balance on the first day of each block bears interest for the whole block; "
            "annual rest: 12 months from January; payments count from the next block."),
    };
}

QStringList compoundingExplanations() {
    return {
        QCoreApplication::translate("ConventionsWindow",
                                    "The entered rate is the rate the days bear."),
        QCoreApplication::translate(
            "ConventionsWindow",
            "The entered rate is compounded half-yearly: the days bear the rate equivalent to it "
            "over the periods a year. Canadian fixed rates."),
    };
}

// A box of radio buttons, one a choice, its explanation in the button's tooltip and in one line
// under the buttons that follows the choice (a line under every button would not fit a screen).
struct Choices {
    QGroupBox* box = nullptr;
    QVBoxLayout* inner = nullptr;
    QButtonGroup* group = nullptr;
};

Choices choiceBox(QWidget* parent, const QString& caption, const char* name,
                  const QStringList& names, const QStringList& explanations) {
    Choices c;
    c.box = new QGroupBox(caption, parent);
    c.box->setObjectName(QStringLiteral("%1Group").arg(QLatin1String(name)));
    c.inner = new QVBoxLayout(c.box);
    c.group = new QButtonGroup(c.box);
    for (int i = 0; i < names.size(); ++i) {
        auto* option = new QRadioButton(names[i], c.box);
        option->setObjectName(QStringLiteral("%1Option%2").arg(QLatin1String(name)).arg(i));
        option->setToolTip(explanations.value(i));
        option->setAccessibleDescription(explanations.value(i));
        c.group->addButton(option, i);
        c.inner->addWidget(option);
    }
    return c;
}

void explain(const Choices& c, const char* name, const QStringList& explanations) {
    auto* line = new QLabel(c.box);
    line->setObjectName(QStringLiteral("%1Explanation").arg(QLatin1String(name)));
    line->setWordWrap(true);
    line->setContentsMargins(4, 2, 0, 0);
    c.inner->addWidget(line);
    c.inner->addStretch(1);
    QObject::connect(c.group, &QButtonGroup::idToggled, line,
                     [line, explanations](int id, bool on) {
                         if (on)
                             line->setText(explanations.value(id));
                     });
}

} // namespace

ConventionsWindow::ConventionsWindow(WindowHost& main)
    : FormWindow(main, WindowNames::Conventions) {
    setWindowTitle(tr("Lender's Conventions"));
    QWidget* body = createBody();
    auto* buttons = new QHBoxLayout;
    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName("closeButton");
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    // The choices scroll in a window given less room than they need; Close stays in view.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WindowFit::scrolling(body, this), 1);
    layout->addLayout(buttons);
    setMinimumWidth(560);
    resize(860, 560);

    // A file that cannot be read shows the defaults; storing a choice then says what is wrong.
    QString error;
    if (!m_connection.open(main.tag(Tag::NewFile)))
        Dialogs::instance().message(m_connection.lastError());
    else if (!AccountStore::readConventions(m_connection.database(), &m_stored, &error))
        Dialogs::instance().message(error);
    showConventions(m_stored);
    connectChoices();
}

// The presets above two columns: the day count beside the rounding, the rest and compounding.
QWidget* ConventionsWindow::createBody() {
    auto* body = new QWidget(this);
    body->setObjectName("conventionsBody");
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* intro =
        new QLabel(tr("How your lender works out a day's interest. Each choice is stored at once "
                      "and used by every report of this account."),
                   body);
    intro->setObjectName("introLabel");
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addLayout(createPresets(body));

    const Choices dayCount =
        choiceBox(body, tr("Day Count"), "dayCount", Conventions::dayCountNames(),
                  Conventions::dayCountExplanations());
    explain(dayCount, "dayCount", Conventions::dayCountExplanations());
    m_dayCount = dayCount.group;
    const Choices rounding =
        choiceBox(body, tr("Rounding of Interest"), "rounding", Conventions::roundingNames(),
                  Conventions::roundingExplanations());
    explain(rounding, "rounding", Conventions::roundingExplanations());
    m_rounding = rounding.group;

    auto* left = new QVBoxLayout;
    left->addWidget(dayCount.box);
    left->addWidget(rounding.box);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(createRest(body));
    right->addWidget(createCompounding(body));
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    layout->addLayout(columns, 1);
    return body;
}

// A preset stores a lender's whole set of conventions; where it is used is said beside it.
QLayout* ConventionsWindow::createPresets(QWidget* body) {
    presetBox = new QComboBox(body);
    presetBox->setObjectName("presetBox");
    for (const Conventions::Preset& p : Conventions::presets()) {
        presetBox->addItem(p.name);
        presetBox->setItemData(presetBox->count() - 1, p.usedBy, Qt::ToolTipRole);
    }
    applyPresetButton = new QPushButton(tr("&Apply Preset"), body);
    applyPresetButton->setObjectName("applyPresetButton");
    presetUseLabel = new QLabel(body);
    presetUseLabel->setObjectName("presetUseLabel");
    presetUseLabel->setWordWrap(true);
    auto* grid = new QGridLayout;
    grid->addWidget(captionFor(tr("&Preset:"), presetBox), 0, 0);
    grid->addWidget(presetBox, 0, 1);
    grid->addWidget(applyPresetButton, 0, 2);
    grid->addWidget(presetUseLabel, 1, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    showPresetUse();
    connect(presetBox, &QComboBox::currentIndexChanged, this, &ConventionsWindow::showPresetUse);
    connect(applyPresetButton, &QPushButton::clicked, this, &ConventionsWindow::applyPreset);
    return grid;
}

// Daily, the posting period, or blocks of K months from a month (annual: 12 from January).
QWidget* ConventionsWindow::createRest(QWidget* body) {
    const QStringList explanations = restExplanations();
    //: the interval on whose balance interest is worked (daily rest, monthly rest)
    const Choices rest = choiceBox(body, tr("Rest"), "rest", restNames(), explanations);
    m_rest = rest.group;
    auto* blocks = m_rest->button(int(Rest::Kind::Months));
    restMonthsSpin = new QSpinBox(rest.box);
    restMonthsSpin->setObjectName("restMonthsSpin");
    restMonthsSpin->setRange(1, 12);
    restMonthsSpin->setValue(12);
    restMonthsSpin->setKeyboardTracking(false);
    restMonthsSpin->setAccessibleName(tr("Months a block"));
    restFromBox = new QComboBox(rest.box);
    restFromBox->setObjectName("restFromBox");
    for (int month = 1; month <= 12; ++month)
        restFromBox->addItem(Conventions::monthName(month));
    auto* row = new QHBoxLayout;
    row->addWidget(blocks);
    row->addWidget(restMonthsSpin);
    row->addWidget(captionFor(tr("months &from"), restFromBox));
    restFromBox->setAccessibleName(tr("Month the blocks start in"));
    row->addWidget(restFromBox);
    row->addStretch(1);
    rest.inner->addLayout(row);
    explain(rest, "rest", explanations);
    return rest.box;
}

// None or half-yearly, and the periods a year that equal periods and compounding divide by.
QWidget* ConventionsWindow::createCompounding(QWidget* body) {
    const QStringList explanations = compoundingExplanations();
    const Choices c = choiceBox(body, tr("Compounding"), "compounding",
                                Conventions::compoundingNames(), explanations);
    m_compounding = c.group;
    perYearSpin = new QSpinBox(c.box);
    perYearSpin->setObjectName("perYearSpin");
    perYearSpin->setRange(1, Conventions::MostPerYear);
    perYearSpin->setValue(LenderConventions().perYear);
    perYearSpin->setKeyboardTracking(false);
    perYearSpin->setToolTip(tr("Used by equal periods and by compounding: 12 for monthly "
                               "postings, 26 fortnightly."));
    perYearLabel = captionFor(tr("Periods a &year:"), perYearSpin);
    auto* row = new QHBoxLayout;
    row->addWidget(perYearLabel);
    row->addWidget(perYearSpin);
    row->addStretch(1);
    c.inner->addLayout(row);
    explain(c, "compounding", explanations);
    return c.box;
}

void ConventionsWindow::connectChoices() {
    for (QButtonGroup* group : {m_dayCount, m_rounding, m_rest, m_compounding}) {
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool on) {
            if (on)
                saveConventions();
        });
    }
    connect(restMonthsSpin, &QSpinBox::valueChanged, this, &ConventionsWindow::saveConventions);
    connect(restFromBox, &QComboBox::currentIndexChanged, this,
            &ConventionsWindow::saveConventions);
    connect(perYearSpin, &QSpinBox::valueChanged, this, &ConventionsWindow::saveConventions);
    connect(closeButton, &QPushButton::clicked, this, &ConventionsWindow::closeWindow);
}

// The periods a year are the default's while nothing uses them: a set that means the defaults
// is stored as the defaults (the spin box keeps its number for when it is used again).
LenderConventions ConventionsWindow::shownConventions() const {
    LenderConventions c;
    c.dayCount = DayCount(qMax(0, m_dayCount->checkedId()));
    c.rounding = InterestRounding(qMax(0, m_rounding->checkedId()));
    switch (Rest::Kind(qMax(0, m_rest->checkedId()))) {
    case Rest::Kind::Daily:
        break;
    case Rest::Kind::PostingPeriod:
        c.rest = Rest::postingPeriod();
        break;
    case Rest::Kind::Months:
        c.rest = Rest::blocks(restMonthsSpin->value(), restFromBox->currentIndex() + 1);
        break;
    }
    c.compounding = Compounding(qMax(0, m_compounding->checkedId()));
    if (c.usesPerYear())
        c.perYear = perYearSpin->value();
    return c;
}

void ConventionsWindow::showConventions(const LenderConventions& c) {
    const auto check = [](QButtonGroup* group, int id) {
        if (QAbstractButton* option = group->button(id))
            option->setChecked(true);
    };
    m_showing = true;
    check(m_dayCount, int(c.dayCount));
    check(m_rounding, int(c.rounding));
    check(m_rest, int(c.rest.kind));
    if (c.rest.kind == Rest::Kind::Months) {
        restMonthsSpin->setValue(c.rest.months);
        restFromBox->setCurrentIndex(c.rest.fromMonth - 1);
    }
    check(m_compounding, int(c.compounding));
    if (c.usesPerYear())
        perYearSpin->setValue(c.perYear);
    for (int i = 0; i < Conventions::presets().size(); ++i) {
        if (Conventions::presets()[i].conventions == c)
            presetBox->setCurrentIndex(i);
    }
    m_showing = false;
    enableChoices();
}

// The block's length and month, and the periods a year, only where they mean something.
void ConventionsWindow::enableChoices() {
    const LenderConventions c = shownConventions();
    const bool blocks = c.rest.kind == Rest::Kind::Months;
    restMonthsSpin->setEnabled(blocks);
    restFromBox->setEnabled(blocks);
    perYearLabel->setEnabled(c.usesPerYear());
    perYearSpin->setEnabled(c.usesPerYear());
}

void ConventionsWindow::showPresetUse() {
    const QString usedBy = Conventions::presets().value(presetBox->currentIndex()).usedBy;
    presetUseLabel->setText(tr("Used by: %1").arg(usedBy));
    presetBox->setAccessibleDescription(usedBy);
    applyPresetButton->setToolTip(usedBy);
}

void ConventionsWindow::applyPreset() {
    const int i = presetBox->currentIndex();
    if (i < 0 || i >= Conventions::presets().size())
        return;
    store(Conventions::presets()[i].conventions);
    showConventions(m_stored);
}

void ConventionsWindow::saveConventions() {
    if (m_showing)
        return;
    enableChoices();
    store(shownConventions());
}

void ConventionsWindow::store(const LenderConventions& chosen) {
    if (chosen == m_stored)
        return;
    // Choices that cannot be worked with together are not stored: the window shows what the
    // account holds, and says why.
    QString error = Conventions::refusal(chosen);
    if (!error.isEmpty()) {
        showConventions(m_stored);
        Dialogs::instance().message(error);
        return;
    }
    if (!m_connection.isOpen()) {
        error = m_connection.lastError();
    } else if (AccountStore::writeConventions(m_connection.database(), chosen, &error)) {
        m_stored = chosen;
        return;
    }
    // Nothing was stored: the window shows what the account holds.
    showConventions(m_stored);
    Dialogs::instance().message(tr("The lender's conventions could not be stored: %1").arg(error));
}

void ConventionsWindow::closeWindow() {
    unload();
}

void ConventionsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow();
        return;
    }
    FormWindow::keyPressEvent(event);
}

void ConventionsWindow::formUnload() {
    m_connection.close();
}
