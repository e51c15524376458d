#include "gui/bindings.h"
#include "gui/main_window.h"
#include "gui/picture_view.h"
#include "observed_desktop.h"
#include "shell/main_form.h"
#include "shell/shell_fixture.h"

#include "controls/error.h"

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>

namespace pesavia::test {
namespace {

class MainWindowTest : public ShellTest {
  protected:
    ObservedDesktop qt;
    std::unique_ptr<TFormMain> form;
    std::unique_ptr<MainWindow> window;

    void open(const std::vector<TAvion>& avions = {}) {
        std::filesystem::create_directories(dossierProgramme());
        if (!avions.empty()) WriteRegister(registre(), avions);
        form = std::make_unique<TFormMain>(programme, qt);
        window = std::make_unique<MainWindow>(*form, qt);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    template <class W> W* widget(const char* name) const {
        auto* w = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* immat() const { return widget<QComboBox>("ComboBoxListeAvion")->lineEdit(); }
    bool shown(const char* name) const { return widget<QWidget>(name)->isVisibleTo(window.get()); }

    static TAvion avion(std::string immat, std::string type, std::string train) {
        TAvion a;
        a.Immat = std::move(immat);
        a.TypeAvion = std::move(type);
        a.MTOW = "450";
        a.LieuDerPesee = "Lyon";
        a.Train = std::move(train);
        return a;
    }
};

TEST_F(MainWindowTest, typingAPrefixCompletesTheRegistrationAndFillsTheFields) {
    open({avion("F-JABC", "Savannah", "0"), avion("F-JXYZ", "Pipistrel", "1")});
    immat()->setFocus();
    QTest::keyClicks(immat(), "f-jx");

    EXPECT_EQ(immat()->text(), QStringLiteral("F-JXYZ"));
    EXPECT_EQ(immat()->selectedText(), QStringLiteral("YZ")); // the completed part, replaced by the next key
    EXPECT_EQ(widget<QComboBox>("ComboBoxListeAvion")->currentIndex(), 1);
    EXPECT_EQ(widget<QLineEdit>("EditTypeAvion")->text(), QStringLiteral("Pipistrel"));
    EXPECT_EQ(widget<QLineEdit>("EditLieu")->text(), QStringLiteral("Lyon"));
    EXPECT_TRUE(widget<QRadioButton>("Classique")->isChecked());
    EXPECT_TRUE(shown("Image2"));
    EXPECT_FALSE(shown("Image1"));

    // Deleting the completed part keeps what was typed, with no registration selected.
    QTest::keyClick(immat(), Qt::Key_Backspace);
    EXPECT_EQ(immat()->text(), QStringLiteral("F-JX"));
    EXPECT_EQ(form->ComboBoxListeAvion.itemIndex(), -1);
    EXPECT_EQ(form->ComboBoxListeAvion.text(), "F-JX");
}

TEST_F(MainWindowTest, typedTextBeginningNoRegistrationIsUpperCasedAndSelectsNothing) {
    open({avion("F-JABC", "Savannah", "0")});
    immat()->setFocus();
    QTest::keyClicks(immat(), "g-b");

    EXPECT_EQ(immat()->text(), QStringLiteral("G-B"));
    EXPECT_EQ(immat()->cursorPosition(), 3);
    EXPECT_EQ(widget<QComboBox>("ComboBoxListeAvion")->currentIndex(), -1);
    EXPECT_EQ(form->ComboBoxListeAvion.itemIndex(), -1);
    EXPECT_EQ(widget<QLineEdit>("EditTypeAvion")->text(), QString());
}

TEST_F(MainWindowTest, choosingFromTheListFillsTheFieldsAndLeavingTheTextSelectsNothingMore) {
    open({avion("F-JABC", "Savannah", "0"), avion("F-JXYZ", "Pipistrel", "1")});
    auto* combo = widget<QComboBox>("ComboBoxListeAvion");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(form->ComboBoxListeAvion.itemIndex(), 0);
    EXPECT_EQ(widget<QLineEdit>("EditTypeAvion")->text(), QStringLiteral("Savannah"));
    EXPECT_TRUE(widget<QRadioButton>("Tricycle")->isChecked());

    // A text equal to a registration after a deletion, then left, is not turned into a selection by Qt.
    form->ComboBoxListeAvion.type("F-JABC", false);
    widget<QLineEdit>("EditMTOW")->setFocus();
    EXPECT_EQ(form->ComboBoxListeAvion.itemIndex(), -1);
    EXPECT_EQ(combo->currentIndex(), -1);
}

TEST_F(MainWindowTest, okWithoutATypeShowsTheMessageAndWritesNothing) {
    open();
    immat()->setFocus();
    QTest::keyClicks(immat(), "f-new");
    QTest::keyClicks(widget<QLineEdit>("EditMTOW"), "450");
    QTest::keyClicks(widget<QLineEdit>("EditLieu"), "Lyon");
    QTest::mouseClick(widget<QPushButton>("ButtonNew"), Qt::LeftButton);

    ASSERT_EQ(qt.messages.size(), 1u);
    EXPECT_EQ(qt.messages[0].text, "Type d'appareil manquant");
    EXPECT_FALSE(std::filesystem::exists(registre()));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, tabOrderFollowsTheAircraftThenTheDateAndPlaceThenTheLandingGear) {
    open();
    immat()->setFocus();
    std::vector<std::string> order;
    for (int i = 0; i < 9; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        // The list's text field stands for the list.
        QWidget* named = focus == immat() ? focus->parentWidget() : focus;
        order.push_back(named->objectName().toStdString());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"ComboBoxListeAvion", "EditTypeAvion", "EditMTOW", "ButtonNew",
                                               "Button1", "MaskEditDate", "EditLieu", "Tricycle",
                                               "ComboBoxListeAvion"}));
}

TEST_F(MainWindowTest, landingGearClickShowsItsDiagramAndClearingLeavesItShown) {
    open();
    EXPECT_FALSE(shown("Image1"));
    EXPECT_FALSE(shown("Image2"));
    QTest::mouseClick(widget<QRadioButton>("Tricycle"), Qt::LeftButton, {}, QPoint(8, 11));
    EXPECT_EQ(form->RadioGroupType.itemIndex(), 0);
    EXPECT_TRUE(shown("Image1"));

    form->RadioGroupType.setItemIndex(-1);
    EXPECT_FALSE(widget<QRadioButton>("Tricycle")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("Classique")->isChecked());
    EXPECT_TRUE(shown("Image1"));
}

TEST_F(MainWindowTest, dateFieldShowsTodayAndKeepsTheBlanksOfTheMaskInTheModel) {
    open();
    auto* date = widget<QLineEdit>("MaskEditDate");
    EXPECT_EQ(date->displayText(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));

    form->MaskEditDate.setText(MaskedDate::Blank);
    EXPECT_EQ(date->displayText(), QStringLiteral("__/__/____"));
    date->setFocus();
    date->setCursorPosition(0);
    QTest::keyClicks(date, "3");
    EXPECT_EQ(form->MaskEditDate.text(), "3 /  /    ");
}

TEST(ErrorBoundary, aFailingHandlerIsShownAsAnErrorMessage) {
    ObservedDesktop qt;
    const std::function<void()> failures[] = {
        [] { throw Error("Impossible d'écrire dans /x/pesavia.ini"); },
        [] { throw std::runtime_error("Impossible d'écrire dans /x/pesavia.ini"); }};
    for (const auto& failure : failures) {
        Button model("OK");
        model.OnClick = failure;
        QPushButton button;
        Binder(qt).button(&button, model);
        qt.messages.clear();
        QTest::mouseClick(&button, Qt::LeftButton);
        ASSERT_EQ(qt.messages.size(), 1u);
        EXPECT_EQ(qt.messages[0].text, "Impossible d'écrire dans /x/pesavia.ini");
        EXPECT_EQ(qt.messages[0].kind, MessageKind::Error);
    }
}

TEST(QtDesktopMessages, aMessageBoxIsTitledPesaviaWithOneOkButton) {
    TestApplication();
    QtDesktop desktop;
    QString title, text;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    desktop.ShowMessage("Masse maxi au décollage incorrect", MessageKind::Warning);
    EXPECT_EQ(title, QStringLiteral("Pesavia"));
    EXPECT_EQ(text, QStringLiteral("Masse maxi au décollage incorrect"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, 1);
}

TEST(QtDesktopTerminate, askedBeforeTheEventLoopRunsItEndsTheLoopAsSoonAsItStarts) {
    TestApplication();
    QtDesktop desktop;
    desktop.Terminate();
    EXPECT_TRUE(desktop.terminateRequested());
    QTimer lost; // firing would mean the request was lost
    lost.setSingleShot(true);
    QObject::connect(&lost, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    lost.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

} // namespace
} // namespace pesavia::test
