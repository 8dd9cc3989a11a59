// StartWindow: create a rules file from a template, open an existing one, set the game
// directory, or leave. Every control is public so tests can drive it.
#pragma once

#include <QDateTime>
#include <QWidget>
#include <array>

#include "app/services.h"

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTimer;

namespace qm {

class StartWindow : public QWidget {
    Q_OBJECT
public:
    explicit StartWindow(const Services& services, QWidget* parent = nullptr);

    // The start steps after the window is shown: the clock, GameDirectory from the settings
    // file, and the directory dialog (modal) when no game directory is known.
    void Created();
    // Puts the current date and time into the second panel of the status bar (the timer calls
    // this every second).
    void Tick();

    // The clock text: the date as "2024年5月1日", then the time without the trailing zero
    // parts ("9时5分", "9时", nothing at midnight).
    static QString DateTimeText(const QDateTime& when);

    // The game version the create panel is set to: 1 Red Alert 2, 2 Yuri's Revenge.
    int createVersion() const { return CreateVersion; }

    QLabel* 图片框1;
    QPushButton* 按钮_新建;
    QPushButton* 按钮_修改;
    QPushButton* 按钮_修改1;
    QPushButton* 按钮_结束;

    QFrame* 外形框;
    QLabel* 标签1;
    QFrame* 进度条1;
    QFrame* 进度条2;
    QRadioButton* 单选框1;
    QLabel* 标签ra2;
    QPushButton* 按钮3;
    QRadioButton* 单选框2;
    QLabel* 标签Youli;
    QPushButton* 按钮4;
    QPushButton* 按钮1;
    QPushButton* 按钮2;

    QStatusBar* 状态条;
    // The status bar's panels: "时间：", the date and time, "作者：", the credit.
    std::array<QLabel*, 4> 状态条面板{};
    QTimer* 时钟1;

private:
    void ShowCreatePanel();
    void ClearRulesFile(int version);
    void TakeCreateVersion();
    void ConfirmCreate();
    void ModifyRulesFile();
    void SetGameDirectory();
    void ExitProgram();

    Services services_;
    int CreateVersion = 1;
};

}  // namespace qm
