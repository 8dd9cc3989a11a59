// Seams for tests: prompts answered from a queue and recorded, sounds recorded, a clock set by
// the test and random numbers taken from a queue.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "app/services.h"

namespace qm {

// One prompt as the window showed it.
struct ShownPrompt {
    enum class Kind { Message, Question, FolderPicker, FileOpen };
    Kind kind = Kind::Message;
    QString text;     // the message, or the dialog's title
    QString caption;  // message boxes: the caption shown ("信息：" when the window gave none)
    PromptIcon icon = PromptIcon::None;
    QString directory;  // dialogs: the folder they open in
    QString filter;     // file-open dialog: the filter
};

class ScriptedPrompts : public Prompts {
public:
    // Answers, used in order by the prompts of their kind.
    void AnswerYes() { questions_.push_back(true); }
    void AnswerNo() { questions_.push_back(false); }
    void ChooseFolder(const QString& path) { folders_.push_back(path); }  // "" cancels
    void ChooseFile(const QString& path) { files_.push_back(path); }      // "" cancels

    const std::vector<ShownPrompt>& shown() const { return shown_; }
    // Questions and dialogs shown with no answer queued (they got No or were cancelled).
    int unanswered() const { return unanswered_; }
    // Answers queued but never asked for.
    size_t pending() const { return questions_.size() + folders_.size() + files_.size(); }
    void Clear();

    // Called as each prompt is shown, after it is recorded.
    std::function<void(const ShownPrompt&)> onShow;

    void Message(const QString& text, PromptIcon icon, const QString& caption = {}) override;
    bool Question(const QString& text, PromptIcon icon, const QString& caption = {}) override;
    QString PickFolder(const QString& title, const QString& startDir) override;
    QString PickOpenFile(const QString& startDir, const QString& filter,
                         const QString& title = {}) override;

private:
    void Record(ShownPrompt prompt);

    std::deque<bool> questions_;
    std::deque<QString> folders_;
    std::deque<QString> files_;
    std::vector<ShownPrompt> shown_;
    int unanswered_ = 0;
};

class RecordingSounds : public Sounds {
public:
    void Play(Sound sound) override { played.push_back(sound); }
    std::vector<Sound> played;
};

class FixedClock : public Clock {
public:
    QDateTime Now() const override { return now; }
    QDateTime now = QDateTime(QDate(2024, 5, 1), QTime(12, 0, 0));
};

// Takes its numbers from `values` in order (each clamped into the asked range); when they are
// used up, gives the low end. Records every range asked for.
class ScriptedRandom : public RandomSource {
public:
    int Between(int low, int high) override;
    std::deque<int> values;
    std::vector<std::pair<int, int>> asked;
};

}  // namespace qm
