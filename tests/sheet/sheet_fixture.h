#pragma once
#include "sheet/fiche.h"
#include "store/grid_file.h"
#include "store/numbers.h"
#include "support/fake_desktop.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>

namespace pesavia::test {

// One scale reading and its tare.
struct Lecture {
    const char* masse;
    const char* tare;
};

// A weighing sheet opened for a new aircraft "F-JABC" the way the main window opens one.
class SheetTest : public testing::Test {
protected:
    TempDir tmp;
    FakeDesktop desktop;
    Programme programme;
    std::unique_ptr<TFormFiche> fiche;

    void SetUp() override { Ouvre(); }

    // Creates, labels and computes a sheet; grid files already in the data folder are loaded.
    void Ouvre(int train = 0, const std::string& mtow = "450") {
        fiche = std::make_unique<TFormFiche>(programme, desktop);
        TFormFiche& f = *fiche;
        f.TypeTrain = train;
        f.DataDir = tmp.path();
        f.FichierIni = tmp.file("pesavia.ini");
        f.AdvStringGrid1.setCell(0, 3, train == 0 ? "Roue AV" : "Roue AR");
        f.Lform1.setText(train == 0 ? "D2 = p1 x D / M =" : "D1 = p2 x D / M =");
        f.LForm2.setText(train == 0 ? "x = d - D2 =" : "x = d + D1 =");
        f.StTypeTrain.setText(train == 0 ? "Tricycle" : "Classique");
        f.StTypeAvion.setText("Skyranger");
        f.STImmatAvion.setText("F-JABC");
        f.STDate.setText("01/02/2020");
        f.STLieu.setText("Moissac");
        f.StMTow.setText(mtow);
        const std::string base = tmp.path() + "F-JABC";
        f.FichierPesee = base + "_pesee.bin";
        f.FichierCorrect = base + "_corect.bin";
        f.FichierEnveloppe = base + "_enveloppe.bin";
        f.FichierExemple = base + "_exemple.bin";
        f.FichierInventaire = base + "_inventaire.bin";
        const std::pair<Grid*, std::string> files[] = {{&f.AdvStringGrid1, f.FichierPesee},
                                                       {&f.AdvStringGrid2, f.FichierEnveloppe},
                                                       {&f.AdvStringGridDevis, f.FichierExemple},
                                                       {&f.AdvStringGridCorrection, f.FichierCorrect}};
        for (const auto& [grid, path] : files)
            if (std::filesystem::exists(path)) ChargeGrille(*grid, path);
        f.MaskEditPrecDate.setText("");
        f.EditPrecMasse.setText("");
        f.AligneCellules();
        f.AdvStringGrid1EditCellDone(1, 1);
        f.ButtonGraphClick();
    }

    // The operator types into a grid cell and leaves it.
    static void Tape(Grid& grid, int col, int row, const std::string& text) {
        grid.editChange(col, row, text);
        grid.editDone(col, row);
    }
    static void Tape(Text& field, const std::string& text) {
        field.type(text);
        field.leave();
    }

    // The three readings with their tares, then d and D.
    void Pese(const std::array<Lecture, 3>& lectures, const std::string& d, const std::string& bigD) {
        for (int r = 1; r <= 3; ++r) {
            Tape(fiche->AdvStringGrid1, 1, r, lectures[r - 1].masse);
            Tape(fiche->AdvStringGrid1, 2, r, lectures[r - 1].tare);
        }
        Tape(fiche->Editdvalue, d);
        Tape(fiche->Editbigdvalue, bigD);
    }
    // A weighing as its saved files bring it back: readings, tares, net masses, d and D, then the opening
    // computation. Typing it would fill the chart limits with the partial masses of the first cells.
    void ChargePesee(const std::array<Lecture, 3>& lectures, const std::string& d, const std::string& bigD) {
        Grid& g = fiche->AdvStringGrid1;
        for (int r = 1; r <= 3; ++r) {
            g.setCell(1, r, lectures[r - 1].masse);
            g.setCell(2, r, lectures[r - 1].tare);
            g.setCell(3, r, NormaliseNombre(lectures[r - 1].masse, "%.2f"));
        }
        fiche->Editdvalue.setText(d);
        fiche->Editbigdvalue.setText(bigD);
        fiche->AdvStringGrid1EditCellDone(1, 1);
        fiche->ButtonGraphClick();
    }
    // The tricycle weighing: M 299.30, x 0.8993.
    void PeseTricycle() { Pese({{{"120.5", "0.5"}, {"119.8", "0.5"}, {"60", "0"}}}, "1.2", "1.5"); }

    // Adds a correction line with "+" and types its mass and arm.
    void AjouteCorrection(const std::string& masse, const std::string& bras) {
        fiche->ButtonAddCorrection.click();
        const int row = fiche->AdvStringGridCorrection.rowCount() - 2;
        Tape(fiche->AdvStringGridCorrection, 1, row, masse);
        Tape(fiche->AdvStringGridCorrection, 2, row, bras);
    }

    std::array<std::string, 3> Ligne(const Grid& grid, int row) const {
        return {grid.cell(1, row), grid.cell(2, row), grid.cell(3, row)};
    }
    std::array<std::string, 3> Footer(const Grid& grid) const { return Ligne(grid, grid.rowCount() - 1); }
};

} // namespace pesavia::test
