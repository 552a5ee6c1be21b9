#include "qtview/QtLookupDialog.h"

#include "qtview/QtLookupRowsModel.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace ger {

namespace {

// The options a table view gives its delegate for a cell (QAbstractItemView's
// initViewItemOption, which is protected), for measuring cells as the view would.
QStyleOptionViewItem ItemOption(QTableView* table) {
    QStyleOptionViewItem option;
    option.initFrom(table);
    option.font = table->font();
    const int icon = table->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, table);
    option.decorationSize = table->iconSize().isValid() ? table->iconSize() : QSize(icon, icon);
    option.decorationPosition = QStyleOptionViewItem::Left;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = table->textElideMode();
    option.rect = QRect();
    option.widget = table;
    return option;
}

} // namespace

QtLookupDialog::QtLookupDialog(const LookupRequest& request, QWidget* parent)
    : QDialog(parent)
    , m_multiSelect(request.multiSelect)
    , m_search(new QLineEdit(this))
    , m_table(new QTableView(this))
    , m_rows(new QtLookupRowsModel(request, this)) {
    setWindowTitle(request.title);
    setUpTable();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Pesquisar:"), this));
    layout->addWidget(m_search);
    layout->addWidget(m_table);
    layout->addWidget(makeButtons());
    resize(520, 360);
    connect(m_search, &QLineEdit::textChanged, this, &QtLookupDialog::filter);
    connect(m_table, &QAbstractItemView::doubleClicked, this, &QtLookupDialog::rowDoubleClicked);
    m_search->installEventFilter(this);
    m_search->setFocus();
}

void QtLookupDialog::setUpTable() {
    m_table->setModel(m_rows);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    sizeColumns();
    if (m_rows->rowCount() > 0)
        m_table->setCurrentIndex(m_rows->index(0, 0));
    if (m_multiSelect) {
        connect(m_table, &QAbstractItemView::clicked, this, &QtLookupDialog::toggleRow);
        m_table->installEventFilter(this);
    }
}

QDialogButtonBox* QtLookupDialog::makeButtons() {
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    if (m_multiSelect) {
        connect(buttons->addButton(QStringLiteral("Marcar todos"), QDialogButtonBox::ActionRole),
                &QPushButton::clicked, this, [this] { markShown(true); });
        connect(buttons->addButton(QStringLiteral("Desmarcar todos"), QDialogButtonBox::ActionRole),
                &QPushButton::clicked, this, [this] { markShown(false); });
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

// Each column as wide as its title and its widest cell among the sampled rows, as
// resizeColumnsToContents would make it over those rows (a grid line included).
void QtLookupDialog::sizeColumns() {
    const QStyleOptionViewItem option = ItemOption(m_table);
    QAbstractItemDelegate* delegate = m_table->itemDelegate();
    const std::vector<int> sample = m_rows->sampleRows(kWidthSampleRows);
    const int gridLine = m_table->showGrid() ? 1 : 0;
    for (int column = 0; column < m_rows->columnCount(); ++column) {
        int width = m_table->horizontalHeader()->sectionSizeHint(column);
        for (int row : sample)
            width = std::max(width, delegate->sizeHint(option, m_rows->index(row, column)).width() +
                                        gridLine);
        m_table->setColumnWidth(column, width);
    }
}

void QtLookupDialog::filter(const QString& text) {
    m_rows->setFilterText(text);
    if (m_rows->rowCount() > 0)
        m_table->setCurrentIndex(m_rows->index(0, 0));
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
    if (index.isValid())
        m_rows->toggleMark(index.row());
}

// "Marcar todos" and "Desmarcar todos" act on the rows the filter shows.
void QtLookupDialog::markShown(bool marked) {
    m_rows->setShownMarks(marked);
}

std::vector<int> QtLookupDialog::ChosenRows() const {
    std::vector<int> rows = m_rows->markedRows();
    if (rows.empty()) {
        const QModelIndex current = m_table->currentIndex();
        const int source = current.isValid() ? m_rows->sourceRow(current.row()) : -1;
        if (source >= 0)
            rows.push_back(source);
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
