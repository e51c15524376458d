#include "sheet/fiche.h"
#include "sheet/inventaire.h"
#include "shell/main_form.h"
#include "store/register.h"
#include "store/settings.h"
#include "support/fake_desktop.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pesavia::test {
namespace {

void Tape(Grid& grid, int col, int row, const std::string& text) {
    grid.editChange(col, row, text);
    grid.editDone(col, row);
}

TEST(SheetRoundTrip, SaveCloseAndReopenThroughTheMainWindow) {
    TempDir tmp;
    FakeDesktop desktop;
    {
        Programme programme;
        TFormMain main(programme, desktop);
        main.ComboBoxListeAvion.type("f-jabc", false);
        main.EditTypeAvion.type("Skyranger");
        main.EditMTOW.type("450");
        main.EditLieu.type("Moissac");
        main.RadioGroupType.click(0);
        desktop.onNextModal<TFormFiche>([](TFormFiche& f) {
            const char* lectures[3][2] = {{"120.5", "0.5"}, {"119.8", "0.5"}, {"60", "0"}};
            for (int r = 1; r <= 3; ++r) {
                Tape(f.AdvStringGrid1, 1, r, lectures[r - 1][0]);
                Tape(f.AdvStringGrid1, 2, r, lectures[r - 1][1]);
            }
            f.Editdvalue.type("1,2");
            f.Editdvalue.leave();
            f.Editbigdvalue.type("1.5");
            f.Editbigdvalue.leave();
            f.ButtonAddCorrection.click();
            Tape(f.AdvStringGridCorrection, 0, 2, "Extincteur");
            Tape(f.AdvStringGridCorrection, 1, 2, "10");
            Tape(f.AdvStringGridCorrection, 2, 2, "0.5");
            f.ButtonAddPoint.click();
            Tape(f.AdvStringGrid2, 1, 1, "0.8");
            Tape(f.AdvStringGrid2, 2, 1, "400");
            Tape(f.AdvStringGridDevis, 1, 2, "0.5");
            Tape(f.AdvStringGridDevis, 2, 2, "20");
            f.ButtonInventaire.click();
            f.ButtonsaveClick();
        });
        desktop.onNextModal<TFormInventaire>([](TFormInventaire& inv) {
            Tape(inv.AdvStringGridInventaire, 0, 1, "Hélice tripale");
            Tape(inv.AdvStringGridInventaire, 2, 1, "1");
            Tape(inv.AdvStringGridInventaire, 3, 1, "2,5");
        });
        main.ButtonNew.click();
        ASSERT_TRUE(desktop.modalScripts.empty());
    }

    const std::string data = DossierProgramme();
    const TAvion entry = ChargeAvions(data + "pesavia.ini").at(0);
    EXPECT_EQ(entry.Immat, "F-JABC");
    EXPECT_EQ(entry.Masse, "299.30");
    EXPECT_EQ(entry.MasseVide, "289.30");
    EXPECT_EQ(entry.DValue, "1.2000");
    EXPECT_EQ(entry.DateDerPesee, "11/12/2026");

    Programme programme;
    TFormMain main(programme, desktop);
    ASSERT_EQ(main.ComboBoxListeAvion.items(), std::vector<std::string>{"F-JABC"});
    main.ComboBoxListeAvion.pick(0);
    bool shown = false;
    desktop.onNextModal<TFormFiche>([&](TFormFiche& f) {
        shown = true;
        EXPECT_EQ(f.AdvStringGrid1.cell(1, 2), "119.80");
        EXPECT_EQ(f.AdvStringGrid1.cell(3, 3), "60.00");
        EXPECT_EQ(f.STMasseMesuree.text(), "299.30");
        EXPECT_EQ(f.Editdvalue.text(), "1.2000");
        EXPECT_EQ(f.STDrefMesuree.text(), "0.8993");
        EXPECT_EQ(f.AdvStringGridCorrection.rowCount(), 4);
        EXPECT_EQ(f.AdvStringGridCorrection.cell(0, 2), "Extincteur");
        EXPECT_EQ(f.STMasseVide.text(), "289.30");
        EXPECT_EQ(f.STDrefcorr.text(), "0.9131");
        EXPECT_EQ(f.AdvStringGrid2.rowCount(), 2);
        EXPECT_EQ(f.AdvStringGrid2.cell(2, 1), "400.00");
        EXPECT_EQ(f.AdvStringGridDevis.cell(3, 2), "10.00");
        EXPECT_EQ(f.AdvStringGridDevis.cell(2, 7), "309.30");
        EXPECT_EQ(f.EditXmin.text(), entry.XMin);
        EXPECT_TRUE(f.Chart1.visible());
        f.ButtonInventaire.click();
    });
    desktop.onNextModal<TFormInventaire>([](TFormInventaire& inv) {
        const Grid& g = inv.AdvStringGridInventaire;
        EXPECT_EQ(g.cell(0, 1), "Hélice tripale");
        EXPECT_EQ(g.cell(3, 1), "2.50");
        EXPECT_EQ(g.cell(3, 29), "0.00"); // totalled with the count, before 2,5 was refused
    });
    main.ButtonNew.click();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(desktop.modalScripts.empty());
    EXPECT_EQ(desktop.texts(), std::vector<std::string>{"Masse incorrecte"});
}

} // namespace
} // namespace pesavia::test
