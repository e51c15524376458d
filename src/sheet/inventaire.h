#pragma once
#include "controls/control.h"
#include "controls/desktop.h"
#include "controls/grid.h"
#include "controls/text.h"
#include "controls/window.h"

namespace pesavia {

// The equipment present during the weighing, with counts, unit masses and unit moments and their totals
// on the footer "Correction globale". It changes none of the sheet's values.
class TFormInventaire : public WindowModel {
public:
    static constexpr const char* Caption = "Inventaire de l'équipement présent lors de la pesée";

    explicit TFormInventaire(Desktop& desktop); // builds the default list (FormCreate)
    TFormInventaire(const TFormInventaire&) = delete;
    TFormInventaire& operator=(const TFormInventaire&) = delete;

    // The bar above the grid.
    Text LabelAide{
        "Utilisez le clic droit de la souris pour insérer / supprimer une ligne ou éditer directement "
        "les valeurs"};
    Grid AdvStringGridInventaire{5, 30};
    Button AddInventaireLine{"Ajouter une ligne"}, DelInventaireLine{"Supprimer la ligne"};

    EditorKind AdvStringGridInventaireGetEditorType(int col, int row) const;
    void AdvStringGridInventaireEditCellDone(int col, int row);
    void AddInventaireLineClick();
    void DelInventaireLineClick();

private:
    void FormCreate();
    // The footer's total mass and total moment over every item line.
    void CalculTotaux();

    Desktop& desktop_;
};

} // namespace pesavia
