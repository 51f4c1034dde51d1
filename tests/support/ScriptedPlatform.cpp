#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

ScriptedPlatform::ScriptedPlatform() : now(EncodeDate(2025, 2, 11) + 0.5) {}

ScriptedPlatform::~ScriptedPlatform() {
    if (!messageAnswers_.empty()) ADD_FAILURE() << messageAnswers_.size() << " message answer(s) never asked for";
    if (!inputAnswers_.empty()) ADD_FAILURE() << inputAnswers_.size() << " input answer(s) never asked for";
    if (!fileAnswers_.empty()) ADD_FAILURE() << fileAnswers_.size() << " file dialog answer(s) never asked for";
    if (!modalAnswers_.empty()) ADD_FAILURE() << modalAnswers_.size() << " modal answer(s) never used";
    if (!pageSetupAnswers_.empty()) ADD_FAILURE() << pageSetupAnswers_.size() << " page set-up answer(s) never used";
}

void ScriptedPlatform::answerMessage(int id, std::function<void()> during) {
    messageAnswers_.push_back({id, std::move(during)});
}

void ScriptedPlatform::answerInput(std::optional<std::string> text) { inputAnswers_.push_back(std::move(text)); }

void ScriptedPlatform::answerFileDialog(const std::string& fileName, int filterIndex) {
    fileAnswers_.push_back({fileName, filterIndex});
}

void ScriptedPlatform::answerModal(std::function<void(TForm&)> during) { modalAnswers_.push_back(std::move(during)); }

void ScriptedPlatform::onProcessMessages(std::function<void()> action) { pending_.push_back(std::move(action)); }

void ScriptedPlatform::onControlInput(std::function<void()> action) { controlPending_.push_back(std::move(action)); }

int ScriptedPlatform::MessageBox(const std::string& text, const std::string& caption, int flags) {
    messages.push_back({text, caption, flags});
    if (messageAnswers_.empty()) {
        if (!tolerateMessages) ADD_FAILURE() << "unexpected message box: \"" << text << "\" (" << caption << ")";
        switch (flags & MB_BUTTONMASK) {
        case MB_YESNO:
        case MB_YESNOCANCEL: return IDYES;
        case MB_ABORTRETRYIGNORE: return IDABORT;
        case MB_RETRYCANCEL: return IDRETRY;
        default: return IDOK;
        }
    }
    MessageAnswer answer = std::move(messageAnswers_.front());
    messageAnswers_.pop_front();
    if (answer.during) answer.during();
    return answer.id;
}

std::string ScriptedPlatform::InputBox(const std::string&, const std::string& prompt, const std::string& defaultText) {
    inputPrompts.push_back(prompt);
    if (inputAnswers_.empty()) {
        ADD_FAILURE() << "unexpected input box: " << prompt;
        return defaultText;
    }
    std::optional<std::string> answer = std::move(inputAnswers_.front());
    inputAnswers_.pop_front();
    return answer ? *answer : defaultText;
}

bool ScriptedPlatform::executeFileDialog(TCommonFileDialog& dialog) {
    fileDialogFilters.push_back(dialog.Filter);
    fileDialogNames.push_back(dialog.FileName);
    if (fileAnswers_.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << dialog.Filter;
        return false;
    }
    FileAnswer answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    if (answer.fileName.empty()) return false;
    dialog.FileName = answer.fileName;
    if (answer.filterIndex > 0) dialog.FilterIndex = answer.filterIndex;
    return true;
}

bool ScriptedPlatform::ExecuteOpenDialog(TOpenDialog& dialog) { return executeFileDialog(dialog); }
bool ScriptedPlatform::ExecuteSaveDialog(TSaveDialog& dialog) { return executeFileDialog(dialog); }

void ScriptedPlatform::ShowModal(TForm& form) {
    modalForms.push_back(form.Name());
    if (modalAnswers_.empty()) {
        ADD_FAILURE() << "unexpected modal window: " << form.Name();
    } else {
        auto during = std::move(modalAnswers_.front());
        modalAnswers_.pop_front();
        during(form);
    }
    if (form.ModalResult() == mrNone) form.Close();
    if (form.ModalResult() == mrNone) form.SetModalResult(mrCancel);
}

void ScriptedPlatform::ProcessMessages() {
    ++processMessagesCalls;
    if (pending_.empty()) return;
    auto action = std::move(pending_.front());
    pending_.pop_front();
    Application->Invoke(action);
}

void ScriptedPlatform::ProcessMessagesFor(TControl& control) {
    controlInputs.push_back(control.Name());
    if (controlPending_.empty()) return;
    auto action = std::move(controlPending_.front());
    controlPending_.pop_front();
    Application->Invoke(action);
}

bool ScriptedPlatform::ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                                    const std::string& directory) {
    shellCalls.push_back({verb, file, parameters, directory});
    return true;
}

bool ScriptedPlatform::StartProgram(const std::string& program, const std::vector<std::string>& arguments) {
    programs.push_back({program, arguments});
    return startProgramResult;
}

bool ScriptedPlatform::PrintPage(const TPreparedPage& page) {
    if (!printConfirmed) return false;
    printedPages.push_back(page);
    return true;
}

void ScriptedPlatform::answerPageSetup(std::optional<TPageSettings> paper) {
    pageSetupAnswers_.push_back(std::move(paper));
}

bool ScriptedPlatform::PageSetupDialog(TPageSettings& paper) {
    pageSetups.push_back(paper);
    if (pageSetupAnswers_.empty()) {
        ADD_FAILURE() << "unexpected page set-up dialog";
        return false;
    }
    std::optional<TPageSettings> answer = std::move(pageSetupAnswers_.front());
    pageSetupAnswers_.pop_front();
    if (!answer) return false;
    paper = *answer;
    return true;
}
