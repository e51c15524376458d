#include "sheet/fiche.h"

#include "controls/error.h"
#include "controls/text_case.h"
#include "sheet/grid_cells.h"
#include "sheet/inventaire.h"
#include "store/dates.h"
#include "store/grid_file.h"
#include "store/register.h"

#include <filesystem>

namespace pesavia {

TFormFiche::TFormFiche(Programme& programme, Desktop& desktop) : programme_(programme), desktop_(desktop) {
    ButtonValidCorrection.setHint("Valider");
    ButtonAddCorrection.setHint("Ajouter une ligne");
    ButtonSuppCorrection.setHint("Supprimer une ligne");
    PanelCorrection.setHint("Clic droit pour ajouter, supprimer une ligne");
    ButtonValid.setHint("Valider");
    ButtonAddPoint.setHint("Ajouter un point (ou clic droit sur le graphique)");
    ButtonSupppoint.setHint("Supprimer un point");
    ButtonValidDevis.setHint("Valider");
    ButtonAddDevis.setHint("Ajouter une ligne");
    ButtonSuppDevis.setHint("Supprimer une ligne");
    SpinEditXMineur.setHint("Graduations mineures");
    SpinEditYMineur.setHint("Graduations mineures");
    Chart1.setHint("Pour ajouter un point : clic droit ou utilisez le tableau 'enveloppe de centrage'");
    ConnectEvents();
    FormCreate();
}

void TFormFiche::ConnectEvents() {
    AdvStringGrid1.OnEditCellDone = [this](int c, int r) { AdvStringGrid1EditCellDone(c, r); };
    Editdvalue.OnExit = [this] { EditReferenceExit(); };
    Editbigdvalue.OnExit = [this] { EditReferenceExit(); };
    ButtonGraph.OnClick = [this] { ButtonGraphClick(); };
    Buttonsave.OnClick = [this] { ButtonsaveClick(); };
    ButtonInventaire.OnClick = [this] { ButtonInventaireClick(); };

    AdvStringGridCorrection.OnEditCellDone = [this](int c, int r) {
        AdvStringGridCorrectionEditCellDone(c, r);
    };
    AdvStringGridCorrection.OnEditChange = [this](int c, int r, const std::string&) {
        AdvStringGridCorrectionEditChange(c, r);
    };
    ButtonValidCorrection.OnClick = [this] { ButtonValidCorrectionClick(); };
    ButtonAddCorrection.OnClick = [this] { ButtonAddCorrectionClick(); };
    ButtonSuppCorrection.OnClick = [this] { ButtonSuppCorrectionClick(); };
    AddCorrectLine.OnClick = [this] { AddCorrectLineClick(); };
    DelCorrectLine.OnClick = [this] { DelCorrectLineClick(); };

    AdvStringGrid2.OnEditCellDone = [this](int c, int r) { AdvStringGrid2EditCellDone(c, r); };
    AdvStringGrid2.OnEditChange = [this](int c, int r, const std::string& t) {
        AdvStringGrid2EditChange(c, r, t);
    };
    ButtonValid.OnClick = [this] { ButtonValidClick(); };
    ButtonAddPoint.OnClick = [this] { ButtonAddPointClick(); };
    ButtonSupppoint.OnClick = [this] { ButtonSupppointClick(); };
    SpinPos.OnUpClick = [this] { SpinPosUpClick(); };
    SpinPos.OnDownClick = [this] { SpinPosDownClick(); };
    Ajouterunpointici1.OnClick = [this] { Ajouterunpointici1Click(); };
    Chart1.OnMouseMove = [this](int x, int y) { Chart1MouseMove(x, y); };
    for (Text* limit : {&EditXmin, &EditXmax, &EditYmin, &EditYmax})
        limit->OnExit = [this, limit] { EditXExit(*limit); };
    SpinEditXMineur.OnChange = [this] { SpinEditXMineurChange(); };
    SpinEditYMineur.OnChange = [this] { SpinEditXMineurChange(); };

    AdvStringGridDevis.OnEditCellDone = [this](int c, int r) { AdvStringGridDevisEditCellDone(c, r); };
    AdvStringGridDevis.OnEditChange = [this](int c, int r, const std::string& t) {
        AdvStringGridDevisEditChange(c, r, t);
    };
    ButtonValidDevis.OnClick = [this] { ButtonValidDevisClick(); };
    ButtonAddDevis.OnClick = [this] { ButtonAddDevisClick(); };
    ButtonSuppDevis.OnClick = [this] { ButtonSuppDevisClick(); };
}

void TFormFiche::FormCreate() {
    ResetRememberedCells();
    Chart1.tracking = false;

    for (Text* t : {&EditMiseaniveau, &EditLRef, &Editdvalue, &Editbigdvalue})
        t->setText("");

    SetUpEnvelopeGrid();
    Groupboxpoint.setVisible(false);
    SetUpDevisGrid();
    SetUpCorrectionGrid();
    GroupBoxExemple.setVisible(false);

    STMasseVide.setText("0.000");
    STMasseMesuree.setText("0.000");
    for (Text* t : {&STDrefcorr, &STDrefMesuree, &STDTrain, &EditXmin, &EditXmax, &EditYmin, &EditYmax})
        t->setText("");

    SetUpMassGrid();
}

void TFormFiche::AligneCellules() {
    for (Grid* g : {&AdvStringGrid1, &AdvStringGridCorrection, &AdvStringGrid2, &AdvStringGridDevis})
        AlignRight(*g, 1, g->colCount() - 1, 1, g->rowCount() - 1);
}

void TFormFiche::ButtonGraphClick() {
    Refresh();
}

void TFormFiche::Refresh() {
    TraceGraphique();
    ShowBoxes();
}

void TFormFiche::ShowBoxes() {
    Groupboxpoint.setVisible(true);
    GroupBoxExemple.setVisible(true);
}

void TFormFiche::ResetRememberedCells() {
    CelluleCorrection = {};
    CelluleDevis = {};
    CellulePoint = {};
}

void TFormFiche::Refuse(Grid& grid, int col, int row, const std::string& message) {
    desktop_.ShowMessage(message);
    grid.selectCell(col, row);
}

std::string TFormFiche::MessageMTOW(std::string_view prefix) const {
    return std::string(prefix) + " dépasser la masse maximale au décollage enregistrée précédement (" +
           StMTow.text() + " kg)";
}

void TFormFiche::ButtonsaveClick() {
    TAvion entry;
    entry.Immat = std::string(TrimBlanks(STImmatAvion.text()));
    entry.TypeAvion = StTypeAvion.text();
    entry.LieuDerPesee = STLieu.text();
    entry.DateDerPesee.clear(); // the register writer stores today's date
    entry.DatePrecPesee =
        MaskEditPrecDate.text() == MaskedDate::Blank ? std::string() : MaskEditPrecDate.text();
    entry.MassePrecVide = EditPrecMasse.text();
    entry.MTOW = StMTow.text();
    entry.Train = std::to_string(TypeTrain);
    entry.Niveau = EditMiseaniveau.text();
    entry.Reference = EditLRef.text();
    entry.Masse = STMasseMesuree.text();
    entry.MasseVide = STMasseVide.text();
    entry.DValue = Editdvalue.text();
    entry.BigDValue = Editbigdvalue.text();
    entry.XMin = EditXmin.text();
    entry.XMax = EditXmax.text();
    entry.YMin = EditYmin.text();
    entry.YMax = EditYmax.text();
    entry.NbMinX = std::to_string(SpinEditXMineur.value());
    entry.NbMinY = std::to_string(SpinEditYMineur.value());

    if (SauveAvion(FichierIni, entry, FormatDate(desktop_.Today(), desktop_.ShortDatePattern())) < 0) return;
    SauveGrille(AdvStringGrid1, FichierPesee);
    SauveGrille(AdvStringGridCorrection, FichierCorrect);
    SauveGrille(AdvStringGrid2, FichierEnveloppe);
    SauveGrille(AdvStringGridDevis, FichierExemple);
}

void TFormFiche::ButtonInventaireClick() {
    TFormInventaire inventaire(desktop_);
    std::error_code ec;
    if (std::filesystem::exists(FichierInventaire, ec)) {
        try {
            ChargeGrille(inventaire.AdvStringGridInventaire, FichierInventaire);
        } catch (const Error& e) {
            // Saving the half-read list on closing would destroy the stored inventory: keep the file whole
            // for repair and do not open the window.
            desktop_.ShowMessage("L'inventaire enregistré n'a pas pu être lu (" + std::string(e.what()) +
                                     "). Le fichier \"" + FichierInventaire +
                                     "\" est conservé tel quel et l'inventaire n'est pas ouvert.",
                                 MessageKind::Error);
            return;
        }
    }
    try {
        desktop_.ShowModal(inventaire);
    } catch (...) {
        SauveGrille(inventaire.AdvStringGridInventaire, FichierInventaire);
        throw;
    }
    SauveGrille(inventaire.AdvStringGridInventaire, FichierInventaire);
}

} // namespace pesavia
