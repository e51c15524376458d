#include "gui/fiche_window.h"

#include "gui/chart_view.h"
#include "gui/grid_view.h"
#include "gui/picture_view.h"
#include "gui/spin_field.h"
#include "gui/window_layout.h"
#include "sheet/fiche.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace pesavia {

namespace {

// The design's sizes: the window is 1024 pixels wide, its bands 1008.
constexpr int kWidth = 1024, kMinHeight = 690, kMaxHeight = 769;
constexpr int kRow = 21; // height of a field or a read-only text

} // namespace

FicheWindow::FicheWindow(TFormFiche& fiche, Desktop& desktop, QWidget* parent)
    : QDialog(parent), fiche_(fiche), binder_(desktop) {
    setWindowTitle(ToQString(TFormFiche::Caption));
    setFont(DesignFont());
    setFixedWidth(kWidth);
    setMinimumHeight(kMinHeight);
    setMaximumHeight(kMaxHeight);
    resize(kWidth, kMinHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(2);
    auto* sheet = new QGroupBox(QStringLiteral("Fiche de pesée"));
    sheet->setFixedHeight(80);
    auto* measures = new QFrame;
    measures->setFrameShape(QFrame::StyledPanel);
    measures->setFixedHeight(230);
    auto* cg = new QGroupBox(QStringLiteral("Distance du C.G (mètres)"));
    cg->setFixedHeight(49);
    auto* envelope = new QGroupBox(QStringLiteral("Enveloppe de masse et centrage"));
    for (QWidget* band :
         {static_cast<QWidget*>(sheet), static_cast<QWidget*>(measures), static_cast<QWidget*>(cg)})
        layout->addWidget(band);
    layout->addWidget(envelope, 1);
    buildSheetBand(sheet);
    buildMeasureBand(measures);
    buildCgBand(cg);
    buildEnvelopeBand(envelope);
    binder_.window(this, fiche);
}

void FicheWindow::showEvent(QShowEvent* event) {
    CentreOnOwner(*this);
    QDialog::showEvent(event);
}

QGroupBox* FicheWindow::box(QWidget* parent, const char* title, QRect where) const {
    auto* b = new QGroupBox(QString::fromUtf8(title), parent);
    b->setGeometry(where);
    return b;
}

QLabel* FicheWindow::caption(QWidget* parent, const QString& text, QRect where, bool bold) const {
    auto* l = new QLabel(text, parent);
    l->setGeometry(where);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QLabel* FicheWindow::shown(QWidget* parent, Text& model, QRect where, bool bold) const {
    auto* l = caption(parent, {}, where, bold);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAutoFillBackground(true);
    l->setIndent(3);
    binder_.label(l, model);
    return l;
}

QLineEdit* FicheWindow::field(QWidget* parent, Text& model, QRect where) const {
    auto* e = new QLineEdit(parent);
    e->setGeometry(where);
    binder_.text(e, model);
    return e;
}

QPushButton* FicheWindow::button(QWidget* parent, Button& model, QRect where, bool keepsEditorFocus) const {
    auto* b = new QPushButton(parent);
    b->setGeometry(where);
    // The small grid buttons act on the cell under edit: pressing one must not end that edit.
    if (keepsEditorFocus) b->setFocusPolicy(Qt::NoFocus);
    binder_.button(b, model);
    return b;
}

GridView* FicheWindow::grid(QWidget* parent, Grid& model, QRect where) const {
    auto* g = new GridView(model, parent);
    g->setGeometry(where);
    g->setEventRunner([this](const std::function<void()>& action) { binder_.run(action); });
    return g;
}

void FicheWindow::buildSheetBand(QWidget* band) {
    TFormFiche& f = fiche_;
    QGroupBox* aircraft = box(band, "Appareil", {6, 14, 404, 62});
    caption(aircraft, QStringLiteral("Type"), {8, 16, 40, kRow});
    shown(aircraft, f.StTypeAvion, {50, 16, 170, kRow});
    caption(aircraft, QStringLiteral("Immat"), {232, 16, 40, kRow});
    shown(aircraft, f.STImmatAvion, {276, 16, 120, kRow});
    caption(aircraft, QStringLiteral("MTOW (kg)"), {8, 39, 60, kRow});
    shown(aircraft, f.StMTow, {70, 39, 70, kRow});
    caption(aircraft, QStringLiteral("Train d'atterrissage"), {168, 39, 104, kRow});
    shown(aircraft, f.StTypeTrain, {276, 39, 120, kRow});

    QGroupBox* when = box(band, "Date et lieu", {416, 14, 210, 62});
    caption(when, QStringLiteral("Date"), {8, 16, 36, kRow});
    shown(when, f.STDate, {46, 16, 90, kRow});
    caption(when, QStringLiteral("Lieu"), {8, 39, 36, kRow});
    shown(when, f.STLieu, {46, 39, 156, kRow});

    QGroupBox* previous = box(band, "Précédents pesée", {632, 14, 210, 62});
    caption(previous, QStringLiteral("Date"), {8, 16, 40, kRow});
    auto* date = new QLineEdit(previous);
    date->setGeometry(50, 16, 90, kRow);
    binder_.date(date, f.MaskEditPrecDate);
    caption(previous, QStringLiteral("Masse"), {8, 39, 40, kRow});
    field(previous, f.EditPrecMasse, {50, 39, 90, kRow});

    QGroupBox* actions = box(band, "", {848, 14, 154, 62});
    button(actions, f.Buttonsave, {10, 8, 134, 23});
    button(actions, f.Button2, {10, 34, 134, 23});
}

void FicheWindow::buildMeasureBand(QWidget* band) {
    TFormFiche& f = fiche_;
    int y = 6;
    for (auto [text, model] :
         {std::pair{"Mise à niveau", &f.EditMiseaniveau}, std::pair{"Reférence", &f.EditLRef}}) {
        caption(band, QString::fromUtf8(text), {6, y, 136, 16});
        field(band, *model, {6, y + 16, 136, kRow});
        y += 42;
    }
    for (auto [text, model] : {std::pair{"d(m)=", &f.Editdvalue}, std::pair{"D(m)=", &f.Editbigdvalue}}) {
        caption(band, QString::fromUtf8(text), {6, y, 40, kRow});
        field(band, *model, {48, y, 94, kRow});
        y += 26;
    }
    button(band, f.ButtonGraph, {6, y + 4, 136, 25});
    button(band, f.ButtonInventaire, {6, y + 34, 136, 25});

    auto* picture = new PictureView(PictureView::Fit::Proportional, band);
    picture->setGeometry(148, 6, 140, 218);
    picture->setAutoFillBackground(true);
    QPalette white = picture->palette();
    white.setColor(QPalette::Window, Qt::white);
    picture->setPalette(white);
    binder_.picture(picture, f.Image1);

    QGroupBox* masses = box(band, "Masses mesurées (kg)", {294, 4, 336, 222});
    masses_ = grid(masses, f.AdvStringGrid1, {7, 20, 322, 98});
    masses_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    masses_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    caption(masses, QString::fromUtf8("Masse mesurée : M (kg)"), {7, 128, 150, kRow});
    shown(masses, f.STMasseMesuree, {160, 128, 100, kRow}, true);

    QGroupBox* corrections = box(band, "Corrections éventuelles (kg)", {636, 4, 366, 222});
    corrections_ = grid(corrections, f.AdvStringGridCorrection, {7, 20, 352, 168});
    corrections_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    corrections_->setContextMenu(
        {{ToQString(f.AddCorrectLine.caption()), [&f] { f.AddCorrectLine.click(); }},
         {ToQString(f.DelCorrectLine.caption()), [&f] { f.DelCorrectLine.click(); }}});
    auto* bar = new QFrame(corrections);
    bar->setGeometry(7, 192, 352, 26);
    binder_.control(bar, f.PanelCorrection);
    button(bar, f.ButtonValidCorrection, {2, 2, 24, 22}, true);
    button(bar, f.ButtonAddCorrection, {28, 2, 24, 22}, true);
    button(bar, f.ButtonSuppCorrection, {54, 2, 24, 22}, true);
}

void FicheWindow::buildCgBand(QWidget* band) {
    TFormFiche& f = fiche_;
    constexpr int y = 19;
    caption(band, QStringLiteral("Aux roues principales"), {6, y, 112, kRow});
    shown(band, f.Lform1, {120, y, 112, kRow})->setFrameStyle(QFrame::NoFrame);
    shown(band, f.STDTrain, {234, y, 70, kRow});
    caption(band, QString::fromUtf8("A la référence"), {316, y, 80, kRow});
    shown(band, f.LForm2, {398, y, 84, kRow})->setFrameStyle(QFrame::NoFrame);
    shown(band, f.STDrefMesuree, {484, y, 70, kRow});
    caption(band, QString::fromUtf8("M. à vide corrigée (kg)"), {598, y, 130, kRow}, true);
    shown(band, f.STMasseVide, {730, y, 70, kRow}, true);
    caption(band, QStringLiteral("Bras de levier"), {826, y, 84, kRow}, true);
    shown(band, f.STDrefcorr, {912, y, 80, kRow}, true);
}

void FicheWindow::buildEnvelopeBand(QWidget* band) {
    TFormFiche& f = fiche_;
    chart_ = new ChartView(f.Chart1, band);
    chart_->setGeometry(5, 18, 298, 274);
    chart_->setEventRunner([this](const std::function<void()>& action) { binder_.run(action); });
    chart_->setContextMenu(
        {{ToQString(f.Ajouterunpointici1.caption()), [&f] { f.Ajouterunpointici1.click(); }}});

    auto* limits = new QFrame(band);
    limits->setGeometry(306, 16, 153, 296);
    caption(limits, QStringLiteral("Nbe mineurs"), {84, 2, 66, 16});
    const auto limit = [&](const char* text, Text& model, int y) {
        caption(limits, QString::fromUtf8(text), {2, y, 34, kRow});
        field(limits, model, {36, y, 56, kRow});
    };
    const auto divisions = [&](SpinEdit& model, int y) {
        auto* spin = new SpinField(limits);
        spin->setGeometry(98, y, 52, kRow);
        binder_.spin(spin, model);
    };
    limit("Xmin", f.EditXmin, 20);
    divisions(f.SpinEditXMineur, 20);
    limit("XMax", f.EditXmax, 46);
    limit("Ymin", f.EditYmin, 82);
    divisions(f.SpinEditYMineur, 82);
    limit("YMax", f.EditYmax, 108);
    QGroupBox* cursor = box(limits, "Position curseur", {2, 146, 148, 70});
    caption(cursor, QStringLiteral("X (m)"), {6, 18, 40, kRow});
    shown(cursor, f.stx, {48, 18, 90, kRow});
    caption(cursor, QStringLiteral("Y (kg)"), {6, 43, 40, kRow});
    shown(cursor, f.sty, {48, 43, 90, kRow});

    QGroupBox* points = box(band, "Enveloppe de centrage", {462, 14, 160, 292});
    binder_.control(points, f.Groupboxpoint);
    envelope_ = grid(points, f.AdvStringGrid2, {2, 18, 156, 238});
    envelope_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    button(points, f.ButtonValid, {4, 262, 24, 22}, true);
    button(points, f.ButtonAddPoint, {30, 262, 24, 22}, true);
    button(points, f.ButtonSupppoint, {56, 262, 24, 22}, true);
    const auto arrow = [&](Qt::ArrowType direction, int x, void (SpinButton::*press)()) {
        auto* b = new QToolButton(points);
        b->setArrowType(direction);
        b->setGeometry(x, 262, 24, 22);
        b->setFocusPolicy(Qt::NoFocus);
        binder_.control(b, f.SpinPos);
        connect(b, &QToolButton::clicked, this,
                [this, press] { binder_.run([&] { (fiche_.SpinPos.*press)(); }); });
    };
    arrow(Qt::UpArrow, 96, &SpinButton::up);
    arrow(Qt::DownArrow, 122, &SpinButton::down);

    QGroupBox* example = box(band, "Exemple de devis de masse et centrage", {626, 14, 376, 292});
    binder_.control(example, f.GroupBoxExemple);
    devis_ = grid(example, f.AdvStringGridDevis, {2, 18, 372, 238});
    devis_->setFrameShape(QFrame::NoFrame); // its four columns take the box's whole width
    devis_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    button(example, f.ButtonValidDevis, {4, 262, 24, 22}, true);
    button(example, f.ButtonAddDevis, {30, 262, 24, 22}, true);
    button(example, f.ButtonSuppDevis, {56, 262, 24, 22}, true);
}

} // namespace pesavia
