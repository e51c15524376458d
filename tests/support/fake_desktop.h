#pragma once
#include "controls/desktop.h"
#include "controls/window.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

namespace pesavia::test {

// A scripted Desktop: every message is recorded with its kind; each ShowModal runs the next scripted
// operator action on the opened window model (none scripted: the window is closed at once).
class FakeDesktop : public Desktop {
public:
    struct Message {
        std::string text;
        MessageKind kind;
    };

    std::vector<Message> messages;
    std::vector<std::string> modalShown; // type names of the windows shown, in order
    std::deque<std::function<void(WindowModel&)>> modalScripts;
    std::deque<std::optional<std::string>> folderAnswers; // BrowseFolder answers, in order
    std::deque<std::optional<std::string>> fileAnswers;   // OpenFileName answers, in order
    struct DialogCall {
        std::string title_or_filter, folder, fileName;
    };
    std::vector<DialogCall> folderCalls, fileCalls;
    std::vector<std::string> openedDocuments;
    std::string openDocumentError; // non-empty: OpenDocument fails with it
    Date today{2026, 12, 11};
    std::string shortDatePattern = "dd/MM/yyyy";
    std::string executableDir = "/nonexistent/";
    int terminateCalls = 0;

    // Scripts the next modal window, expected to be a T.
    template <class T> void onNextModal(std::function<void(T&)> action) {
        modalScripts.push_back([action](WindowModel& w) { action(dynamic_cast<T&>(w)); });
    }
    // The texts of the recorded messages, in order.
    std::vector<std::string> texts() const;

    void ShowMessage(const std::string& text, MessageKind kind) override;
    void ShowModal(WindowModel& window) override;
    std::optional<std::string> BrowseFolder(const std::string& title, const std::string& startFolder) override;
    std::optional<std::string> OpenFileName(const std::string& filter, const std::string& folder,
                                            const std::string& fileName) override;
    void OpenDocument(const std::string& path) override;
    Date Today() override { return today; }
    std::string ShortDatePattern() override { return shortDatePattern; }
    std::string ExecutableDir() override { return executableDir; }
    void Terminate() override { ++terminateCalls; }
};

} // namespace pesavia::test
