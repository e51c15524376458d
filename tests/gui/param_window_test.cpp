#include "gui/main_window.h"
#include "gui/param_window.h"
#include "gui/picture_view.h"
#include "observed_desktop.h"
#include "shell/main_form.h"
#include "shell/param_form.h"
#include "shell/shell_fixture.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace pesavia::test {
namespace {

class ParamWindowTest : public ShellTest {
  protected:
    ObservedDesktop qt;
    std::string donnees, logo;

    void SetUp() override {
        RegisterParamWindow(qt);
        std::filesystem::create_directories(dossierProgramme());
        donnees = makeFolder("donnees");
        logo = tmp.file("logo.jpg");
        QImage picture(200, 150, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        ASSERT_TRUE(picture.save(QString::fromStdString(logo), "JPEG"));
        programme.FichierParam = dossierProgramme() + "param.ini";
        programme.Param = {donnees, "Kern", "7", "  /  /    ", logo};
    }

    // The parameters dialog now shown modally.
    static QWidget* shownDialog() {
        QWidget* modal = QApplication::activeModalWidget();
        return modal && modal->objectName() == QStringLiteral("FormParam") ? modal : nullptr;
    }
    template <class W> static W* in(QWidget* dialog, const char* name) {
        auto* w = dialog->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

TEST_F(ParamWindowTest, showsTheSettingsAndTheLogoAtItsOwnSizeCentredAndCut) {
    TFormParam form(programme, qt);
    ParamWindow dialog(form, qt);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Paramètres"));
    EXPECT_EQ(dialog.size(), QSize(561, 307));
    EXPECT_EQ(in<QLabel>(&dialog, "Labeldatadir")->text().toStdString(), donnees);
    EXPECT_EQ(in<QLabel>(&dialog, "Labellogofile")->text().toStdString(), logo);
    EXPECT_EQ(in<QLineEdit>(&dialog, "EditTypeBal")->text(), QStringLiteral("Kern"));
    EXPECT_EQ(in<QLineEdit>(&dialog, "EditNumBal")->text(), QStringLiteral("7"));
    EXPECT_EQ(in<QLineEdit>(&dialog, "MaskEditDateEtalone")->displayText(), QStringLiteral("__/__/____"));

    auto* preview = in<PictureView>(&dialog, "Image1");
    EXPECT_EQ(preview->size(), QSize(115, 100));
    EXPECT_EQ(preview->image().size(), QSize(200, 150));
    EXPECT_EQ(preview->pictureRect(), QRect(-42, -25, 200, 150));
}

TEST_F(ParamWindowTest, okFromTheMainWindowStoresTheTypedValuesAndListsTheNewFoldersRegister) {
    const std::string autre = makeFolder("autre");
    TAvion avion;
    avion.Immat = "F-JNEW";
    WriteRegister(autre + "pesavia.ini", {avion});
    TFormMain main(programme, qt);
    MainWindow window(main, qt);
    window.show();
    qt.folderAnswers.push_back(autre);

    bool seen = false, mainHidden = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = shownDialog();
        ASSERT_NE(dialog, nullptr);
        seen = true;
        mainHidden = !window.isVisible();
        auto* type = in<QLineEdit>(dialog, "EditTypeBal");
        type->setFocus();
        type->selectAll();
        QTest::keyClicks(type, " Sauter ");
        QTest::mouseClick(in<QPushButton>(dialog, "Buttonchangedatadir"), Qt::LeftButton);
        EXPECT_EQ(in<QLabel>(dialog, "Labeldatadir")->text().toStdString(), autre);
        QTest::mouseClick(in<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    });
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);

    EXPECT_TRUE(seen);
    EXPECT_TRUE(mainHidden);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(shownDialog(), nullptr);
    EXPECT_EQ(programme.Param.TypeBalance, "Sauter");
    EXPECT_EQ(programme.Param.DataDir, autre);
    auto* list = window.findChild<QComboBox*>(QStringLiteral("ComboBoxListeAvion"));
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->itemText(0), QStringLiteral("F-JNEW"));
    EXPECT_TRUE(qt.messages.empty());
}

TEST_F(ParamWindowTest, closeBoxClosesWithoutStoringAndDestroysTheDialog) {
    TFormParam form(programme, qt);
    const tparam before = programme.Param;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = shownDialog();
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(in<QLineEdit>(dialog, "EditNumBal"), "99");
        dialog->close();
    });
    qt.ShowModal(form);

    EXPECT_EQ(form.EditNumBal.text(), "799");
    EXPECT_EQ(programme.Param, before);
    EXPECT_FALSE(std::filesystem::exists(programme.FichierParam));
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_NE(w->objectName(), QStringLiteral("FormParam"));
}

TEST_F(ParamWindowTest, aDialogHiddenByItsModelStaysOpenUntilClosed) {
    TFormParam form(programme, qt);
    bool hidden = false, reopened = false, returned = false;
    QTimer::singleShot(0, [&] {
        form.setVisible(false);
        hidden = shownDialog() == nullptr;
        QTimer::singleShot(0, [&] {
            if (returned) return; // hiding ended the modal loop
            form.setVisible(true);
            reopened = shownDialog() != nullptr;
            form.Close();
        });
    });
    qt.ShowModal(form);
    returned = true;
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(reopened);
    QCoreApplication::processEvents(); // lets a late timer find the loop already ended
}

} // namespace
} // namespace pesavia::test
