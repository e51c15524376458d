#pragma once
#include <optional>
#include <string>

namespace pesavia {

class WindowModel;

enum class MessageKind { Plain, Information, Warning, Error };

struct Date {
    int year = 0, month = 0, day = 0;
    friend bool operator==(const Date&, const Date&) = default;
};

// The one interface to the platform. The Qt implementation lives in gui/; tests use a scripted fake.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message box with one OK button.
    virtual void ShowMessage(const std::string& text, MessageKind kind = MessageKind::Plain) = 0;
    // Shows another window model modally; returns when it has closed.
    virtual void ShowModal(WindowModel& window) = 0;
    // The folder browser: the chosen folder, or nothing when cancelled.
    virtual std::optional<std::string> BrowseFolder(const std::string& title, const std::string& startFolder) = 0;
    // The file-open dialog: the chosen file's full path, or nothing when cancelled.
    virtual std::optional<std::string> OpenFileName(const std::string& filter, const std::string& folder,
                                                    const std::string& fileName) = 0;
    // Opens a document with the desktop's associated program; throws Error with the reason on failure.
    virtual void OpenDocument(const std::string& path) = 0;
    virtual Date Today() = 0;
    // The system's short date pattern, in the Windows pattern language ("dd/MM/yyyy").
    virtual std::string ShortDatePattern() = 0;
    // The running executable's folder, with a trailing separator.
    virtual std::string ExecutableDir() = 0;
    // Asks the program to end as soon as its event loop runs; the caller goes on to its end.
    virtual void Terminate() = 0;
};

} // namespace pesavia
