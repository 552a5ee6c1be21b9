// TDBGrid: geometry, what the cells show, and painting through a TCanvas.

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

#include <QScopedValueRollback>
#include <algorithm>
#include <cstdlib>

namespace ger {
namespace {

constexpr int kTextMargin = 2;

int textLeft(const TCanvas& canvas, const TRect& rect, const QString& text, TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return rect.Right - canvas.TextWidth(text) - kTextMargin - 1;
    case taCenter:
        return rect.Left + (rect.Width() - canvas.TextWidth(text)) / 2;
    case taLeftJustify:
        break;
    }
    return rect.Left + kTextMargin;
}

QString indicatorSymbol(RowIndicator indicator) {
    switch (indicator) {
    case RowIndicator::Current:
        return QStringLiteral(">");
    case RowIndicator::Editing:
        return QStringLiteral("I");
    case RowIndicator::Inserting:
        return QStringLiteral("*");
    case RowIndicator::None:
        break;
    }
    return {};
}

} // namespace

// A line of the font (its height plus 2) and 3 pixels of margin, as the platform sizes rows.
int TDBGrid::RowHeight() const {
    return std::abs(Font().Height) + 2 + 3;
}

int TDBGrid::RowPitch() const {
    return RowHeight() + (m_options.testFlag(dgRowLines) ? 1 : 0);
}

int TDBGrid::DataTop() const {
    return m_options.testFlag(dgTitles) ? RowPitch() : 0;
}

int TDBGrid::VisibleRowCount() const {
    return std::max(0, (ClientHeight() - DataTop()) / RowPitch());
}

// One past the last row drawn: every row whose top lies inside the client area.
int TDBGrid::DrawnRowEnd() const {
    if (!m_link.Active())
        return m_topRow;
    const int room = std::max(0, ClientHeight() - DataTop());
    return std::min(RowCount(), m_topRow + (room + RowPitch() - 1) / RowPitch());
}

int TDBGrid::ColumnLeft(int column) const {
    const int line = m_options.testFlag(dgColLines) ? 1 : 0;
    int left = m_options.testFlag(dgIndicator) ? IndicatorWidth + line : 0;
    for (int i = 0; i < column && i < m_columns.Count(); ++i)
        if (m_columns[i]->Visible())
            left += m_columns[i]->Width() + line;
    return left;
}

TRect TDBGrid::CellRect(int row, int column) const {
    if (column < 0 || column >= m_columns.Count())
        return {};
    const TColumn* c = m_columns[column];
    const int left = ColumnLeft(column);
    const int top = row < 0 ? 0 : DataTop() + (row - m_topRow) * RowPitch();
    return Bounds(left, top, c->Visible() ? c->Width() : 0, RowHeight());
}

int TDBGrid::ColumnEdgeAt(const QPoint& point) const {
    constexpr int reach = 3;
    if (!m_options.testFlag(dgColumnResize) || !m_options.testFlag(dgTitles) || point.y() < 0 ||
        point.y() >= DataTop())
        return -1;
    for (int column = 0; column < m_columns.Count(); ++column) {
        if (!m_columns[column]->Visible())
            continue;
        const int edge = ColumnLeft(column) + m_columns[column]->Width();
        if (std::abs(point.x() - edge) <= reach)
            return column;
    }
    return -1;
}

void TDBGrid::UserResizeColumn(int column, int width) {
    if (column < 0 || column >= m_columns.Count())
        return;
    m_columns[column]->SetWidth(std::max(MinColumnWidth, width));
}

bool TDBGrid::CellAt(const QPoint& point, int& row, int& column) const {
    if (point.x() < 0 || point.y() < 0 || point.x() >= ClientWidth() || point.y() >= ClientHeight())
        return false;
    if (point.y() < DataTop()) {
        row = -1;
    } else {
        row = m_topRow + (point.y() - DataTop()) / RowPitch();
        if (row >= RowCount())
            return false;
    }
    const int line = m_options.testFlag(dgColLines) ? 1 : 0;
    column = -1;
    for (int i = 0; i < m_columns.Count(); ++i) {
        if (!m_columns[i]->Visible())
            continue;
        const int left = ColumnLeft(i);
        if (point.x() >= left && point.x() < left + m_columns[i]->Width() + line) {
            column = i;
            break;
        }
    }
    return column >= 0 || (m_options.testFlag(dgIndicator) && point.x() < IndicatorWidth);
}

QString TDBGrid::DisplayText(int row, int column) const {
    if (!m_link.Active() || row < 0 || row >= RowCount() || column < 0 ||
        column >= m_columns.Count())
        return {};
    const TField* field = m_columns[column]->Field();
    if (!field)
        return {};
    TDataSet::ActiveRecordScope scope(*DataSet(), row);
    return field->DisplayText();
}

QString TDBGrid::TitleText(int column) const {
    if (column < 0 || column >= m_columns.Count())
        return {};
    return m_columns[column]->Title().Caption();
}

RowIndicator TDBGrid::Indicator(int row) const {
    if (!m_link.Active() || row != CurrentRow())
        return RowIndicator::None;
    switch (DataSet()->State()) {
    case dsEdit:
        return RowIndicator::Editing;
    case dsInsert:
        return RowIndicator::Inserting;
    default:
        return RowIndicator::Current;
    }
}

TGridDrawState TDBGrid::CellState(int row, int column) const {
    TGridDrawState state;
    if (row != CurrentRow())
        return state;
    if (column == m_selectedIndex || m_options.testFlag(dgRowSelect))
        state |= gdSelected;
    if (column == m_selectedIndex && Focused())
        state |= gdFocused;
    return state;
}

TCanvas* TDBGrid::Canvas() {
    return m_paintCanvas ? m_paintCanvas : &m_idleCanvas;
}

void TDBGrid::Paint(TCanvas& canvas) {
    const QScopedValueRollback painting(m_paintCanvas, &canvas);
    canvas.Brush().Color = Color();
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(Bounds(0, 0, ClientWidth(), ClientHeight()));
    DrawCells(canvas);
}

void TDBGrid::DrawCells(TCanvas& canvas) {
    const QScopedValueRollback painting(m_paintCanvas, &canvas);
    if (m_options.testFlag(dgTitles))
        DrawTitles(canvas);
    if (m_options.testFlag(dgIndicator))
        DrawIndicator(canvas);
    for (int row = m_topRow; row < DrawnRowEnd(); ++row)
        DrawRow(canvas, row);
    DrawLines(canvas);
}

void TDBGrid::DrawTitles(TCanvas& canvas) {
    for (int i = 0; i < m_columns.Count(); ++i) {
        const TColumn* column = m_columns[i];
        if (!column->Visible())
            continue;
        const TRect rect = CellRect(-1, i);
        const QString caption = column->Title().Caption();
        canvas.Brush().Color = column->Title().Color();
        canvas.Font() = column->Title().Font();
        canvas.TextRect(rect, textLeft(canvas, rect, caption, column->Title().Alignment()),
                        rect.Top + kTextMargin, caption);
    }
}

void TDBGrid::DrawIndicator(TCanvas& canvas) {
    canvas.Brush().Color = m_fixedColor;
    canvas.Font() = Font();
    if (m_options.testFlag(dgTitles))
        canvas.FillRect(Bounds(0, 0, IndicatorWidth, RowHeight()));
    for (int row = m_topRow; row < DrawnRowEnd(); ++row) {
        const TRect rect =
            Bounds(0, DataTop() + (row - m_topRow) * RowPitch(), IndicatorWidth, RowHeight());
        const QString symbol = indicatorSymbol(Indicator(row));
        if (symbol.isEmpty())
            canvas.FillRect(rect);
        else
            canvas.TextRect(rect, rect.Left + kTextMargin, rect.Top + kTextMargin, symbol);
    }
}

void TDBGrid::DrawRow(TCanvas& canvas, int row) {
    TDataSet::ActiveRecordScope scope(*DataSet(), row);
    const bool showSelection = Focused() || m_options.testFlag(dgAlwaysShowSelection);
    for (int i = 0; i < m_columns.Count(); ++i) {
        TColumn* column = m_columns[i];
        if (!column->Visible())
            continue;
        const TRect rect = CellRect(row, i);
        const TGridDrawState state = CellState(row, i);
        const bool highlight = state.testFlag(gdSelected) && showSelection;
        canvas.Brush().Color = highlight ? clHighlight : column->Color();
        canvas.Brush().Style = bsSolid;
        canvas.Font() = column->Font();
        if (highlight)
            canvas.Font().Color = clHighlightText;
        if (m_defaultDrawing)
            DefaultDrawColumnCell(rect, i, column, state);
        if (OnDrawColumnCell)
            OnDrawColumnCell(this, rect, i, column, state);
    }
}

void TDBGrid::DefaultDrawColumnCell(const TRect& Rect, int, TColumn* Column, TGridDrawState) {
    TCanvas& canvas = *Canvas();
    const TField* field = Column ? Column->Field() : nullptr;
    const QString text = field ? field->DisplayText() : QString();
    const TAlignment alignment = Column ? Column->Alignment() : taLeftJustify;
    canvas.TextRect(Rect, textLeft(canvas, Rect, text, alignment), Rect.Top + kTextMargin, text);
}

void TDBGrid::DrawLines(TCanvas& canvas) {
    const bool colLines = m_options.testFlag(dgColLines);
    const bool rowLines = m_options.testFlag(dgRowLines);
    if (!colLines && !rowLines)
        return;
    const int shownRows = DrawnRowEnd() - m_topRow;
    const int bottom = DataTop() + shownRows * RowPitch();
    const int right = ColumnLeft(m_columns.Count());
    canvas.Pen().Color = clSilver;
    if (colLines) {
        if (m_options.testFlag(dgIndicator)) {
            canvas.MoveTo(IndicatorWidth, 0);
            canvas.LineTo(IndicatorWidth, bottom);
        }
        for (int i = 0; i < m_columns.Count(); ++i) {
            if (!m_columns[i]->Visible())
                continue;
            const int x = ColumnLeft(i) + m_columns[i]->Width();
            canvas.MoveTo(x, 0);
            canvas.LineTo(x, bottom);
        }
    }
    if (rowLines) {
        const int rows = shownRows + (m_options.testFlag(dgTitles) ? 1 : 0);
        for (int i = 0; i < rows; ++i) {
            const int y = (i + 1) * RowPitch() - 1;
            canvas.MoveTo(0, y);
            canvas.LineTo(right, y);
        }
    }
}

} // namespace ger
