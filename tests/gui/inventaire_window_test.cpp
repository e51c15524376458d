#include "gui/inventaire_window.h"

#include "gui/grid_view.h"
#include "sheet/inventaire.h"
#include "support/fake_desktop.h"
#include "test_application.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace pesavia {
namespace {

class InventaireWindowTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { test::TestApplication(); }
    void SetUp() override {
        window = std::make_unique<InventaireWindow>(inventaire, desktop);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void typeInto(int col, int row, const QString& keys) {
        ASSERT_TRUE(test::TypeIntoCell(window->grid(), col, row, keys));
    }

    test::FakeDesktop desktop;
    TFormInventaire inventaire{desktop};
    std::unique_ptr<InventaireWindow> window;
};

TEST_F(InventaireWindowTest, showsTheDefaultListAtItsDesignSize) {
    EXPECT_EQ(window->windowTitle(),
              QString::fromUtf8("Inventaire de l'équipement présent lors de la pesée"));
    EXPECT_EQ(window->size(), QSize(1008, 734));
    GridView* view = window->grid();
    EXPECT_EQ(view->model()->rowCount(), 30);
    EXPECT_EQ(view->columnWidth(0), 340);
    EXPECT_EQ(view->columnWidth(4), 100);
    EXPECT_EQ(view->model()->index(29, 0).data().toString(), QStringLiteral("Correction globale"));
}

TEST_F(InventaireWindowTest, typedValuesReachTheTotalsAndTheDecimalEditorTakesAPointUnderAnyLocale) {
    typeInto(2, 1, QStringLiteral("2x")); // the count's editor takes digits only
    typeInto(3, 1, QStringLiteral("1.5"));
    typeInto(4, 1, QStringLiteral("-0.3"));
    EXPECT_EQ(inventaire.AdvStringGridInventaire.cell(2, 1), "2");
    EXPECT_EQ(inventaire.AdvStringGridInventaire.cell(3, 29), "3.00");
    EXPECT_EQ(inventaire.AdvStringGridInventaire.cell(4, 29), "-0.60");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(InventaireWindowTest, theContextMenuAddsAndRemovesLines) {
    QMenu* menu = window->grid()->contextMenu();
    ASSERT_NE(menu, nullptr);
    const auto actions = menu->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Ajouter une ligne"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Supprimer la ligne"));
    actions[0]->trigger();
    EXPECT_EQ(window->grid()->model()->rowCount(), 31);
    window->grid()->setCurrentIndex(window->grid()->model()->index(3, 0)); // the operator picks a line
    actions[1]->trigger();
    EXPECT_EQ(window->grid()->model()->rowCount(), 30);
    EXPECT_EQ(inventaire.AdvStringGridInventaire.cell(0, 3), "Batterie");
}

} // namespace
} // namespace pesavia
