#include "shell/main_form.h"

#include "controls/text_case.h"
#include "sheet/fiche.h"
#include "shell/file_checks.h"
#include "shell/param_form.h"
#include "store/dates.h"
#include "store/grid_file.h"
#include "store/jpeg.h"
#include "store/numbers.h"

#include <filesystem>
#include <memory>
#include <utility>

namespace pesavia {

namespace {

const char* const kDossierImpossible = "Impossible de créer le dossier ";
constexpr long double kMasseMaxi = 475;

// A registration becomes part of five file names: it must not leave the data folder nor break a name.
bool ImmatNommeUnFichier(std::string_view raw, std::string_view trimmed) {
    for (const char c : raw) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || u < 0x20 || u == 0x7F) return false;
    }
    return trimmed != "." && trimmed != "..";
}

// Runs `body`, then `after` whatever happens; a failure of `body` is passed on once `after` has run.
template <class Body, class After> void RunThenAlways(Body&& body, After&& after) {
    try {
        body();
    } catch (...) {
        after();
        throw;
    }
    after();
}

} // namespace

TFormMain::TFormMain(Programme& programme, Desktop& desktop) : programme_(programme), desktop_(desktop) {
    ButtonNew.setHint("Créer ou ouvre une fiche de pesée");
    Button1.setHint("Modifier le dossier de sauvegarde des données");
    ComboBoxListeAvion.OnSelect = [this] { ComboBoxListeAvionSelect(); };
    RadioGroupType.OnClick = [this] { RadioGroupTypeClick(); };
    ButtonNew.OnClick = [this] { ButtonNewClick(); };
    Button1.OnClick = [this] { Button1Click(); };
    FormCreate();
}

std::string TFormMain::Today() {
    return FormatDate(desktop_.Today(), desktop_.ShortDatePattern());
}

std::string TFormMain::FichierAvions() const {
    return programme_.Param.DataDir + "pesavia.ini";
}

std::string TFormMain::ImmatSaisie() const {
    return std::string(TrimBlanks(ComboBoxListeAvion.text()));
}

void TFormMain::FormCreate() {
    programme_.Format = FormatProgramme{};
    ChargeImageJpeg(Image1, desktop_.ExecutableDir(), "qtricycle.jpg");
    ChargeImageJpeg(Image2, desktop_.ExecutableDir(), "qclassique.jpg");

    EditTypeAvion.setText({});
    EditMTOW.setText({});
    MaskEditDate.setText(Today());
    EditLieu.setText({});
    RadioGroupType.setItemIndex(-1);
    RadioGroupTypeClick();

    // Asking to end does not stop creation: the program quits once its event loop starts.
    const std::string dossier = DossierProgramme();
    if (!IsFolder(dossier)) {
        std::error_code ec;
        std::filesystem::create_directories(dossier, ec);
    }
    if (!IsFolder(dossier)) {
        desktop_.ShowMessage(kDossierImpossible + dossier);
        desktop_.Terminate();
    }

    programme_.FichierParam = dossier + "param.ini";
    programme_.Param = ChargeParam(programme_.FichierParam);
    if (!IsFolder(programme_.Param.DataDir)) {
        desktop_.ShowMessage(kDossierImpossible + programme_.Param.DataDir);
        desktop_.Terminate();
    }

    programme_.Avions = ChargeAvions(FichierAvions());
    RemplitListe();
}

void TFormMain::RemplitListe() {
    ComboBoxListeAvion.setText({});
    ComboBoxListeAvion.clearItems();
    ComboBoxListeAvion.setText({});
    for (const TAvion& avion : programme_.Avions)
        ComboBoxListeAvion.addItem(avion.Immat);
}

void TFormMain::ComboBoxListeAvionSelect() {
    const int i = ComboBoxListeAvion.itemIndex();
    if (i < 0 || i >= static_cast<int>(programme_.Avions.size())) return;
    const TAvion& avion = programme_.Avions[static_cast<size_t>(i)];
    EditTypeAvion.setText(avion.TypeAvion);
    EditMTOW.setText(avion.MTOW);
    EditLieu.setText(avion.LieuDerPesee);
    MaskEditDate.setText(avion.DateDerPesee);
    if (!LitDate(MaskEditDate.text())) MaskEditDate.setText(Today());
    RadioGroupType.setItemIndex(LitEntier(avion.Train).value_or(-1));
}

void TFormMain::RadioGroupTypeClick() {
    Image1.setVisible(RadioGroupType.itemIndex() == 0);
    Image2.setVisible(RadioGroupType.itemIndex() == 1);
}

bool TFormMain::SaisieValide() {
    const auto refuse = [this](const std::string& message) {
        desktop_.ShowMessage(message);
        return false;
    };
    if (TrimBlanks(EditTypeAvion.text()).empty()) return refuse("Type d'appareil manquant");
    const std::string immat = ImmatSaisie();
    if (immat.empty()) return refuse("Immatriculation de l'appareil manquante");
    if (!ImmatNommeUnFichier(ComboBoxListeAvion.text(), immat))
        return refuse("Immatriculation incorrecte : elle ne peut contenir ni « / », ni « \\ », ni caractère "
                      "de contrôle, et ne peut être « . » ou « .. ».");
    if (TrimBlanks(EditLieu.text()).empty()) return refuse("Lieu manquant");
    const long double mtow = LitNombreSaisi(EditMTOW.text());
    if (!(mtow > 0)) return refuse("Masse maxi au décollage incorrect");
    if (mtow > kMasseMaxi)
        return refuse("Ce logiciel étant réservé à l'usage des ULM, il est limité à la masse maximale au "
                      "décolage de 475 kg."
                      " Pour une version sans cette limite, consultez le site internet de l'éditeur.");
    return true;
}

void TFormMain::EnregistreAvion() {
    EnregistreIdentite(FichierAvions(), IdentiteAvion{
                                            .Immat = ComboBoxListeAvion.text(),
                                            .TypeAvion = EditTypeAvion.text(),
                                            .LieuDerPesee = EditLieu.text(),
                                            .MTOW = EditMTOW.text(),
                                            .Train = std::to_string(RadioGroupType.itemIndex()),
                                        });
}

bool TFormMain::PrepareFiche(TFormFiche& sheet) {
    const tparam& param = programme_.Param;
    sheet.TypeTrain = RadioGroupType.itemIndex();
    sheet.DataDir = param.DataDir;
    sheet.FichierIni = FichierAvions();
    if (RadioGroupType.itemIndex() < 0) {
        desktop_.ShowMessage("Type d'atterrisseur inconnu");
        return false;
    }

    const bool tricycle = RadioGroupType.itemIndex() == 0;
    sheet.AdvStringGrid1.setCell(0, 3, tricycle ? "Roue AV" : "Roue AR");
    sheet.Lform1.setText(tricycle ? "D2 = p1 x D / M =" : "D1 = p2 x D / M =");
    sheet.LForm2.setText(tricycle ? "x = d - D2 =" : "x = d + D1 =");
    sheet.StTypeTrain.setText(tricycle ? "Tricycle" : "Classique");
    sheet.Image1.setImage(tricycle ? Image1.image() : Image2.image());

    const std::string immat = ImmatSaisie();
    sheet.StTypeAvion.setText(EditTypeAvion.text());
    sheet.STImmatAvion.setText(immat);
    sheet.STDate.setText(MaskEditDate.text());
    sheet.STLieu.setText(EditLieu.text());
    sheet.StMTow.setText(NettoieNombreSaisi(EditMTOW.text()));

    const std::string base = param.DataDir + immat;
    sheet.FichierPesee = base + "_pesee.bin";
    sheet.FichierCorrect = base + "_corect.bin";
    sheet.FichierEnveloppe = base + "_enveloppe.bin";
    sheet.FichierExemple = base + "_exemple.bin";
    sheet.FichierInventaire = base + "_inventaire.bin";

    const std::pair<Grid*, const std::string*> grilles[] = {
        {&sheet.AdvStringGrid1, &sheet.FichierPesee},
        {&sheet.AdvStringGrid2, &sheet.FichierEnveloppe},
        {&sheet.AdvStringGridDevis, &sheet.FichierExemple},
        {&sheet.AdvStringGridCorrection, &sheet.FichierCorrect},
    };
    for (const auto& [grid, path] : grilles)
        if (IsFile(*path)) ChargeGrille(*grid, *path);

    sheet.MaskEditPrecDate.setText({});
    sheet.EditPrecMasse.setText({});
    const int i = ComboBoxListeAvion.itemIndex();
    if (i >= 0 && i < static_cast<int>(programme_.Avions.size())) {
        const TAvion& avion = programme_.Avions[static_cast<size_t>(i)];
        const auto nombreOuVide = [](const std::string& t) { return LitNombre(t) ? t : std::string(); };
        sheet.Editbigdvalue.setText(avion.BigDValue);
        sheet.Editdvalue.setText(avion.DValue);
        sheet.EditXmin.setText(nombreOuVide(avion.XMin));
        sheet.EditXmax.setText(nombreOuVide(avion.XMax));
        sheet.EditYmin.setText(nombreOuVide(avion.YMin));
        sheet.EditYmax.setText(nombreOuVide(avion.YMax));
        sheet.SpinEditXMineur.setValue(LitEntier(avion.NbMinX).value_or(10));
        sheet.SpinEditYMineur.setValue(LitEntier(avion.NbMinY).value_or(10));
        sheet.MaskEditPrecDate.setText(avion.DatePrecPesee);
        sheet.EditPrecMasse.setText(avion.MassePrecVide);
        sheet.STMasseMesuree.setText(avion.Masse);
        sheet.EditLRef.setText(avion.Reference);
        sheet.EditMiseaniveau.setText(avion.Niveau);
    }
    return true;
}

void TFormMain::AfterFiche() {
    const int i = ComboBoxListeAvion.itemIndex();
    if (i >= 0) {
        const std::string immat = ComboBoxListeAvion.items()[static_cast<size_t>(i)];
        programme_.Avions = ChargeAvions(FichierAvions());
        RemplitListe();
        const auto& items = ComboBoxListeAvion.items();
        for (size_t k = 0; k < items.size(); ++k) {
            if (EqualsNoCase(items[k], immat)) {
                ComboBoxListeAvion.setItemIndex(static_cast<int>(k));
                break;
            }
        }
    }
    setVisible(true);
    EnregistreAvion();
}

void TFormMain::ButtonNewClick() {
    const int i = ComboBoxListeAvion.itemIndex();
    if (i >= 0) ComboBoxListeAvion.setText(ComboBoxListeAvion.items()[static_cast<size_t>(i)]);
    if (!SaisieValide()) return;
    EnregistreAvion();

    // A failure while the sheet is prepared discards it and leaves the main window as it is.
    auto sheet = std::make_unique<TFormFiche>(programme_, desktop_);
    if (!PrepareFiche(*sheet)) return;

    setVisible(false);
    RunThenAlways(
        [&] {
            sheet->AligneCellules();
            sheet->AdvStringGrid1EditCellDone(1, 1);
            sheet->ButtonGraphClick();
            desktop_.ShowModal(*sheet);
        },
        [&] {
            sheet.reset();
            AfterFiche();
        });
}

void TFormMain::Button1Click() {
    auto dialog = std::make_unique<TFormParam>(programme_, desktop_);
    setVisible(false);
    RunThenAlways([&] { desktop_.ShowModal(*dialog); },
                  [&] {
                      dialog.reset();
                      setVisible(true);
                      programme_.Avions = ChargeAvions(FichierAvions());
                      RemplitListe();
                  });
}

} // namespace pesavia
