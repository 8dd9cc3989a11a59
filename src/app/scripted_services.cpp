#include "app/scripted_services.h"

#include <algorithm>

namespace qm {

void ScriptedPrompts::Clear() {
    questions_.clear();
    folders_.clear();
    files_.clear();
    shown_.clear();
    unanswered_ = 0;
}

void ScriptedPrompts::Record(ShownPrompt prompt) {
    shown_.push_back(std::move(prompt));
    if (onShow) onShow(shown_.back());
}

void ScriptedPrompts::Message(const QString& text, PromptIcon icon, const QString& caption) {
    Record({ShownPrompt::Kind::Message, text, CaptionOrDefault(caption), icon, {}, {}});
}

bool ScriptedPrompts::Question(const QString& text, PromptIcon icon, const QString& caption) {
    Record({ShownPrompt::Kind::Question, text, CaptionOrDefault(caption), icon, {}, {}});
    if (questions_.empty()) {
        ++unanswered_;
        return false;
    }
    const bool yes = questions_.front();
    questions_.pop_front();
    return yes;
}

QString ScriptedPrompts::PickFolder(const QString& title, const QString& startDir) {
    Record({ShownPrompt::Kind::FolderPicker, title, {}, PromptIcon::None, startDir, {}});
    if (folders_.empty()) {
        ++unanswered_;
        return {};
    }
    QString path = folders_.front();
    folders_.pop_front();
    return path;
}

QString ScriptedPrompts::PickOpenFile(const QString& startDir, const QString& filter,
                                      const QString& title) {
    Record({ShownPrompt::Kind::FileOpen, title, {}, PromptIcon::None, startDir, filter});
    if (files_.empty()) {
        ++unanswered_;
        return {};
    }
    QString path = files_.front();
    files_.pop_front();
    return path;
}

int ScriptedRandom::Between(int low, int high) {
    asked.emplace_back(low, high);
    if (values.empty()) return low;
    const int v = values.front();
    values.pop_front();
    return std::clamp(v, low, std::max(low, high));
}

}  // namespace qm
