// The seams between the windows and the platform: message boxes and file dialogs, sounds,
// the clock and the random source. Every window gets one Services and reports through it,
// so tests can answer the prompts, read back what was shown and played, and fix the time.
#pragma once

#include <QDateTime>
#include <QString>

namespace qm {

enum class PromptIcon { None, Information, Warning, Question, Error };

// Message boxes, the folder picker and the file-open dialog. Message boxes have no owner
// window and block only this program; one shown without a caption of its own reads
// kDefaultCaption.
class Prompts {
public:
    static const QString kDefaultCaption;  // "信息："

    virtual ~Prompts() = default;

    // A box with an OK button.
    virtual void Message(const QString& text, PromptIcon icon, const QString& caption = {}) = 0;
    // A box with Yes and No; true only on Yes (No and closing the box give false).
    virtual bool Question(const QString& text, PromptIcon icon, const QString& caption = {}) = 0;
    // The folder picker (folders only, with an edit field). The chosen folder, or the empty
    // text when cancelled.
    virtual QString PickFolder(const QString& title, const QString& startDir) = 0;
    // The file-open dialog. `filter` is in Qt's form, "Name (pattern pattern);;Name (pattern)";
    // patterns match regardless of letter case. The chosen file, or the empty text when
    // cancelled. An empty title gives the dialog's own.
    virtual QString PickOpenFile(const QString& startDir, const QString& filter,
                                 const QString& title = {}) = 0;

    // The caption a box shows: its own, or kDefaultCaption when it has none.
    static QString CaptionOrDefault(const QString& caption) {
        return caption.isEmpty() ? kDefaultCaption : caption;
    }
};

enum class Sound { Success, Failure };

// SuccessSound and FailureSound, played once without waiting.
class Sounds {
public:
    virtual ~Sounds() = default;
    virtual void Play(Sound sound) = 0;
};

// The local date and time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
};

// Pseudo-random whole numbers.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number from low to high, both included.
    virtual int Between(int low, int high) = 0;
};

// What a window needs of the platform. Owned elsewhere (main, or a test fixture); windows
// keep a copy of the pointers.
struct Services {
    Prompts* prompts = nullptr;
    Sounds* sounds = nullptr;
    Clock* clock = nullptr;
    RandomSource* random = nullptr;
};

}  // namespace qm
