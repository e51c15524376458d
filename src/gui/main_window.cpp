#include "gui/main_window.h"

#include "gui/layout.h"
#include "gui/picture_view.h"
#include "gui/qt_desktop.h"
#include "gui/window_layout.h"
#include "shell/main_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pesavia {

MainWindow::MainWindow(TFormMain& form, QtDesktop& desktop)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Pesavia"));
    setFixedSize(ClientWidth, TopBandHeight + BottomBandHeight);
    SetSilverBackground(this);
    desktop.setMainWindow(this);
    const Binder bind(desktop);

    // Top band: the aircraft at the left, the date and place in a 217-pixel box at the right.
    constexpr int dateBoxWidth = 217;
    auto* aircraft = Place(new QGroupBox(QStringLiteral("Appareil"), this), "GroupBoxButton",
                           {0, 0, ClientWidth - dateBoxWidth, TopBandHeight});
    Caption(aircraft, "Immat", {12, 28, 64, 21});
    auto* immat = Place(new QComboBox(aircraft), "ComboBoxListeAvion", {80, 26, 140, 23});
    Caption(aircraft, "Type", {12, 62, 64, 21});
    auto* type = Place(new QLineEdit(aircraft), "EditTypeAvion", {80, 60, 140, 23});
    Caption(aircraft, "MTOW (kg)", {12, 96, 64, 21});
    auto* mtow = Place(new QLineEdit(aircraft), "EditMTOW", {80, 94, 80, 23});
    auto* ok = Place(new QPushButton(aircraft), "ButtonNew", {232, 25, 70, 25});
    auto* settings = Place(new QPushButton(aircraft), "Button1", {232, 93, 70, 25});

    auto* when = Place(new QGroupBox(QStringLiteral("Date et lieu"), this), "GroupBox3",
                       {ClientWidth - dateBoxWidth, 0, dateBoxWidth, TopBandHeight});
    Caption(when, "Date", {12, 45, 40, 21});
    auto* date = Place(new QLineEdit(when), "MaskEditDate", {52, 43, 90, 23});
    Caption(when, "Lieu", {12, 79, 40, 21});
    auto* lieu = Place(new QLineEdit(when), "EditLieu", {52, 77, 153, 23});

    // Bottom band: the landing gear at the left, the weighing diagrams in a white panel at the right.
    constexpr int radioWidth = 169, panelWidth = 224;
    auto* gear = Place(new QGroupBox(QStringLiteral("Type de train d'atterrissage"), this), "RadioGroupType",
                       {0, TopBandHeight, radioWidth, BottomBandHeight});
    auto* tricycle = Place(new QRadioButton(gear), "Tricycle", {16, 40, 140, 22});
    auto* classique = Place(new QRadioButton(gear), "Classique", {16, 76, 140, 22});

    auto* panel = Place(new QFrame(this), "PanelImage",
                        {ClientWidth - panelWidth, TopBandHeight, panelWidth, BottomBandHeight});
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    panel->setAutoFillBackground(true);
    auto* image1 = Place(new PictureView(PictureView::Fit::Proportional, panel), "Image1", panel->rect());
    auto* image2 = Place(new PictureView(PictureView::Fit::Proportional, panel), "Image2", panel->rect());

    bind.combo(immat, form.ComboBoxListeAvion);
    bind.text(type, form.EditTypeAvion);
    bind.text(mtow, form.EditMTOW);
    bind.button(ok, form.ButtonNew);
    bind.button(settings, form.Button1);
    bind.date(date, form.MaskEditDate);
    bind.text(lieu, form.EditLieu);
    bind.radio({tricycle, classique}, form.RadioGroupType);
    bind.picture(image1, form.Image1);
    bind.picture(image2, form.Image2);
    bind.window(this, form);

    SetTabOrder({immat, type, mtow, ok, settings, date, lieu, tricycle, classique});
}

void MainWindow::showEvent(QShowEvent* event) {
    // Centred on the screen the first time only: later shows (after a sheet) keep where the operator put it.
    if (!centred_) CentreOnOwner(*this);
    centred_ = true;
    QWidget::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

} // namespace pesavia
