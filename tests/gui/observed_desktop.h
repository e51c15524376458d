#pragma once
#include "gui/qt_desktop.h"
#include "test_application.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace pesavia::test {

// The Qt Desktop with its messages recorded instead of shown, and scripted answers for the file dialogs.
// Modal windows are the real ones.
class ObservedDesktop : public QtDesktop {
  public:
    struct Message {
        std::string text;
        MessageKind kind;
    };
    std::vector<Message> messages;
    std::deque<std::optional<std::string>> folderAnswers, fileAnswers;

    ObservedDesktop() { TestApplication(); }

    void ShowMessage(const std::string& text, MessageKind kind) override { messages.push_back({text, kind}); }
    std::optional<std::string> BrowseFolder(const std::string&, const std::string&) override {
        return next(folderAnswers);
    }
    std::optional<std::string> OpenFileName(const std::string&, const std::string&,
                                            const std::string&) override {
        return next(fileAnswers);
    }

  private:
    static std::optional<std::string> next(std::deque<std::optional<std::string>>& answers) {
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace pesavia::test
