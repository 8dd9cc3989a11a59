// The program's own seams: Qt message boxes and file dialogs, QSoundEffect, the system clock
// and a seeded random generator.
#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QSoundEffect>
#include <array>
#include <memory>
#include <random>

#include "app/services.h"

namespace qm {

class QtPrompts : public Prompts {
public:
    void Message(const QString& text, PromptIcon icon, const QString& caption = {}) override;
    bool Question(const QString& text, PromptIcon icon, const QString& caption = {}) override;
    QString PickFolder(const QString& title, const QString& startDir) override;
    QString PickOpenFile(const QString& startDir, const QString& filter,
                         const QString& title = {}) override;

    // The dialogs as they are shown, unexecuted (the screenshot tool grabs them).
    static std::unique_ptr<QMessageBox> MakeMessageBox(const QString& text, PromptIcon icon,
                                                       const QString& caption, bool yesNo);
    static std::unique_ptr<QFileDialog> MakeFolderDialog(const QString& title,
                                                         const QString& startDir);
    static std::unique_ptr<QFileDialog> MakeOpenFileDialog(const QString& startDir,
                                                           const QString& filter,
                                                           const QString& title);
};

// Plays the built-in WAVs. Nothing happens where there is no audio output.
class QtSounds : public Sounds {
public:
    QtSounds();
    ~QtSounds() override;
    void Play(Sound sound) override;

private:
    std::array<std::unique_ptr<QSoundEffect>, 2> effects_;
    int hasOutput_ = -1;  // unknown until the first play
};

class SystemClock : public Clock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

class SystemRandom : public RandomSource {
public:
    SystemRandom();
    int Between(int low, int high) override;

private:
    std::mt19937 engine_;
};

// Resource paths of the two sounds.
inline constexpr const char* kSuccessSoundResource = ":/sounds/success.wav";
inline constexpr const char* kFailureSoundResource = ":/sounds/failure.wav";

}  // namespace qm
