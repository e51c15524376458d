#pragma once
#include "controls/desktop.h"
#include "controls/window.h"

#include <QDialog>

#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <typeinfo>

class QWidget;

namespace pesavia {

// The Desktop on Qt: message boxes, modal windows made from their models, the file dialogs, opening a
// document, today's date, the executable's folder and ending the program. Tests may subclass it to observe
// the messages or answer the dialogs.
class QtDesktop : public Desktop {
  public:
    using WindowFactory = std::function<std::unique_ptr<QDialog>(WindowModel&, QWidget* parent)>;

    // Makes the dialog that shows a window model of type Model.
    template <class Model>
    void registerWindow(std::function<std::unique_ptr<QDialog>(Model&, QWidget*)> make) {
        factories_[std::type_index(typeid(Model))] = [make = std::move(make)](WindowModel& w,
                                                                              QWidget* parent) {
            return make(static_cast<Model&>(w), parent);
        };
    }
    // The program's main window: the parent of dialogs opened while no other window is active.
    void setMainWindow(QWidget* window) { mainWindow_ = window; }
    // Whether Terminate() was called (checked before the event loop starts).
    bool terminateRequested() const { return terminateRequested_; }
    // The window that owns a message box or dialog opened now.
    QWidget* activeParent() const;

    void ShowMessage(const std::string& text, MessageKind kind = MessageKind::Plain) override;
    // Creates the registered dialog for the model, shows it application-modal until it closes (its close
    // box or the model's Close()), then destroys it. Meanwhile it follows the model's visibility; hiding it
    // does not close it.
    void ShowModal(WindowModel& window) override;
    std::optional<std::string> BrowseFolder(const std::string& title,
                                            const std::string& startFolder) override;
    // `filter` is in the "Description | *.ext" form, pairs separated by "|".
    std::optional<std::string> OpenFileName(const std::string& filter, const std::string& folder,
                                            const std::string& fileName) override;
    void OpenDocument(const std::string& path) override;
    Date Today() override;
    std::string ShortDatePattern() override;
    std::string ExecutableDir() override;
    void Terminate() override;

  private:
    std::map<std::type_index, WindowFactory> factories_;
    QWidget* mainWindow_ = nullptr;
    bool terminateRequested_ = false;
};

// The filter of a file-open dialog ("Description | *.ext | ...") in Qt's form ("Description (*.ext);;...").
QString QtFileFilter(const std::string& filter);

} // namespace pesavia
