#include "app/qt_services.h"

#include <QAudioDevice>
#include <QDir>
#include <QHeaderView>
#include <QMediaDevices>
#include <QTreeView>
#include <QUrl>

namespace qm {

const QString Prompts::kDefaultCaption = QStringLiteral("信息：");

namespace {

// Room enough for every column of the file list.
void SizeFileDialog(QFileDialog& dialog) {
    dialog.resize(720, 440);
    if (auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        list->header()->resizeSection(0, 260);
        list->header()->resizeSection(1, 80);
        list->header()->resizeSection(2, 90);
        list->header()->resizeSection(3, 140);
    }
}

QMessageBox::Icon BoxIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Warning: return QMessageBox::Warning;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::Error: return QMessageBox::Critical;
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

std::unique_ptr<QMessageBox> QtPrompts::MakeMessageBox(const QString& text, PromptIcon icon,
                                                       const QString& caption, bool yesNo) {
    auto box = std::make_unique<QMessageBox>();  // no owner window
    box->setWindowTitle(CaptionOrDefault(caption));
    box->setIcon(BoxIcon(icon));
    box->setTextFormat(Qt::PlainText);
    // The texts carry Windows line ends; a label breaks lines at "\n" only.
    box->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (yesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

void QtPrompts::Message(const QString& text, PromptIcon icon, const QString& caption) {
    MakeMessageBox(text, icon, caption, false)->exec();
}

bool QtPrompts::Question(const QString& text, PromptIcon icon, const QString& caption) {
    return MakeMessageBox(text, icon, caption, true)->exec() == QMessageBox::Yes;
}

std::unique_ptr<QFileDialog> QtPrompts::MakeFolderDialog(const QString& title,
                                                         const QString& startDir) {
    auto dialog = std::make_unique<QFileDialog>(nullptr, title, startDir);
    // Qt's own dialog everywhere, so it speaks the program's language and looks the same
    // whatever the desktop.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    SizeFileDialog(*dialog);
    return dialog;
}

std::unique_ptr<QFileDialog> QtPrompts::MakeOpenFileDialog(const QString& startDir,
                                                           const QString& filter,
                                                           const QString& title) {
    auto dialog = std::make_unique<QFileDialog>(nullptr, title, startDir, filter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // Name patterns match regardless of letter case, as file names do on Windows.
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);
    SizeFileDialog(*dialog);
    return dialog;
}

QString QtPrompts::PickFolder(const QString& title, const QString& startDir) {
    auto dialog = MakeFolderDialog(title, startDir);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    return dialog->selectedFiles().first();
}

QString QtPrompts::PickOpenFile(const QString& startDir, const QString& filter,
                                const QString& title) {
    auto dialog = MakeOpenFileDialog(startDir, filter, title);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    return dialog->selectedFiles().first();
}

QtSounds::QtSounds() = default;
QtSounds::~QtSounds() = default;

void QtSounds::Play(Sound sound) {
    // Asking for the outputs starts the audio backend, so it is done at the first play, not
    // at start-up. Without an output the sounds are simply not played.
    if (hasOutput_ < 0) hasOutput_ = QMediaDevices::audioOutputs().isEmpty() ? 0 : 1;
    if (!hasOutput_) return;
    const int index = sound == Sound::Success ? 0 : 1;
    auto& effect = effects_[index];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl(QStringLiteral("qrc") +
                               (index == 0 ? kSuccessSoundResource : kFailureSoundResource)));
    }
    // Plays in the background; a play before the file is loaded starts once it is.
    effect->play();
}

SystemRandom::SystemRandom() : engine_(std::random_device{}()) {}

int SystemRandom::Between(int low, int high) {
    if (high < low) return low;
    return std::uniform_int_distribution<int>(low, high)(engine_);
}

}  // namespace qm
