#include "support/fake_desktop.h"

#include "controls/error.h"

namespace pesavia::test {

std::vector<std::string> FakeDesktop::texts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
}

void FakeDesktop::ShowMessage(const std::string& text, MessageKind kind) { messages.push_back({text, kind}); }

void FakeDesktop::ShowModal(WindowModel& window) {
    modalShown.push_back(typeid(window).name());
    if (modalScripts.empty()) return;
    auto script = std::move(modalScripts.front());
    modalScripts.pop_front();
    script(window);
}

std::optional<std::string> FakeDesktop::BrowseFolder(const std::string& title, const std::string& startFolder) {
    folderCalls.push_back({title, startFolder, {}});
    if (folderAnswers.empty()) return std::nullopt;
    auto a = folderAnswers.front();
    folderAnswers.pop_front();
    return a;
}

std::optional<std::string> FakeDesktop::OpenFileName(const std::string& filter, const std::string& folder,
                                                     const std::string& fileName) {
    fileCalls.push_back({filter, folder, fileName});
    if (fileAnswers.empty()) return std::nullopt;
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

void FakeDesktop::OpenDocument(const std::string& path) {
    if (!openDocumentError.empty()) throw Error(openDocumentError);
    openedDocuments.push_back(path);
}

} // namespace pesavia::test
