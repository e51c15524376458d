#include "gui/param_window.h"

#include "gui/bindings.h"
#include "gui/layout.h"
#include "gui/picture_view.h"
#include "gui/qt_desktop.h"
#include "gui/window_layout.h"
#include "shell/param_form.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pesavia {

namespace {

// Enter in a field must not press a button.
QPushButton* button(QWidget* parent, const char* name, QRect geometry) {
    auto* b = Place(new QPushButton(parent), name, geometry);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ParamWindow::ParamWindow(TFormParam& form, Desktop& desktop, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("FormParam"));
    setWindowTitle(QStringLiteral("Paramètres"));
    setFixedSize(ClientWidth, ClientHeight);
    SetSilverBackground(this);
    const Binder bind(desktop);

    constexpr int folderBand = 65, scaleBand = 80, logoBand = 124, buttonBand = 38;
    auto* folder = Place(new QGroupBox(QStringLiteral("Dossier de sauvegarde des données"), this),
                         "GroupBox1", {0, 0, ClientWidth, folderBand});
    auto* changeFolder = button(folder, "Buttonchangedatadir", {12, 26, 25, 23});
    auto* dataDir = Place(new QLabel(folder), "Labeldatadir", {46, 27, ClientWidth - 58, 21});

    auto* scale = Place(new QGroupBox(QStringLiteral("Balance utilisée"), this), "GroupBox2",
                        {0, folderBand, ClientWidth, scaleBand});
    Caption(scale, "Type", {12, 38, 34, 21});
    auto* scaleType = Place(new QLineEdit(scale), "EditTypeBal", {48, 36, 170, 23});
    Caption(scale, "N°", {232, 38, 22, 21});
    auto* scaleNumber = Place(new QLineEdit(scale), "EditNumBal", {256, 36, 110, 23});
    Caption(scale, "Etalonnée le", {380, 38, 76, 21});
    auto* calibration = Place(new QLineEdit(scale), "MaskEditDateEtalone", {458, 36, 90, 23});

    auto* logo = Place(new QGroupBox(QStringLiteral("Logo"), this), "Logo",
                       {0, folderBand + scaleBand, ClientWidth, logoBand});
    constexpr int logoX = ClientWidth - LogoWidth - 12;
    auto* changeLogo = button(logo, "Buttonchangelogo", {12, 26, 25, 23});
    auto* logoFile = Place(new QLabel(logo), "Labellogofile", {46, 27, logoX - 56, 21});
    logoFile->setWordWrap(false);
    Caption(logo, "Taille maximale :  115px x 100px", {46, 62, 220, 21});
    auto* preview =
        Place(new PictureView(PictureView::Fit::Centred, logo), "Image1", {logoX, 18, LogoWidth, LogoHeight});

    auto* panel = Place(new QFrame(this), "Panel1", {0, ClientHeight - buttonBand, ClientWidth, buttonBand});
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* ok = button(panel, "Button1", {12, 6, 80, 26});
    auto* cancel = button(panel, "Button2", {ClientWidth - 92, 6, 80, 26});

    bind.button(changeFolder, form.Buttonchangedatadir);
    bind.label(dataDir, form.Labeldatadir);
    bind.text(scaleType, form.EditTypeBal);
    bind.text(scaleNumber, form.EditNumBal);
    bind.date(calibration, form.MaskEditDateEtalone);
    bind.button(changeLogo, form.Buttonchangelogo);
    bind.label(logoFile, form.Labellogofile);
    bind.picture(preview, form.Image1);
    bind.button(ok, form.Button1);
    bind.button(cancel, form.Button2);

    SetTabOrder({changeFolder, scaleType, scaleNumber, calibration, changeLogo, ok, cancel});
}

void ParamWindow::showEvent(QShowEvent* event) {
    // Centred on the main window, which keeps its place while hidden behind this dialog.
    CentreOnOwner(*this);
    QDialog::showEvent(event);
}

void RegisterParamWindow(QtDesktop& desktop) {
    desktop.registerWindow<TFormParam>(
        [&desktop](TFormParam& form, QWidget* parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<ParamWindow>(form, desktop, parent);
        });
}

} // namespace pesavia
