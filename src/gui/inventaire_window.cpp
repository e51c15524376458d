#include "gui/inventaire_window.h"

#include "gui/grid_view.h"
#include "gui/window_layout.h"
#include "sheet/inventaire.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace pesavia {

InventaireWindow::InventaireWindow(TFormInventaire& inventaire, Desktop& desktop, QWidget* parent)
    : QDialog(parent), binder_(desktop) {
    setWindowTitle(ToQString(TFormInventaire::Caption));
    setFont(DesignFont());
    resize(1008, 734);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* box = new QGroupBox(QString::fromUtf8("Inventaire de l'équipement"));
    box->setStyleSheet(QStringLiteral("QGroupBox { background-color: white; border: 1px solid #a0a0a0; "
                                      "margin-top: 14px; padding-top: 4px; }"
                                      "QGroupBox::title { subcontrol-origin: margin; left: 6px; }"));
    layout->addWidget(box);

    auto* inside = new QVBoxLayout(box);
    auto* bar =
        new QLabel(QString::fromUtf8("Utilisez le clic droit de la souris pour insérer / supprimer une ligne "
                                     "ou éditer directement les valeurs"));
    bar->setAlignment(Qt::AlignCenter);
    bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bar->setMinimumHeight(22);
    inside->addWidget(bar);
    grid_ = new GridView(inventaire.AdvStringGridInventaire);
    grid_->setEventRunner([this](const std::function<void()>& action) { binder_.run(action); });
    grid_->setContextMenu({{ToQString(inventaire.AddInventaireLine.caption()),
                            [&inventaire] { inventaire.AddInventaireLine.click(); }},
                           {ToQString(inventaire.DelInventaireLine.caption()),
                            [&inventaire] { inventaire.DelInventaireLine.click(); }}});
    inside->addWidget(grid_, 1);
    binder_.window(this, inventaire);
}

void InventaireWindow::showEvent(QShowEvent* event) {
    CentreOnOwner(*this);
    QDialog::showEvent(event);
}

} // namespace pesavia
