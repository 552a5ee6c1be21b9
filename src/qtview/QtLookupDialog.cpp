#include "qtview/QtLookupDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace ger {

QtLookupDialog::QtLookupDialog(const LookupRequest& request, QWidget* parent)
    : QDialog(parent)
    , m_multiSelect(request.multiSelect)
    , m_search(new QLineEdit(this))
    , m_table(new QTableView(this))
    , m_rows(new QStandardItemModel(this))
    , m_filter(new QSortFilterProxyModel(this)) {
    setWindowTitle(request.title);
    m_rows->setHorizontalHeaderLabels(request.columnTitles);
    for (const QStringList& row : request.rows) {
        QList<QStandardItem*> items;
        for (const QString& cell : row) {
            auto* item = new QStandardItem(cell);
            item->setEditable(false);
            items.append(item);
        }
        if (m_multiSelect && !items.isEmpty()) {
            // The mark is drawn from its state; a click anywhere on the row toggles it
            // (toggleRow), so the box itself must not toggle it a second time.
            items.front()->setCheckState(Qt::Unchecked);
            items.front()->setFlags(items.front()->flags() & ~Qt::ItemIsUserCheckable);
        }
        m_rows->appendRow(items);
    }
    m_filter->setSourceModel(m_rows);
    m_filter->setFilterKeyColumn(-1);
    m_filter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_table->setModel(m_filter);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->resizeColumnsToContents();
    if (m_filter->rowCount() > 0)
        m_table->setCurrentIndex(m_filter->index(0, 0));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    if (m_multiSelect) {
        connect(buttons->addButton(QStringLiteral("Marcar todos"), QDialogButtonBox::ActionRole),
                &QPushButton::clicked, this, [this] { markShown(Qt::Checked); });
        connect(buttons->addButton(QStringLiteral("Desmarcar todos"), QDialogButtonBox::ActionRole),
                &QPushButton::clicked, this, [this] { markShown(Qt::Unchecked); });
        connect(m_table, &QAbstractItemView::clicked, this, &QtLookupDialog::toggleRow);
        m_table->installEventFilter(this);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Pesquisar:"), this));
    layout->addWidget(m_search);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(520, 360);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_search, &QLineEdit::textChanged, this, &QtLookupDialog::filter);
    connect(m_table, &QAbstractItemView::doubleClicked, this, &QtLookupDialog::rowDoubleClicked);
    m_search->installEventFilter(this);
    m_search->setFocus();
}

void QtLookupDialog::filter(const QString& text) {
    m_filter->setFilterFixedString(text);
    if (m_filter->rowCount() > 0)
        m_table->setCurrentIndex(m_filter->index(0, 0));
}

int QtLookupDialog::sourceRow(const QModelIndex& index) const {
    return index.isValid() ? m_filter->mapToSource(index).row() : -1;
}

// A double click chooses the row of a single-choice lookup; in a multi-choice one its two
// clicks have each toggled the mark already.
void QtLookupDialog::rowDoubleClicked(const QModelIndex& index) {
    if (!index.isValid() || m_multiSelect)
        return;
    m_table->setCurrentIndex(index);
    accept();
}

void QtLookupDialog::toggleRow(const QModelIndex& index) {
    QStandardItem* item = index.isValid() ? m_rows->item(sourceRow(index), 0) : nullptr;
    if (item)
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

// "Marcar todos" and "Desmarcar todos" act on the rows the filter shows.
void QtLookupDialog::markShown(Qt::CheckState state) {
    for (int row = 0; row < m_filter->rowCount(); ++row)
        if (QStandardItem* item = m_rows->item(sourceRow(m_filter->index(row, 0)), 0))
            item->setCheckState(state);
}

std::vector<int> QtLookupDialog::ChosenRows() const {
    std::vector<int> rows;
    if (m_multiSelect)
        for (int row = 0; row < m_rows->rowCount(); ++row)
            if (m_rows->item(row, 0) && m_rows->item(row, 0)->checkState() == Qt::Checked)
                rows.push_back(row);
    if (rows.empty()) {
        const int current = sourceRow(m_table->currentIndex());
        if (current >= 0)
            rows.push_back(current);
    }
    return rows;
}

LookupResult QtLookupDialog::Run() {
    LookupResult result;
    result.accepted = exec() == QDialog::Accepted;
    if (result.accepted)
        result.rows = ChosenRows();
    result.accepted = result.accepted && !result.rows.empty();
    return result;
}

bool QtLookupDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown ||
            key == Qt::Key_PageUp) {
            m_table->setFocus();
            QCoreApplication::sendEvent(m_table, event);
            return true;
        }
    }
    if (watched == m_table && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        toggleRow(m_table->currentIndex());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace ger
