// The lookup window's rows: the filter (any column, ignoring case, narrowed key by key), the
// marks of a multi-choice lookup on the rows shown, the mapping back to the request's rows,
// and the column widths measured on a sample.

#include "qtview/QtLookupRowsModel.h"

#include "QtViewTestSupport.h"
#include "qtview/QtLookupDialog.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <gmock/gmock.h>

using namespace ger;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

LookupRequest Branches(bool multiSelect) {
    LookupRequest request;
    request.title = "Filial";
    request.columnTitles = QStringList({QString::fromUtf8("Código"), "Nome"});
    request.rows = {{"0001", QString::fromUtf8("Matriz São Paulo")},
                    {"0002", "Filial Rio"},
                    {"0010", "Filial Recife"},
                    {"0101", QString::fromUtf8("FILIAL SÃO LUÍS")}};
    request.multiSelect = multiSelect;
    return request;
}

// The source rows of every shown row, in order.
std::vector<int> Shown(const QtLookupRowsModel& model) {
    std::vector<int> rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows.push_back(model.sourceRow(row));
    return rows;
}

QString Cell(const QtLookupRowsModel& model, int row, int column) {
    return model.data(model.index(row, column)).toString();
}

class QtLookupRowsModelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qtviewtest::EnsureApplication(); }
};

} // namespace

TEST_F(QtLookupRowsModelTest, ShowsEveryRowUnderItsColumnTitlesAsReadOnlyCells) {
    QtLookupRowsModel model(Branches(false));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QString::fromUtf8("Código"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Nome");
    EXPECT_EQ(Cell(model, 2, 1), "Filial Recife");
    EXPECT_EQ(model.flags(model.index(0, 0)), Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::CheckStateRole).isValid())
        << "a single-choice lookup has no marks";
    EXPECT_FALSE(model.data(model.index(4, 0)).isValid());
    EXPECT_EQ(model.sourceRow(4), -1);
    EXPECT_EQ(model.sourceRow(-1), -1);
}

TEST_F(QtLookupRowsModelTest, TheFilterKeepsRowsWithTheTextInAnyColumnIgnoringCase) {
    QtLookupRowsModel model(Branches(false));
    model.setFilterText("rio");
    EXPECT_THAT(Shown(model), ElementsAre(1));
    model.setFilterText(QString::fromUtf8("são"));
    EXPECT_THAT(Shown(model), ElementsAre(0, 3)) << "accents fold with case: SÃO";
    model.setFilterText("010");
    EXPECT_THAT(Shown(model), ElementsAre(2, 3)) << "0010 and 0101, in the request's order";
    EXPECT_EQ(Cell(model, 1, 1), QString::fromUtf8("FILIAL SÃO LUÍS"));
    model.setFilterText("x");
    EXPECT_EQ(model.rowCount(), 0);
    model.setFilterText("");
    EXPECT_THAT(Shown(model), ElementsAre(0, 1, 2, 3));
}

TEST_F(QtLookupRowsModelTest, EachFilterResetsTheModel) {
    QtLookupRowsModel model(Branches(false));
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.setFilterText("F");
    model.setFilterText("Fi");
    EXPECT_EQ(resets.count(), 2);
    EXPECT_EQ(model.filterText(), "Fi");
}

// Whatever was typed before, the rows shown are those a filter of the whole list gives.
struct TypedTexts {
    const char* name;
    std::vector<const char*> texts;
    friend void PrintTo(const TypedTexts& typed, std::ostream* out) { *out << typed.name; }
};

class QtLookupRowsModelTypingTest : public QtLookupRowsModelTest,
                                    public ::testing::WithParamInterface<TypedTexts> {
protected:
    // Rows with numbers and names that share fragments in many ways.
    static LookupRequest ManyRows() {
        const QStringList names{"Silva", "Silveira", "Oliveira", "Souza",
                                QString::fromUtf8("Conceição")};
        LookupRequest request;
        request.columnTitles = QStringList({"Número", "Nome", "Fantasia"});
        for (int i = 0; i < 3000; ++i)
            request.rows.push_back({QString::number(i * 7919 % 100000).rightJustified(5, u'0'),
                                    names[i % 5] + u' ' + names[(i / 5) % 5].toUpper(),
                                    i % 3 ? QString() : QStringLiteral("Loja %1").arg(i)});
        return request;
    }

    static std::vector<int> Expected(const LookupRequest& request, const QString& text) {
        std::vector<int> rows;
        for (size_t row = 0; row < request.rows.size(); ++row) {
            const QStringList& cells = request.rows[row];
            if (std::any_of(cells.begin(), cells.end(), [&](const QString& cell) {
                    return cell.contains(text, Qt::CaseInsensitive);
                }))
                rows.push_back(static_cast<int>(row));
        }
        return rows;
    }
};

TEST_P(QtLookupRowsModelTypingTest, ShowsWhatAFilterOfTheWholeListShows) {
    const LookupRequest request = ManyRows();
    QtLookupRowsModel model(request);
    for (const char* typed : GetParam().texts) {
        const QString text = QString::fromUtf8(typed);
        model.setFilterText(text);
        EXPECT_EQ(Shown(model), Expected(request, text)) << typed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, QtLookupRowsModelTypingTest,
    ::testing::Values(TypedTexts{"KeyByKey", {"s", "si", "sil", "silv", "silve"}},
                      TypedTexts{"CaseChangesOnTheWay", {"S", "sI", "SIL", "silV"}},
                      TypedTexts{"BackspaceWidens", {"silv", "sil", "si", "s", ""}},
                      TypedTexts{"TextInsertedInTheMiddle", {"sva", "silva", "siva"}},
                      TypedTexts{"PrefixThenFragment", {"1", "12", "123", "", "ei", "eir"}},
                      TypedTexts{"TextReplaced", {"ouza", "veira", "ção", "CONCEI"}},
                      TypedTexts{"SecondColumnThenThird", {"loja", "loja 3", "loja 30"}},
                      TypedTexts{"NothingThenMore", {"zz", "zzz", "z"}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(QtLookupRowsModelTest, MarksActOnTheShownRowsAndStayWithTheirRowsWhenHidden) {
    QtLookupRowsModel model(Branches(true));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setFilterText("filial");
    model.setShownMarks(true); // 0002, 0010, 0101
    model.setFilterText("01");
    model.setShownMarks(false); // 0010, 0101
    model.setFilterText("");
    EXPECT_THAT(model.markedRows(), ElementsAre(1));
    model.setFilterText("0");
    model.toggleMark(0); // 0001 marked
    model.toggleMark(1); // 0002 unmarked
    model.toggleMark(3); // 0101 marked
    EXPECT_THAT(model.markedRows(), ElementsAre(0, 3));
    model.setFilterText(QString::fromUtf8("são"));
    EXPECT_EQ(model.data(model.index(1, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_FALSE(model.data(model.index(1, 1), Qt::CheckStateRole).isValid())
        << "the mark is drawn in the first column only";
    model.toggleMark(1); // shown row 1 is source row 3
    EXPECT_THAT(model.markedRows(), ElementsAre(0));
    EXPECT_TRUE(model.isMarked(0));
    EXPECT_FALSE(model.isMarked(3));
}

TEST_F(QtLookupRowsModelTest, AMarkChangeIsAnnouncedForTheFirstColumn) {
    QtLookupRowsModel model(Branches(true));
    model.setFilterText("filial");
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    model.toggleMark(2);
    model.setShownMarks(true);
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes[0][0].toModelIndex(), model.index(2, 0));
    EXPECT_EQ(changes[1][0].toModelIndex(), model.index(0, 0));
    EXPECT_EQ(changes[1][1].toModelIndex(), model.index(2, 0));
}

TEST_F(QtLookupRowsModelTest, MarkingOutsideTheShownRowsOrInASingleChoiceDoesNothing) {
    QtLookupRowsModel multi(Branches(true));
    multi.setFilterText("rio");
    multi.toggleMark(1);
    multi.toggleMark(-1);
    EXPECT_THAT(multi.markedRows(), IsEmpty());
    multi.setFilterText("nada");
    multi.setShownMarks(true);
    EXPECT_THAT(multi.markedRows(), IsEmpty());

    QtLookupRowsModel single(Branches(false));
    single.toggleMark(0);
    single.setShownMarks(true);
    EXPECT_THAT(single.markedRows(), IsEmpty());
    EXPECT_FALSE(single.isMarked(0));
}

TEST_F(QtLookupRowsModelTest, TheSampleSpreadsOverTheShownRowsFromFirstToLast) {
    LookupRequest request;
    request.columnTitles = QStringList({"N"});
    for (int i = 0; i < 1001; ++i)
        request.rows.push_back({QString::number(i)});
    QtLookupRowsModel model(request);
    EXPECT_THAT(model.sampleRows(5), ElementsAre(0, 250, 500, 750, 1000));
    EXPECT_THAT(model.sampleRows(1), ElementsAre(0));
    EXPECT_THAT(model.sampleRows(0), IsEmpty());
    model.setFilterText("99"); // 99, 199, ..., 990..999: 19 rows
    EXPECT_EQ(model.sampleRows(500).size(), 19u);
    EXPECT_EQ(model.sampleRows(2).back(), 18);
}

// On a list shorter than the sample every row is measured: the columns come out as Qt's own
// resizeColumnsToContents makes them.
TEST_F(QtLookupRowsModelTest, TheWindowsColumnsFitTheirWidestCellAsQtWouldSizeThem) {
    LookupRequest request;
    request.columnTitles = QStringList({"Inscrição", "Razão Social", "Nome Fantasia"});
    for (int i = 0; i < 40; ++i)
        request.rows.push_back({QString::number(10000 + i), QStringLiteral("Cliente %1").arg(i),
                                QStringLiteral("Loja")});
    request.rows[23][1] = QStringLiteral("Distribuidora de Bebidas Serra Azul Ltda.");
    for (bool multiSelect : {false, true}) {
        request.multiSelect = multiSelect;
        QtLookupDialog dialog(request);
        QTableView* table = dialog.Table();
        const int code = table->columnWidth(0);
        const int name = table->columnWidth(1);
        table->resizeColumnsToContents();
        EXPECT_EQ(code, table->columnWidth(0)) << multiSelect;
        EXPECT_EQ(name, table->columnWidth(1)) << multiSelect;
        EXPECT_GT(name, table->fontMetrics().horizontalAdvance(request.rows[23][1]));
    }
}

// A long list: the widths come from the sample, which holds the widest cell when it lies on a
// sampled row and misses it elsewhere.
TEST_F(QtLookupRowsModelTest, ALongListsColumnsAreMeasuredOnTheSampleOnly) {
    LookupRequest request;
    request.columnTitles = QStringList({"N", "Nome", "Fantasia"});
    const int rows = 20 * QtLookupDialog::kWidthSampleRows;
    for (int i = 0; i < rows; ++i)
        request.rows.push_back({QString::number(i), QStringLiteral("Cliente"), QString()});
    const QString wide = QStringLiteral("Distribuidora de Bebidas Serra Azul Ltda.");
    request.rows[1][1] = wide; // not a sampled row: they are 0, 20, 40, ...
    const int narrow = QtLookupDialog(request).Table()->columnWidth(1);
    request.rows[rows - 1][1] = wide; // the last row is sampled
    QtLookupDialog dialog(request);
    EXPECT_LT(narrow, dialog.fontMetrics().horizontalAdvance(wide));
    EXPECT_GT(dialog.Table()->columnWidth(1), dialog.fontMetrics().horizontalAdvance(wide));
}

// The window's result is in request rows, whatever the filter shows when OK is pressed.
TEST_F(QtLookupRowsModelTest, TheWindowChoosesRequestRowsThroughTheFilter) {
    QtLookupDialog single(Branches(false));
    single.SearchBox()->setText("recife");
    EXPECT_THAT(single.ChosenRows(), ElementsAre(2)) << "the first row shown is current";
    single.SearchBox()->setText("nada");
    EXPECT_THAT(single.ChosenRows(), IsEmpty());

    QtLookupDialog multi(Branches(true));
    multi.SearchBox()->setText(QString::fromUtf8("SÃO"));
    multi.Rows()->setShownMarks(true);
    multi.SearchBox()->setText("rio");
    EXPECT_THAT(multi.ChosenRows(), ElementsAre(0, 3)) << "marks, not the current row";
}
