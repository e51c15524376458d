#include "shell/param_form.h"

#include "controls/text_case.h"
#include "shell/file_checks.h"
#include "store/jpeg.h"
#include "store/settings.h"

#include <filesystem>

namespace pesavia {

TFormParam::TFormParam(Programme& programme, Desktop& desktop) : programme_(programme), desktop_(desktop) {
    Buttonchangedatadir.setHint("Changer");
    Buttonchangelogo.setHint("Changer de logo");
    Buttonchangedatadir.OnClick = [this] { ButtonchangedatadirClick(); };
    Buttonchangelogo.OnClick = [this] { ButtonchangelogoClick(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    FormCreate();
}

void TFormParam::FormCreate() {
    const tparam& param = programme_.Param;
    Labeldatadir.setText(param.DataDir);
    EditTypeBal.setText(param.TypeBalance);
    EditNumBal.setText(param.NumBalance);
    MaskEditDateEtalone.setText(param.DateEtalonnage);
    Labellogofile.setText(param.FichierLogo);
    MontreLogo();
}

void TFormParam::MontreLogo() {
    // Never leave the preview of another file than the one the label names.
    Image1.setImage(nullptr);
    const std::string& logo = Labellogofile.text();
    if (IsFile(logo))
        ChargeImageJpeg(Image1, FolderOf(logo), std::filesystem::path(logo).filename().string());
}

void TFormParam::ButtonchangedatadirClick() {
    const tparam& param = programme_.Param;
    const std::string start =
        IsFolder(param.DataDir) ? param.DataDir : FolderOf(programme_.FichierParam) + "/";
    const auto chosen = desktop_.BrowseFolder("dossier de sauvegarde", start);
    if (!chosen || !IsFolder(*chosen)) return;
    Labeldatadir.setText(chosen->ends_with('/') ? *chosen : *chosen + "/");
}

void TFormParam::ButtonchangelogoClick() {
    const tparam& param = programme_.Param;
    std::string folder, name;
    if (IsFile(param.FichierLogo)) {
        folder = FolderOf(param.FichierLogo);
        name = std::filesystem::path(param.FichierLogo).filename().string();
    } else {
        folder = param.DataDir;
        if (folder.size() > 1 && folder.ends_with('/')) folder.pop_back();
        name = "logo.jpg";
    }
    const auto chosen = desktop_.OpenFileName("Fichier image JPEG (*.jpg) | *.jpg", folder, name);
    if (chosen && IsFile(*chosen)) Labellogofile.setText(*chosen);
    MontreLogo();
}

void TFormParam::Button1Click() {
    tparam& param = programme_.Param;
    if (IsFolder(Labeldatadir.text())) param.DataDir = Labeldatadir.text();
    if (IsFile(Labellogofile.text())) param.FichierLogo = Labellogofile.text();
    param.TypeBalance = std::string(TrimBlanks(EditTypeBal.text()));
    param.NumBalance = std::string(TrimBlanks(EditNumBal.text()));
    param.DateEtalonnage = MaskEditDateEtalone.text();
    // A failed write stops here: the dialog stays open.
    SauveParam(programme_.FichierParam, param);
    Close();
}

void TFormParam::Button2Click() {
    FormCreate();
}

} // namespace pesavia
