// SettingsWindow: the game-wide settings of the rules file (basic settings, paradrops) and the
// about page. The page is chosen once, from SettingsPage, when the window is created; the user
// cannot switch pages. Every control is public so tests can drive it.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "app/services.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPixmap;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QUrl;

namespace qm {

class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the window on the page SettingsPage names (0 basic settings, 1 paradrops,
    // 2 about; any other value is taken as 0), loads the basic boxes from the rules file and
    // prepares the chosen page. An owner makes it a window of its own that stays with the
    // owner and closes with it.
    explicit SettingsWindow(const Services& services, QWidget* owner = nullptr);

    // The two about pictures, entries 0 and 1 of the built-in image list (250 by 353,
    // transparent outside their rounded outline).
    static QPixmap AboutPicture(int index);
    static constexpr int kAboutPictureCount = 2;

    // The targets of the two contact links.
    static const QString kContactLink;  // 联系2 "腾讯QQ"
    static const QString kMailLink;     // 联系1 "E-mail", a mailto: link

    // The about text, exactly as the page shows it (Windows line ends).
    static const QString kAboutText;

    QString shownSide() const { return ShownSide; }
    bool paradropEdited() const { return ParadropEdited; }
    int aboutPictureIndex() const { return AboutPictureIndex; }

    // Opens a contact link; the system's handler by default.
    std::function<void(const QUrl&)> openLink;

    // Outside the pages.
    QLineEdit* 编辑框1;
    QStackedWidget* 选择夹;
    QLabel* 标签_名称;
    QFrame* 进度条1;

    // Page 0, "基本设置".
    QWidget* 页_基本设置;
    QLineEdit* 基本_金钱最小;
    QLineEdit* 基本_金钱最大;
    QLineEdit* 基本_初始部队;
    QLineEdit* 基本_闪电风暴;
    QLineEdit* 基本_时空传送;
    QLineEdit* 基本_基因突变;
    QLineEdit* 基本_宝箱数量;
    QLineEdit* 基本_宝箱钱;
    QLineEdit* 基本_建造间隔;
    QLineEdit* 基本_核弹发射;
    QLineEdit* 基本_铁幕装置;
    QLineEdit* 基本_心灵控制;
    QLabel* 标签12;  // beside 基本_基因突变
    QLabel* 标签13;  // beside 基本_心灵控制
    QFrame* 进度条2;
    QFrame* 进度条3;
    QPushButton* 按钮_保存基本;
    QPushButton* 按钮_基本取消;
    // The twelve boxes in the page's order: the left column top down, then the right one.
    std::array<QLineEdit*, 12> basicBoxes() const;

    // Page 1, "伞兵设置".
    QWidget* 页_伞兵设置;
    QLabel* 标签1;
    QLineEdit* 编辑框_盟军间隔;
    QFrame* 进度条4;
    QLabel* 标签14;
    QLineEdit* 编辑框_苏军间隔;
    QFrame* 进度条5;
    QLabel* 标签15;
    QComboBox* 组合框_国家选择;
    QLabel* 标签17;
    QComboBox* 组合框_兵种选择;
    QLabel* 标签16;
    QLineEdit* 编辑框_兵种数量;
    QPushButton* 按钮_添加兵种;
    QPushButton* 按钮_修改兵种;
    QPushButton* 按钮_删除兵种;
    QPushButton* 按钮_清空列表;
    QTreeWidget* 兵种列表;
    QFrame* 进度条6;
    QPushButton* 按钮_保存伞兵;
    QPushButton* 按钮_取消;

    // Page 2, "关于".
    QWidget* 页_关于;
    QLabel* 关于_图片框;
    QLabel* 标签20;
    QLabel* 透明标签1;
    QLabel* 联系2;
    QLabel* 联系1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildFrame();
    void BuildBasicPage();
    void BuildParadropPage();
    void BuildAboutPage();

    void LoadBasicBoxes();
    void GreyYurisRevengeBoxes();
    void SaveBasic();
    void CloseRoutine();

    void PrepareParadrop();
    void SideChosen(int index);
    void AddUnit();
    void ModifyUnit();
    void DeleteUnit();
    void ClearList();
    void SaveParadrop();
    void MarkListEdited();
    void AddRow(const QString& unit, const QString& count);

    void PrepareAbout();
    void ShowAboutPicture();

    // The failed-write report shared by both saves.
    void ReportFailedSave();

    Services services_;
    QString ShownSide;
    bool ParadropEdited = false;
    int AboutPictureIndex = 0;
};

// Opens SettingsWindow on the page SettingsPage names, owned by `owner` (none when null), not
// modal, deleting itself when closed. While one is open no second one is made: the open one
// is returned unchanged (same page, nothing reloaded).
QWidget* OpenSettingsWindow(const Services& services, QWidget* owner);

}  // namespace qm
