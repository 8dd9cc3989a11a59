#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTest>
#include <QTreeView>
#include <cstring>
#include <gtest/gtest.h>

#include "app/game_dir_window.h"
#include "app/qt_services.h"
#include "app/skin.h"
#include "support/temp_dir.h"
#include "app/window_test.h"

namespace qmtest {
namespace {

uint32_t Le(const QByteArray& b, int at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
    return v;
}

// The two sounds are complete PCM WAV files of the sizes and formats the program promises.
TEST(Sounds, BuiltInWavFiles) {
    const struct {
        const char* resource;
        int size, channels, rate;
    } cases[] = {
        {qm::kSuccessSoundResource, 207148, 2, 44100},
        {qm::kFailureSoundResource, 42576, 1, 22050},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.resource);
        QFile file(QString::fromLatin1(c.resource));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray b = file.readAll();
        ASSERT_EQ(b.size(), c.size);
        EXPECT_EQ(b.left(4), "RIFF");
        EXPECT_EQ(Le(b, 4, 4), static_cast<uint32_t>(c.size - 8));
        EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(Le(b, 20, 2), 1u);  // PCM
        EXPECT_EQ(Le(b, 22, 2), static_cast<uint32_t>(c.channels));
        EXPECT_EQ(Le(b, 24, 4), static_cast<uint32_t>(c.rate));
        EXPECT_EQ(Le(b, 34, 2), 16u);
        EXPECT_EQ(b.mid(36, 4), "data");
        const uint32_t data = Le(b, 40, 4);
        EXPECT_EQ(data, static_cast<uint32_t>(c.size - 44));
        const double seconds = static_cast<double>(data) / (c.channels * 2) / c.rate;
        EXPECT_GT(seconds, 0.9);
        EXPECT_LT(seconds, 1.25);
        // Not silence, and it ends quietly (no click).
        int peak = 0;
        for (int i = 44; i + 1 < b.size(); i += 2)
            peak = std::max(peak, std::abs(static_cast<int16_t>(Le(b, i, 2))));
        EXPECT_GT(peak, 8000);
        EXPECT_LT(std::abs(static_cast<int16_t>(Le(b, b.size() - 2, 2))), 200);
    }
    // Where there is no audio output, playing does nothing and returns.
    qm::QtSounds sounds;
    sounds.Play(qm::Sound::Success);
    sounds.Play(qm::Sound::Failure);
}

// Qt's own texts are Chinese and the boxes show the program's captions and texts.
TEST(Prompts, QtMessageBoxes) {
    auto question = qm::QtPrompts::MakeMessageBox(QStringLiteral("一\r\n\r\n二"),
                                                  qm::PromptIcon::Question, {}, true);
    EXPECT_EQ(question->windowTitle(), QStringLiteral("信息："));
    EXPECT_EQ(question->text(), QStringLiteral("一\n\n二"));
    EXPECT_EQ(question->icon(), QMessageBox::Question);
    ASSERT_NE(question->button(QMessageBox::Yes), nullptr);
    ASSERT_NE(question->button(QMessageBox::No), nullptr);
    EXPECT_EQ(question->button(QMessageBox::Ok), nullptr);
    EXPECT_TRUE(question->button(QMessageBox::Yes)->text().startsWith(QStringLiteral("是")));
    EXPECT_TRUE(question->button(QMessageBox::No)->text().startsWith(QStringLiteral("否")));
    EXPECT_EQ(question->parent(), nullptr);

    auto error = qm::QtPrompts::MakeMessageBox(QStringLiteral("x"), qm::PromptIcon::Warning,
                                               QStringLiteral("错误"), false);
    EXPECT_EQ(error->windowTitle(), QStringLiteral("错误"));
    EXPECT_EQ(error->icon(), QMessageBox::Warning);
    ASSERT_NE(error->button(QMessageBox::Ok), nullptr);
    EXPECT_TRUE(error->button(QMessageBox::Ok)->text().startsWith(QStringLiteral("确定")));
    EXPECT_EQ(error->button(QMessageBox::Yes), nullptr);
}

// On a file system that tells letter cases apart, the file-open dialog still finds the rules
// files in any letter case, and only them.
TEST(Prompts, FileOpenDialogMatchesRulesFilesInAnyLetterCase) {
    TempDir dir;
    for (const char* name : {"RULES.INI", "rulesmd.ini", "Rules.ini.bak", "art.ini", "Ra2.exe"})
        Spit(dir.file(name), "");
    auto dialog = qm::QtPrompts::MakeOpenFileDialog(QString::fromStdString(dir.path()),
                                                    qm::GameDirWindow::kRulesFileFilter, {});
    EXPECT_EQ(dialog->nameFilters().size(), 3);
    auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(list, nullptr);
    QAbstractItemModel* model = list->model();
    // The entries arrive from the model's worker thread.
    EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(list->rootIndex()) >= 2; }, 5000));
    QTest::qWait(100);
    QStringList names;
    for (int r = 0; r < model->rowCount(list->rootIndex()); ++r)
        names << model->index(r, 0, list->rootIndex()).data().toString();
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("RULES.INI"), QStringLiteral("rulesmd.ini")}));
}

TEST(Skin, AttachedEverywhereDetachedForOneWidget) {
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    EXPECT_EQ(QApplication::font().family(), QStringLiteral("WenQuanYi Micro Hei"));
    EXPECT_EQ(QApplication::font().pixelSize(), 12);
    QWidget window;
    auto* plain = new QWidget(&window);
    auto* inner = new QPushButton(plain);
    auto* other = new QPushButton(&window);
    qm::SkinH_Detach_Ex(plain);
    EXPECT_EQ(plain->style()->name().toLower(), QStringLiteral("windows"));
    EXPECT_EQ(inner->style()->name().toLower(), QStringLiteral("windows"));
    EXPECT_EQ(other->style()->name().toLower(), QStringLiteral("fusion"));
}

}  // namespace
}  // namespace qmtest
