#include "gui/qt_desktop.h"

#include "controls/error.h"
#include "gui/bindings.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

namespace pesavia {

QWidget* QtDesktop::activeParent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return mainWindow_;
}

void QtDesktop::ShowMessage(const std::string& text, MessageKind kind) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (kind) {
    case MessageKind::Plain:
        break;
    case MessageKind::Information:
        icon = QMessageBox::Information;
        break;
    case MessageKind::Warning:
        icon = QMessageBox::Warning;
        break;
    case MessageKind::Error:
        icon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(icon, QStringLiteral("Pesavia"), ToQString(text), QMessageBox::Ok, activeParent());
    box.exec();
}

void QtDesktop::ShowModal(WindowModel& window) {
    const auto factory = factories_.find(std::type_index(typeid(window)));
    if (factory == factories_.end())
        throw Error(std::string("Aucune fenêtre n'est prévue pour ") + typeid(window).name());
    const std::unique_ptr<QDialog> dialog = factory->second(window, activeParent());
    dialog->setWindowModality(Qt::ApplicationModal);

    // Our own loop rather than exec(): a QDialog hidden during exec() ends it.
    QEventLoop loop;
    bool closed = false;
    QObject::connect(dialog.get(), &QDialog::finished, &loop, [&] {
        closed = true;
        loop.quit();
    });
    const int closing = window.closeRequested.connect([&] {
        dialog->close();
        closed = true;
        loop.quit();
    });
    // The window follows its model: hidden while one of its own modal windows is shown.
    const int showing = window.visibilityChanged.connect([&] { dialog->setVisible(window.visible()); });
    if (window.visible()) dialog->show();
    if (!closed) loop.exec(QEventLoop::DialogExec);
    window.closeRequested.disconnect(closing);
    window.visibilityChanged.disconnect(showing);
}

std::optional<std::string> QtDesktop::BrowseFolder(const std::string& title, const std::string& startFolder) {
    const QString folder = QFileDialog::getExistingDirectory(
        activeParent(), ToQString(title), ToQString(startFolder), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty()) return std::nullopt;
    return ToStdString(folder);
}

QString QtFileFilter(const std::string& filter) {
    const QStringList parts = ToQString(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed().replace(u';', u' ');
        filters << (description.contains(u'(') ? description
                                               : description + QStringLiteral(" (") + patterns + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<std::string> QtDesktop::OpenFileName(const std::string& filter, const std::string& folder,
                                                   const std::string& fileName) {
    const QString start = QDir(ToQString(folder)).filePath(ToQString(fileName));
    const QString file =
        QFileDialog::getOpenFileName(activeParent(), QStringLiteral("Ouvrir"), start, QtFileFilter(filter));
    if (file.isEmpty()) return std::nullopt;
    return ToStdString(file);
}

void QtDesktop::OpenDocument(const std::string& path) {
    const QString file = ToQString(path);
    if (!QFileInfo::exists(file))
        throw Error("Impossible d'ouvrir le fichier " + path + " : il n'existe pas.");
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        throw Error("Impossible d'ouvrir le fichier " + path + " : aucun programme associé ne l'a ouvert.");
}

Date QtDesktop::Today() {
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

std::string QtDesktop::ShortDatePattern() {
    // The pattern the installer records for the user; no user setting here is read from the system locale.
    return "dd/MM/yyyy";
}

std::string QtDesktop::ExecutableDir() {
    return ToStdString(QCoreApplication::applicationDirPath()) + "/";
}

void QtDesktop::Terminate() {
    // quit() before the event loop runs does nothing: end the loop once it starts, and let main() check the
    // flag.
    terminateRequested_ = true;
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

} // namespace pesavia
