#include "RecordForm.h"

#include "data/FieldFormat.h"
#include "shell/Dialogs.h"
#include "shell/WindowHost.h"
#include "state/WorkflowState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The grid's cell editors: a date cell shows the form it reads until something is typed.
class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        auto* line = qobject_cast<QLineEdit*>(editor);
        const auto* model = qobject_cast<const RecordSetModel*>(index.model());
        if (line && model)
            line->setPlaceholderText(model->dateForm(index.column()));
        return editor;
    }
};

const QStringList RecordButtons = {"cmdAdd",    "cmdEdit",    "cmdUpdate", "cmdCancel",
                                   "cmdDelete", "cmdRefresh", "cmdClose"};

} // namespace

QString RecordForm::errorPrefix(Operation op) {
    switch (op) {
    case Operation::Add:
        return tr("Add Error: ");
    case Operation::Edit:
        return tr("Edit Error: ");
    case Operation::Update:
        return tr("Update Error: ");
    case Operation::Refresh:
        return tr("Refresh Error: ");
    case Operation::MoveFirst:
        return tr("Move First Error: ");
    case Operation::MoveLast:
        return tr("Move Last Error: ");
    case Operation::MoveNext:
        return tr("Move Next Error: ");
    case Operation::MovePrevious:
        return tr("Move Previous Error: ");
    case Operation::Cancel:
    case Operation::Delete:
        break;
    }
    return QString();
}

RecordForm::RecordForm(WindowHost& main, const QString& name, Variant variant)
    : FormWindow(main, name), m_variant(variant) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_bodyLayout = new QVBoxLayout;
    layout->addLayout(m_bodyLayout, 1);
    if (m_variant == Variant::Grid) {
        grdDataGrid = new QTableView(this);
        grdDataGrid->setItemDelegate(new GridDelegate(grdDataGrid));
        grdDataGrid->setObjectName("grdDataGrid");
        // Screen readers and desktop automation find the grid by its window's name.
        grdDataGrid->setAccessibleName(name);
        grdDataGrid->setSelectionMode(QAbstractItemView::SingleSelection);
        grdDataGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
        grdDataGrid->setEditTriggers(QAbstractItemView::DoubleClicked |
                                     QAbstractItemView::EditKeyPressed |
                                     QAbstractItemView::AnyKeyPressed);
        grdDataGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        m_bodyLayout->addWidget(grdDataGrid, 1);
    } else {
        auto* fields = new QWidget(this);
        fields->setObjectName("fraFields");
        m_fieldsLayout = new QFormLayout(fields);
        m_bodyLayout->addWidget(fields);
        m_bodyLayout->addStretch(1);
    }

    picButtons = new QWidget(this);
    picButtons->setObjectName("picButtons");
    m_buttonBarLayout = new QHBoxLayout(picButtons);
    m_buttonBarLayout->setContentsMargins(4, 2, 4, 2);
    connect(addRecordButton("cmdAdd", tr("&Add")), &QPushButton::clicked, this,
            [this] { cmdAdd_Click(); });
    connect(addRecordButton("cmdEdit", tr("&Edit")), &QPushButton::clicked, this,
            [this] { cmdEdit_Click(); });
    connect(addRecordButton("cmdUpdate", tr("&Update")), &QPushButton::clicked, this,
            [this] { cmdUpdate_Click(); });
    connect(addRecordButton("cmdCancel", tr("&Cancel")), &QPushButton::clicked, this,
            [this] { cmdCancel_Click(); });
    connect(addRecordButton("cmdDelete", tr("&Delete")), &QPushButton::clicked, this,
            [this] { cmdDelete_Click(); });
    connect(addRecordButton("cmdRefresh", tr("&Refresh")), &QPushButton::clicked, this,
            [this] { cmdRefresh_Click(); });
    connect(addRecordButton("cmdClose", tr("&Close")), &QPushButton::clicked, this,
            [this] { cmdClose_Click(); });
    m_buttonBarLayout->addStretch(1);
    layout->addWidget(picButtons);

    picStatBox = new QWidget(this);
    picStatBox->setObjectName("picStatBox");
    auto* status = new QHBoxLayout(picStatBox);
    status->setContentsMargins(4, 2, 4, 2);
    status->setSpacing(2);
    lblStatus = new QLabel(picStatBox);
    lblStatus->setObjectName("lblStatus");
    connect(addMoveButton("cmdFirst", QStyle::SP_MediaSkipBackward), &QToolButton::clicked, this,
            [this] { cmdFirst_Click(); });
    connect(addMoveButton("cmdPrevious", QStyle::SP_MediaSeekBackward), &QToolButton::clicked, this,
            [this] { cmdPrevious_Click(); });
    // The status label takes what the move buttons leave, so Next and Last stay at the right.
    status->addWidget(lblStatus, 1);
    connect(addMoveButton("cmdNext", QStyle::SP_MediaSeekForward), &QToolButton::clicked, this,
            [this] { cmdNext_Click(); });
    connect(addMoveButton("cmdLast", QStyle::SP_MediaSkipForward), &QToolButton::clicked, this,
            [this] { cmdLast_Click(); });
    layout->addWidget(picStatBox);

    if (m_variant == Variant::SingleRecord)
        showRecordButtons({"cmdAdd", "cmdEdit", "cmdDelete", "cmdRefresh", "cmdClose"});

    // The window sees every key before its controls.
    qApp->installEventFilter(this);
}

RecordForm::~RecordForm() {
    // The record set holds the connection's database; it goes first.
    if (m_model)
        m_model->setRecordSet(nullptr);
    qDeleteAll(m_otherSets);
    delete adoPrimaryRS;
    adoPrimaryRS = nullptr;
}

QPushButton* RecordForm::addRecordButton(const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, picButtons);
    b->setObjectName(name);
    m_buttonBarLayout->addWidget(b);
    return b;
}

QToolButton* RecordForm::addMoveButton(const QString& name, int icon) {
    const QHash<QString, QString> captions = {{"cmdFirst", tr("First record")},
                                              {"cmdPrevious", tr("Previous record")},
                                              {"cmdNext", tr("Next record")},
                                              {"cmdLast", tr("Last record")}};
    auto* b = new QToolButton(picStatBox);
    b->setObjectName(name);
    b->setIcon(style()->standardIcon(QStyle::StandardPixmap(icon)));
    b->setToolTip(captions.value(name));
    b->setAccessibleName(captions.value(name));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    picStatBox->layout()->addWidget(b);
    return b;
}

QAbstractButton* RecordForm::button(const QString& name) const {
    return findChild<QAbstractButton*>(name);
}

void RecordForm::setGridColumns(const QList<GridColumn>& columns) {
    if (!grdDataGrid)
        return;
    QItemSelectionModel* oldSelection = grdDataGrid->selectionModel();
    RecordSetModel* oldModel = m_model;
    m_model = new RecordSetModel(columns, this);
    grdDataGrid->setModel(m_model);
    delete oldSelection;
    delete oldModel;
    for (int i = 0; i < columns.size(); ++i)
        grdDataGrid->setColumnHidden(i, columns[i].hidden);
    connect(grdDataGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { gridCurrentChanged(current); });
    connect(m_model, &RecordSetModel::editRefused, this,
            [this](const QModelIndex& cell, const QString& description) {
                gridEditRefused(cell, description);
            });
    connect(m_model, &RecordSetModel::edited, this,
            [this](const QModelIndex& cell) { queueRowEdited(cell.row()); });
}

void RecordForm::gridEditRefused(const QModelIndex&, const QString& description) {
    Dialogs::instance().message(description);
}

void RecordForm::queueRowEdited(int row) {
    QMetaObject::invokeMethod(
        this,
        [this, row] {
            if (!isUnloaded())
                gridRowEdited(row);
        },
        Qt::QueuedConnection);
}

void RecordForm::bindTxtField(int index, const QString& column, const QString& caption,
                              const QString& format) {
    BoundField field;
    field.column = column;
    field.format = format;
    if (m_variant == Variant::SingleRecord && m_fieldsLayout) {
        field.label = new QLabel(caption.isEmpty() ? column : caption, this);
        field.label->setObjectName(QStringLiteral("lblLabels(%1)").arg(index));
        field.edit = new QLineEdit(this);
        field.edit->setObjectName(QStringLiteral("txtFields(%1)").arg(index));
        field.label->setBuddy(field.edit);
        m_fieldsLayout->addRow(field.label, field.edit);
        QLineEdit* edit = field.edit;
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            // A text the column cannot read stays in the field; Update or a move reports it.
            if (edit->isModified())
                commitBoundFields(nullptr);
        });
    }
    m_bound.insert(index, field);
}

void RecordForm::showRecordButtons(const QStringList& names) {
    for (const QString& name : RecordButtons) {
        if (QAbstractButton* b = button(name))
            b->setVisible(names.contains(name));
    }
}

void RecordForm::Form_Load(const QString& query) {
    if (!m_connection.open(m_main.tag(Tag::NewFile)))
        m_loadError = m_connection.lastError();
    adoPrimaryRS = new RecordSet(m_connection.database(), query, this);
    connect(adoPrimaryRS, &RecordSet::moveComplete, this, [this] {
        syncBoundControls();
        adoPrimaryRS_MoveComplete();
    });
    connect(adoPrimaryRS, &RecordSet::willChangeRecord, this,
            [this](RecordSet::Reason reason) { adoPrimaryRS_WillChangeRecord(reason); });
    connect(adoPrimaryRS, &RecordSet::rowChanged, this, [this](int row) {
        if (row == adoPrimaryRS->currentRow())
            syncBoundControls(false);
    });
    connect(adoPrimaryRS, &RecordSet::rowsReset, this, [this] { syncBoundControls(); });
    if (m_loadError.isEmpty() && !adoPrimaryRS->open())
        m_loadError = adoPrimaryRS->lastError();
    // The window still opens, empty; but an account that cannot be read must not pass for an
    // empty one.
    if (!m_loadError.isEmpty())
        Dialogs::instance().message(m_loadError);
    bindGrid();
}

RecordSet* RecordForm::openRecordSet(const QString& query) {
    auto* rs = new RecordSet(m_connection.database(), query);
    m_otherSets << rs;
    // Passed over like the window's own set: the window opens, the set stays empty.
    if (m_connection.isOpen())
        rs->open();
    return rs;
}

void RecordForm::hideRecordControls() {
    picButtons->hide();
    picStatBox->hide();
    if (auto* fields = findChild<QWidget*>("fraFields"))
        fields->hide();
}

void RecordForm::bindGrid() {
    if (m_model)
        m_model->setRecordSet(adoPrimaryRS);
    syncBoundControls();
}

void RecordForm::unbindGrid() {
    if (m_model)
        m_model->setRecordSet(nullptr);
}

int RecordForm::fieldIndexOf(int txtIndex) const {
    const auto it = m_bound.constFind(txtIndex);
    if (it == m_bound.cend() || !adoPrimaryRS)
        return -1;
    return adoPrimaryRS->fieldIndex(it->column);
}

QString RecordForm::txtFields(int index) const {
    const auto it = m_bound.constFind(index);
    if (it == m_bound.cend() || !adoPrimaryRS)
        return QString();
    if (it->edit)
        return it->edit->text();
    const int field = adoPrimaryRS->fieldIndex(it->column);
    return FieldFormat::display(adoPrimaryRS->value(field), adoPrimaryRS->fieldKind(field),
                                it->format);
}

QVariant RecordForm::txtValue(int index) const {
    const int field = fieldIndexOf(index);
    return field < 0 ? QVariant() : adoPrimaryRS->value(field);
}

bool RecordForm::setTxtFields(int index, const QVariant& value) {
    const int field = fieldIndexOf(index);
    if (field < 0 || !adoPrimaryRS->setValue(field, value, m_bound.value(index).format))
        return false;
    if (QLineEdit* edit = m_bound.value(index).edit)
        edit->setText(FieldFormat::display(adoPrimaryRS->value(field),
                                           adoPrimaryRS->fieldKind(field),
                                           m_bound.value(index).format));
    return true;
}

bool RecordForm::commitBoundFields(QString* error) {
    if (!adoPrimaryRS)
        return true;
    for (auto it = m_bound.begin(); it != m_bound.end(); ++it) {
        QLineEdit* edit = it->edit;
        if (!edit || !edit->isModified())
            continue;
        if (!adoPrimaryRS->setValue(adoPrimaryRS->fieldIndex(it->column), edit->text(),
                                    it->format)) {
            if (error)
                *error = adoPrimaryRS->lastError();
            return false;
        }
        edit->setModified(false);
    }
    return true;
}

void RecordForm::syncBoundControls(bool all) {
    if (!adoPrimaryRS)
        return;
    if (grdDataGrid && m_model && m_model->recordSet() == adoPrimaryRS) {
        const int row = adoPrimaryRS->currentRow();
        m_syncingGrid = true;
        if (row < 0) {
            grdDataGrid->selectionModel()->clearCurrentIndex();
        } else if (grdDataGrid->currentIndex().row() != row) {
            int column = grdDataGrid->currentIndex().column();
            if (column < 0 || grdDataGrid->isColumnHidden(column)) {
                column = 0;
                while (column < m_model->columnCount() - 1 && grdDataGrid->isColumnHidden(column))
                    ++column;
            }
            grdDataGrid->setCurrentIndex(m_model->index(row, column));
        }
        m_syncingGrid = false;
    }
    for (auto it = m_bound.cbegin(); it != m_bound.cend(); ++it) {
        if (!it->edit || (!all && it->edit->isModified()))
            continue;
        const int field = adoPrimaryRS->fieldIndex(it->column);
        it->edit->setText(FieldFormat::display(adoPrimaryRS->value(field),
                                               adoPrimaryRS->fieldKind(field), it->format));
        it->edit->setModified(false);
    }
}

void RecordForm::gridCurrentChanged(const QModelIndex& current) {
    // While rows come and go the grid moves its own cell (off a deleted row, say); only the
    // user's choice moves the record set, or a Delete would go on two rows.
    if (m_syncingGrid || !adoPrimaryRS || !current.isValid() ||
        current.row() == adoPrimaryRS->currentRow() || (m_model && m_model->changingRows()))
        return;
    // The grid is bound: choosing a row makes it the current row, which saves the row left.
    if (!adoPrimaryRS->setAbsolutePosition(current.row() + 1)) {
        const QString description = adoPrimaryRS->lastError();
        syncBoundControls(false);
        reportError(Operation::Update, description);
    }
}

// --- record set events ---------------------------------------------------------------------

void RecordForm::adoPrimaryRS_MoveComplete() {
    // With no current row the position is negative, which means nothing to a user: no number.
    if (adoPrimaryRS) {
        const int position = adoPrimaryRS->absolutePosition();
        //: The status bar's place in the rows; %1 is the row's number, empty without a row
        lblStatus->setText(
            tr("Record: %1").arg(position > 0 ? QString::number(position) : QString()));
    }
}

void RecordForm::adoPrimaryRS_WillChangeRecord(RecordSet::Reason) {
    // Every change is accepted.
}

// --- messages, pointer, events -----------------------------------------------------------

RecordForm::MessageStyle RecordForm::messageStyle(Operation op) const {
    if (op == Operation::Cancel)
        return MessageStyle::Silent;
    return errorPrefix(op).isEmpty() ? MessageStyle::DescriptionOnly
                                     : MessageStyle::PrefixAndDescription;
}

void RecordForm::reportError(Operation op, const QString& description) {
    switch (messageStyle(op)) {
    case MessageStyle::PrefixAndDescription:
        Dialogs::instance().message(errorPrefix(op) + description);
        break;
    case MessageStyle::DescriptionOnly:
        Dialogs::instance().message(description);
        break;
    case MessageStyle::Silent:
        break;
    }
}

// --- keys ------------------------------------------------------------------------------------

bool RecordForm::keysLeftToControls() const {
    return mbEditFlag || mbAddNewFlag;
}

bool RecordForm::inCellEditor(const QWidget* widget) const {
    // A cell editor lives in the grid's viewport.
    return grdDataGrid && widget != grdDataGrid->viewport() &&
           grdDataGrid->viewport()->isAncestorOf(widget);
}

bool RecordForm::keyLeftToControl(const QWidget* target, const QKeyEvent&) const {
    return inCellEditor(target);
}

bool RecordForm::Form_KeyDown(const QKeyEvent& event) {
    if (keysLeftToControls())
        return false;
    const bool ctrlAlone = (event.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
    switch (event.key()) {
    case Qt::Key_Escape:
        escapePressed();
        return true;
    case Qt::Key_End:
        cmdLast_Click();
        return true;
    case Qt::Key_Home:
        cmdFirst_Click();
        return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        if (ctrlAlone)
            cmdFirst_Click();
        else
            cmdPrevious_Click();
        return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        if (ctrlAlone)
            cmdLast_Click();
        else
            cmdNext_Click();
        return true;
    default:
        return false;
    }
}

bool RecordForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !isUnloaded() && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const auto& key = *static_cast<QKeyEvent*>(event);
        if ((widget == this || isAncestorOf(widget)) && !keyLeftToControl(widget, key) &&
            Form_KeyDown(key))
            return true;
    }
    return FormWindow::eventFilter(watched, event);
}

void RecordForm::formUnload() {
    QString error;
    if (!saveTypedRow(&error)) {
        // The window goes regardless (New or Open is under way): the message keeps the row's
        // values in view for the user to enter again.
        const QString row = typedRowText();
        reportError(Operation::Update,
                    error + (row.isEmpty() ? QString() : QStringLiteral("\n\n") + row));
    }
    qApp->removeEventFilter(this);
    unbindGrid();
    qDeleteAll(m_otherSets);
    m_otherSets.clear();
    delete adoPrimaryRS;
    adoPrimaryRS = nullptr;
    m_connection.close();
    setDefaultPointer();
}

// --- record buttons --------------------------------------------------------------------------

void RecordForm::cmdAdd_Click() {
    if (!adoPrimaryRS)
        return;
    QString error;
    if (!commitBoundFields(&error))
        return reportError(Operation::Add, error);
    if (m_variant == Variant::Grid) {
        if (!adoPrimaryRS->moveLast() || !adoPrimaryRS->addNew())
            return reportError(Operation::Add, adoPrimaryRS->lastError());
        // The user types the new row into the grid, from its first column.
        if (m_model) {
            int column = 0;
            while (column < m_model->columnCount() - 1 && grdDataGrid->isColumnHidden(column))
                ++column;
            grdDataGrid->setCurrentIndex(m_model->index(adoPrimaryRS->currentRow(), column));
        }
        grdDataGrid->setFocus();
        return;
    }
    if (!(adoPrimaryRS->isBOF() && adoPrimaryRS->isEOF()))
        mvBookMark = adoPrimaryRS->bookmark();
    if (!adoPrimaryRS->addNew())
        return reportError(Operation::Add, adoPrimaryRS->lastError());
    lblStatus->setText(tr("Add record"));
    mbAddNewFlag = true;
    SetButtons(false);
}

void RecordForm::cmdEdit_Click() {
    if (!adoPrimaryRS)
        return;
    lblStatus->setText(tr("Edit record"));
    mbEditFlag = true;
    SetButtons(false);
}

void RecordForm::cmdUpdate_Click() {
    if (!adoPrimaryRS)
        return;
    QString error;
    if (!commitBoundFields(&error))
        return reportError(Operation::Update, error);
    if (!adoPrimaryRS->updateBatch())
        return reportError(Operation::Update, adoPrimaryRS->lastError());
    if (mbAddNewFlag && !adoPrimaryRS->moveLast())
        return reportError(Operation::Update, adoPrimaryRS->lastError());
    mbEditFlag = false;
    mbAddNewFlag = false;
    SetButtons(true);
}

void RecordForm::cmdCancel_Click() {
    if (!adoPrimaryRS)
        return;
    // Every step is tried, whatever the one before did.
    SetButtons(true);
    mbEditFlag = false;
    mbAddNewFlag = false;
    adoPrimaryRS->cancelUpdate();
    if (mvBookMark > 0)
        adoPrimaryRS->setBookmark(mvBookMark);
    else
        adoPrimaryRS->moveFirst();
    syncBoundControls();
}

void RecordForm::cmdDelete_Click() {
    if (!adoPrimaryRS)
        return;
    if (!adoPrimaryRS->deleteCurrent() || !adoPrimaryRS->moveNext() ||
        (adoPrimaryRS->isEOF() && !adoPrimaryRS->moveLast()))
        deleteFailed(adoPrimaryRS->lastError());
}

void RecordForm::deleteFailed(const QString& description) {
    reportError(Operation::Delete, description);
}

void RecordForm::cmdRefresh_Click() {
    if (!adoPrimaryRS)
        return;
    if (m_variant == Variant::SingleRecord) {
        if (!adoPrimaryRS->requery())
            reportError(Operation::Refresh, adoPrimaryRS->lastError());
        return;
    }
    if (!adoPrimaryRS->updateBatch())
        return reportError(Operation::Refresh, adoPrimaryRS->lastError());
    letEventsRun();
    setHourglass();
    const bool gridShown = !grdDataGrid->isHidden();
    grdDataGrid->hide();
    QString error = refreshRows();
    if (error.isEmpty() && adoPrimaryRS && !adoPrimaryRS->updateBatch())
        error = adoPrimaryRS->lastError();
    // The window stays usable after a failure: the grid comes back either way.
    grdDataGrid->setVisible(gridShown);
    setDefaultPointer();
    if (!error.isEmpty())
        reportError(Operation::Refresh, error);
}

QString RecordForm::refreshRows() {
    unbindGrid();
    const bool ok = adoPrimaryRS->requery();
    bindGrid();
    return ok ? QString() : adoPrimaryRS->lastError();
}

void RecordForm::cmdClose_Click() {
    QString error;
    if (!saveTypedRow(&error)) {
        if (!error.isEmpty())
            reportError(Operation::Update, error);
        return;
    }
    unload();
}

bool RecordForm::closedByUser() const {
    // The program unloads through the registry, which lets go of the window first.
    return !isUnloaded() && m_main.isLoaded(objectName());
}

void RecordForm::closeEvent(QCloseEvent* event) {
    if (closedByUser()) {
        QString error;
        if (!saveTypedRow(&error)) {
            event->ignore();
            if (!error.isEmpty())
                reportError(Operation::Update, error);
            return;
        }
    }
    FormWindow::closeEvent(event);
}

bool RecordForm::saveTypedRow(QString* error) {
    if (!adoPrimaryRS)
        return true;
    if (grdDataGrid && m_model) {
        // A cell still being typed into is part of the row. The grid reports a text it cannot
        // read itself, and the editor stays open with it.
        const QModelIndex cell = grdDataGrid->currentIndex();
        if (auto* editor = qobject_cast<QLineEdit*>(grdDataGrid->indexWidget(cell))) {
            if (!m_model->setData(cell, editor->text())) {
                error->clear();
                return false;
            }
        }
    }
    if (!commitBoundFields(error))
        return false;
    if (adoPrimaryRS->editPending() && !adoPrimaryRS->update()) {
        *error = adoPrimaryRS->lastError();
        return false;
    }
    return true;
}

QString RecordForm::typedRowText() const {
    if (!adoPrimaryRS)
        return QString();
    QStringList parts;
    if (m_model && m_model->recordSet() == adoPrimaryRS) {
        const int row =
            adoPrimaryRS->editPending() ? adoPrimaryRS->pendingRow() : adoPrimaryRS->currentRow();
        for (int c = 0; row >= 0 && c < m_model->columnCount(); ++c) {
            const QString text = m_model->index(row, c).data().toString();
            if (!text.isEmpty() && !m_model->columns()[c].hidden)
                parts << m_model->columns()[c].caption + QLatin1Char(' ') + text;
        }
    } else {
        QList<int> indexes = m_bound.keys();
        std::sort(indexes.begin(), indexes.end());
        for (int index : std::as_const(indexes)) {
            const BoundField field = m_bound.value(index);
            const QString text = txtFields(index);
            if (!text.isEmpty())
                parts << (field.label ? field.label->text() : field.column) + QLatin1Char(' ') +
                             text;
        }
    }
    return parts.isEmpty() ? QString() : tr("The row not saved: %1").arg(parts.join(", "));
}

bool RecordForm::moveWith(Operation op, bool (RecordSet::*move)()) {
    QString error;
    if (!commitBoundFields(&error)) {
        reportError(op, error);
        return false;
    }
    if (!(adoPrimaryRS->*move)()) {
        reportError(op, adoPrimaryRS->lastError());
        return false;
    }
    return true;
}

void RecordForm::cmdFirst_Click() {
    if (adoPrimaryRS)
        moveWith(Operation::MoveFirst, &RecordSet::moveFirst);
}

void RecordForm::cmdLast_Click() {
    if (adoPrimaryRS)
        moveWith(Operation::MoveLast, &RecordSet::moveLast);
}

void RecordForm::cmdNext_Click() {
    if (!adoPrimaryRS)
        return;
    if (!adoPrimaryRS->isEOF() && !moveWith(Operation::MoveNext, &RecordSet::moveNext))
        return;
    if (adoPrimaryRS->isEOF() && adoPrimaryRS->recordCount() > 0) {
        Dialogs::instance().beep();
        moveWith(Operation::MoveNext, &RecordSet::moveLast);
    }
}

void RecordForm::cmdPrevious_Click() {
    if (!adoPrimaryRS)
        return;
    if (!adoPrimaryRS->isBOF() && !moveWith(Operation::MovePrevious, &RecordSet::movePrevious))
        return;
    if (adoPrimaryRS->isBOF() && adoPrimaryRS->recordCount() > 0) {
        Dialogs::instance().beep();
        moveWith(Operation::MovePrevious, &RecordSet::moveFirst);
    }
}

void RecordForm::SetButtons(bool bVal) {
    if (m_variant != Variant::SingleRecord)
        return;
    for (const char* name : {"cmdAdd", "cmdEdit", "cmdDelete", "cmdClose", "cmdRefresh"}) {
        if (QAbstractButton* b = button(name))
            b->setVisible(bVal);
    }
    for (const char* name : {"cmdUpdate", "cmdCancel"}) {
        if (QAbstractButton* b = button(name))
            b->setVisible(!bVal);
    }
    for (const char* name : {"cmdNext", "cmdFirst", "cmdLast", "cmdPrevious"}) {
        if (QAbstractButton* b = button(name))
            b->setEnabled(bVal);
    }
}
