#include "gui/grid_view.h"
#include "test_application.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace pesavia {
namespace {

using test::ModalCloser;

// A window with one 4 × 4 grid (header row, header column, fixed right column) and a button that takes
// the focus, as the other controls of a window do.
struct GridWindow {
    Grid grid{4, 4};
    QWidget window;
    GridView* view;
    QPushButton* other;
    std::vector<std::string> changes; // "col,row=text" of every editor change
    std::vector<CellPos> done;

    GridWindow() {
        grid.setFixedRightCols(1);
        grid.OnEditChange = [this](int c, int r, const std::string& t) {
            changes.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + t);
        };
        grid.OnEditCellDone = [this](int c, int r) { done.push_back({c, r}); };
        auto* layout = new QVBoxLayout(&window);
        view = new GridView(grid);
        other = new QPushButton(QStringLiteral("Autre"));
        layout->addWidget(view);
        layout->addWidget(other);
        window.resize(400, 300);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        view->setFocus();
    }
    QModelIndex at(int col, int row) const { return view->model()->index(row, col); }
    // Types into the current cell: the first key opens the editor, the others go to it.
    QLineEdit* type(const QString& keys) {
        QTest::keyClick(view, keys.at(0).toLatin1());
        QLineEdit* editor = view->openEditor();
        if (editor && keys.size() > 1) QTest::keyClicks(editor, keys.mid(1));
        return editor;
    }
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
};

enum class Leave { Enter, Tab, Down, OtherCell, OtherControl };

class GridViewLeave : public testing::TestWithParam<Leave> {
  protected:
    static void SetUpTestSuite() { test::TestApplication(); }
};

TEST_P(GridViewLeave, typingReportsEveryKeystrokeAndEndsTheEditOnce) {
    GridWindow w;
    w.view->setCurrentIndex(w.at(1, 1));
    QLineEdit* editor = w.type(QStringLiteral("12,5"));
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->font().bold());
    EXPECT_EQ(w.grid.cell(1, 1), "12,5"); // the cell follows the editor live
    EXPECT_TRUE(w.done.empty());

    switch (GetParam()) {
    case Leave::Enter:
        QTest::keyClick(editor, Qt::Key_Return);
        break;
    case Leave::Tab:
        QTest::keyClick(editor, Qt::Key_Tab);
        break;
    case Leave::Down:
        QTest::keyClick(editor, Qt::Key_Down);
        break;
    case Leave::OtherCell:
        QTest::mouseClick(w.view->viewport(), Qt::LeftButton, {}, w.view->visualRect(w.at(2, 2)).center());
        break;
    case Leave::OtherControl:
        QTest::mouseClick(w.other, Qt::LeftButton);
        break;
    }
    GridWindow::settle();

    EXPECT_EQ(w.changes, (std::vector<std::string>{"1,1=1", "1,1=12", "1,1=12,", "1,1=12,5"}));
    ASSERT_EQ(w.done.size(), 1u);
    EXPECT_EQ(w.done[0], (CellPos{1, 1}));
    EXPECT_EQ(w.grid.cell(1, 1), "12,5");
    EXPECT_EQ(w.view->openEditor(), nullptr); // no editor opened by itself on the next cell
    const CellPos expected = GetParam() == Leave::Tab         ? CellPos{2, 1}
                             : GetParam() == Leave::Down      ? CellPos{1, 2}
                             : GetParam() == Leave::OtherCell ? CellPos{2, 2}
                                                              : CellPos{1, 1};
    EXPECT_EQ(w.grid.currentCell(), expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, GridViewLeave,
                         testing::Values(Leave::Enter, Leave::Tab, Leave::Down, Leave::OtherCell,
                                         Leave::OtherControl));

class GridViewTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { test::TestApplication(); }
};

TEST_F(GridViewTest, fixedCellsCannotBeEditedNorSelectedByTheOperator) {
    GridWindow w;
    w.grid.setFixedFooterRows(1);
    for (const CellPos fixed : {CellPos{1, 0}, CellPos{0, 2}, CellPos{3, 1}, CellPos{2, 3}}) {
        SCOPED_TRACE(std::to_string(fixed.col) + "," + std::to_string(fixed.row));
        w.grid.selectCell(fixed.col, fixed.row); // the program may put the current cell there
        ASSERT_EQ(w.view->currentIndex(), w.at(fixed.col, fixed.row));
        EXPECT_FALSE(w.view->model()->flags(w.at(fixed.col, fixed.row)) & Qt::ItemIsEditable);
        QTest::keyClick(w.view, '7');
        QTest::mouseDClick(w.view->viewport(), Qt::LeftButton, {},
                           w.view->visualRect(w.at(fixed.col, fixed.row)).center());
        EXPECT_EQ(w.view->openEditor(), nullptr);
        EXPECT_EQ(w.view->model()->data(w.at(fixed.col, fixed.row), Qt::FontRole).value<QFont>().bold(),
                  true);
    }
    EXPECT_TRUE(w.changes.empty());
    EXPECT_TRUE(w.done.empty());
    // An editable cell is drawn plain.
    EXPECT_FALSE(w.view->model()->data(w.at(1, 1), Qt::FontRole).value<QFont>().bold());
}

// A handler that refuses the typed text, as the sheet's do: a message, then the offending cell selected
// again.
TEST_F(GridViewTest, aMessageAtTheEndOfAnEditDoesNotLoopAndTheOffendingCellIsSelectedAgain) {
    GridWindow w;
    w.grid.OnEditCellDone = [&](int c, int r) {
        w.done.push_back({c, r});
        QMessageBox::information(w.view, QStringLiteral("Pesavia"), QStringLiteral("Masse incorrecte"));
        w.grid.selectCell(c, r);
    };
    ModalCloser closer;
    w.view->setCurrentIndex(w.at(1, 1));
    QLineEdit* editor = w.type(QStringLiteral("12,5"));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Tab);
    QTest::qWait(100);

    EXPECT_EQ(closer.count, 1);
    ASSERT_EQ(w.done.size(), 1u);
    EXPECT_EQ(w.grid.cell(1, 1), "12,5");
    EXPECT_EQ(w.grid.currentCell(), (CellPos{1, 1}));
    EXPECT_EQ(w.view->currentIndex(), w.at(1, 1));
}

// A "V" button validates the cell without ending its edit: its message must not commit the editor.
TEST_F(GridViewTest, aMessageWhileTheEditorIsOpenLeavesTheEditOpen) {
    GridWindow w;
    ModalCloser closer;
    w.view->setCurrentIndex(w.at(2, 1));
    QLineEdit* editor = w.type(QStringLiteral("3"));
    ASSERT_NE(editor, nullptr);
    w.grid.setCell(2, 1, "3.00"); // the program rewrites the cell under edit
    QMessageBox::information(w.view, QStringLiteral("Pesavia"), QStringLiteral("Masse incorrecte"));
    QTest::qWait(50);

    EXPECT_EQ(closer.count, 1);
    EXPECT_TRUE(w.done.empty());
    ASSERT_EQ(w.view->openEditor(), editor);
    EXPECT_EQ(editor->text(), QStringLiteral("3.00"));
    QTest::keyClick(editor, Qt::Key_Return);
    GridWindow::settle();
    EXPECT_EQ(w.done.size(), 1u);
}

TEST_F(GridViewTest, escapeGivesTheCellBackItsTextWithoutEndingAnEdit) {
    GridWindow w;
    w.grid.setCell(1, 2, "80");
    w.view->setCurrentIndex(w.at(1, 2));
    QLineEdit* editor = w.type(QStringLiteral("99"));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Escape);
    GridWindow::settle();
    EXPECT_EQ(w.grid.cell(1, 2), "80");
    EXPECT_TRUE(w.done.empty());
}

TEST_F(GridViewTest, numericEditorsAcceptOnlyTheirCharactersWhateverTheLocale) {
    struct Case {
        EditorKind kind;
        const char* text;
        bool accepted;
    };
    const Case cases[] = {
        {EditorKind::PositiveNumber, "120", true},  {EditorKind::PositiveNumber, "-1", false},
        {EditorKind::PositiveNumber, "1.5", false}, {EditorKind::Float, "-12.5", true},
        {EditorKind::Float, "12,5", true},          {EditorKind::Float, "1.2.3", false},
        {EditorKind::Float, "1,2.3", false},        {EditorKind::Float, "1-2", false},
        {EditorKind::Float, "1e5", false},          {EditorKind::Float, "", true},
    };
    for (const Case& c : cases) {
        NumberValidator validator(c.kind, nullptr);
        QString text = QString::fromLatin1(c.text);
        int pos = 0;
        EXPECT_EQ(validator.validate(text, pos) == QValidator::Acceptable, c.accepted) << c.text;
    }
}

TEST_F(GridViewTest, theEditorOfANumericCellRefusesOtherKeys) {
    GridWindow w;
    w.grid.editorKind = [](int col, int) { return col == 1 ? EditorKind::PositiveNumber : EditorKind::Text; };
    w.view->setCurrentIndex(w.at(1, 1));
    QLineEdit* editor = w.type(QStringLiteral("2a-.5"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("25"));
    EXPECT_EQ(w.grid.cell(1, 1), "25");
}

TEST_F(GridViewTest, sizesAlignmentAndCurrentCellFollowTheModel) {
    GridWindow w;
    w.grid.setColWidth(2, 75);
    w.grid.setRowHeight(0, 36);
    w.grid.setAlignment(1, 2, Alignment::Right);
    EXPECT_EQ(w.view->columnWidth(2), 75);
    EXPECT_EQ(w.view->rowHeight(0), 36);
    EXPECT_EQ(w.view->model()->data(w.at(1, 2), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignRight,
              Qt::AlignRight);
    // A row inserted by the program keeps the current cell where the model puts it.
    w.grid.insertRow(2);
    w.grid.selectCell(0, 2);
    EXPECT_EQ(w.view->model()->rowCount(), 5);
    EXPECT_EQ(w.view->currentIndex(), w.at(0, 2));
    EXPECT_EQ(w.view->rowHeight(2), w.grid.defaultRowHeight());
    // The operator's click moves the model's current cell.
    QTest::mouseClick(w.view->viewport(), Qt::LeftButton, {}, w.view->visualRect(w.at(2, 3)).center());
    EXPECT_EQ(w.grid.currentCell(), (CellPos{2, 3}));
}

TEST_F(GridViewTest, contextMenuEntriesRunThroughTheEventRunner) {
    GridWindow w;
    int wrapped = 0, added = 0;
    w.view->setEventRunner([&](const std::function<void()>& action) {
        ++wrapped;
        action();
    });
    w.view->setContextMenu({{QStringLiteral("Ajouter une ligne"),
                             [&] {
                                 ++added;
                                 w.grid.insertRow(2);
                             }},
                            {QStringLiteral("Supprimer la ligne"), [] {}}});
    ASSERT_NE(w.view->contextMenu(), nullptr);
    const auto actions = w.view->contextMenu()->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Ajouter une ligne"));
    actions[0]->trigger();
    EXPECT_EQ(added, 1);
    EXPECT_EQ(wrapped, 1);
    EXPECT_EQ(w.view->model()->rowCount(), 5);
}

TEST_F(GridViewTest, theAdapterPassesTheItemModelTesterThroughEveryKindOfChange) {
    Grid grid(3, 2);
    GridItemModel model(grid, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.setCell(1, 1, "12.50");
    grid.insertRow(1);
    grid.setColCount(5);
    grid.setAlignment(2, 1, Alignment::Center);
    grid.removeRow(0);
    grid.setRowCount(0);
    grid.setRowCount(4);
    grid.selectCell(2, 3);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.columnCount(), 5);
    EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), QString());
}

} // namespace
} // namespace pesavia
