#include "sheet/inventaire.h"

#include "sheet/grid_cells.h"
#include "store/numbers.h"

namespace pesavia {

TFormInventaire::TFormInventaire(Desktop& desktop) : desktop_(desktop) {
    Grid& g = AdvStringGridInventaire;
    g.editorKind = [this](int c, int r) { return AdvStringGridInventaireGetEditorType(c, r); };
    g.OnEditCellDone = [this](int c, int r) { AdvStringGridInventaireEditCellDone(c, r); };
    AddInventaireLine.OnClick = [this] { AddInventaireLineClick(); };
    DelInventaireLine.OnClick = [this] { DelInventaireLineClick(); };
    FormCreate();
}

void TFormInventaire::FormCreate() {
    Grid& g = AdvStringGridInventaire;
    g.setColCount(5);
    g.setRowCount(30);
    g.setFixedRows(1);
    g.setFixedCols(0);
    g.setFixedFooterRows(1);
    g.setDefaultRowHeight(24);
    const int widths[] = {340, 340, 60, 100, 100};
    for (int c = 0; c < 5; ++c)
        g.setColWidth(c, widths[c]);
    SetRowTexts(g, 0, {"Equipement", "Marque Type", "Nombre", "Masse unitaire (kg)", "Moment unitaire +/-"});
    for (int c = 0; c < 5; ++c)
        g.setAlignment(c, 0, Alignment::Center);
    SetColTexts(g, 0, 1,
                {"Hélice",
                 "Démarreur",
                 "Génératrice ou Alternateur",
                 "Batterie",
                 "Anémomètre",
                 "Altimètre",
                 "Variométre",
                 "Horizon/Dr de vol",
                 "Indicateur de virage",
                 "Directionnel",
                 "Compas à distance",
                 "V.H.F.",
                 "H.F.",
                 "V.O.R.",
                 "D.M.E.",
                 "I.L.S.",
                 "Marker",
                 "Transpondeur",
                 "Balise détresse",
                 "Radio-compas",
                 "Casques, micros",
                 "Dégivrage plans",
                 "Dégivrage hélice",
                 "Réservoir suplémentaire",
                 "Pilote automatique",
                 "Sièges",
                 "Chauffage cabine",
                 "Divers",
                 "Correction globale"});
    FillZeros(g, 2, 4, 1, 29);
}

EditorKind TFormInventaire::AdvStringGridInventaireGetEditorType(int col, int row) const {
    if (row < 1) return EditorKind::Text;
    switch (col) {
    case 2:
        return EditorKind::PositiveNumber;
    case 3:
    case 4:
        return EditorKind::Float;
    default:
        return EditorKind::Text;
    }
}

void TFormInventaire::AdvStringGridInventaireEditCellDone(int col, int row) {
    if (row < 1 || col < 2 || col > 4) return;
    Grid& g = AdvStringGridInventaire;
    // The checks use the texts as typed, before the edited cell is rewritten.
    const auto count = LitEntier(g.cell(2, row));
    const auto mass = LitCellule(g, 3, row);
    const auto moment = LitCellule(g, 4, row);
    if (col != 2) NormaliseCellule(g, col, row, "%.2f");

    const auto refuse = [&](const char* message) {
        desktop_.ShowMessage(message);
        g.selectCell(col, row);
    };
    if (col == 2 && !count) return refuse("Nombre incorrecte");
    if (col == 3 && !mass) return refuse("Masse incorrecte");
    if (col == 4 && !moment) return refuse("Moment incorrect");
    if (count && mass && moment) CalculTotaux();
}

void TFormInventaire::CalculTotaux() {
    Grid& g = AdvStringGridInventaire;
    const int footer = g.rowCount() - 1;
    long double mass = 0, moment = 0;
    // An empty cell, or one that does not read, counts for nothing.
    for (int r = 1; r < footer; ++r) {
        const long double count = LitEntier(g.cell(2, r)).value_or(0);
        mass += count * LitCellule(g, 3, r).value_or(0);
        moment += count * LitCellule(g, 4, r).value_or(0);
    }
    g.setCell(3, footer, FormatNombre(mass, 2));
    g.setCell(4, footer, FormatNombre(moment, 2));
}

void TFormInventaire::AddInventaireLineClick() {
    Grid& g = AdvStringGridInventaire;
    const int last = g.rowCount() - 2;
    if (g.rowCount() > 1 && (!LitEntier(g.cell(2, last)) || !LitCellule(g, 3, last))) return;
    InsereLigneAvantPied(g);
}

void TFormInventaire::DelInventaireLineClick() {
    if (SupprimeLigneSelectionnee(AdvStringGridInventaire)) CalculTotaux();
}

} // namespace pesavia
