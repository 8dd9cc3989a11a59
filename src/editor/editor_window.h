// EditorWindow: the main window. A toolbar picks a category; the editor page lists its units
// and shows the selected unit's form, which is loaded from and saved to the rules file
// RulesPath. Every control is public, under its form name, so tests can drive it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "app/services.h"
#include "store/gbk_text.h"
#include "store/rules_document.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QStatusBar;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace qm {

class WaitWindow;

// The windows the editor opens. The program's own by default; tests put recorders in.
struct EditorOpeners {
    // NewUnitWindow, modal over the owner; calls editNow when the user wants to edit the unit
    // it generated at once.
    std::function<void(const Services&, QWidget* owner,
                       std::function<void(const std::string& registry)> editNow)>
        newUnit;
    // SettingsWindow, not modal, owned by the owner; returns the window.
    std::function<QWidget*(const Services&, QWidget* owner)> settings;
    // GameDirWindow as a dialog (the owner given is always none).
    std::function<void(const Services&, QWidget* owner)> gameDir;
};
EditorOpeners DefaultEditorOpeners();

// The two modes of ResetUnitForm: "全部" clears everything and enables the controls a category
// may have disabled; "内容" clears the unit's content only.
enum class ResetMode { All, Content };

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit EditorWindow(const Services& services, EditorOpeners openers = DefaultEditorOpeners(),
                          QWidget* parent = nullptr);
    ~EditorWindow() override;

    // The creation steps, once the window is shown: the plain toolbar, the wait window, the
    // welcome page, and the catalogues built and put into the lists.
    void Created();

    // Builds the catalogues from the rules file (WaitWindow shows meanwhile) and puts the
    // weapon, prerequisite and country items into their lists. A rebuild replaces the items
    // of the previous build: none repeats, the lists' own first items stay first and items
    // added by SelectById stay.
    void BuildCatalogues();

    // Lists a category's units and prepares the form for CurrentCategory.
    void ShowCategory(const TextList& list);
    void ResetUnitForm(ResetMode mode);

    // Selects the item of the list whose ID equals id regardless of ASCII letter case (the
    // last such item), or appends id as a new item and selects it; the whole text of such an
    // item is its ID, "-" included. An empty id does nothing.
    static void SelectById(QComboBox* list, const Text& id);
    // The ID of the selected item, empty when nothing is selected. The first items of
    // 组合框_死亡武器 ("None-无") and 组合框_仅拥有 ("不设定-None") give the empty text.
    Text ListValue(QComboBox* list) const;

    void ShowOwners(const Text& owner);
    Text OwnerText() const;
    void ShowPrerequisites();
    Text PrerequisiteName(const Text& id) const;
    void ShowUnitPicture(const Text& name);

    // The toolbar entries by index, separators included.
    std::array<QAction*, 13> 工具条项目{};
    QToolBar* 工具条;
    QActionGroup* 类别按钮组;
    QMenu* 新单位;
    QFrame* 进度条1;
    QStackedWidget* 选择夹;
    QStatusBar* 状态条1;

    // Page 0.
    QWidget* 欢迎页;
    QLabel* 图片框1;

    // Page 1.
    QWidget* 编辑页;
    QTreeWidget* 单位列表框;
    QLineEdit* 图片模型_编辑框;

    QGroupBox* 分组框;
    QCheckBox* 选择_美国;
    QCheckBox* 选择_法国;
    QCheckBox* 选择_英国;
    QCheckBox* 选择_德国;
    QCheckBox* 选择_韩国;
    QCheckBox* 选择_苏联;
    QCheckBox* 选择_古巴;
    QCheckBox* 选择_伊拉克;
    QCheckBox* 选择_利比亚;
    QCheckBox* 选择_尤里;
    QLineEdit* 其他国家_编辑框;
    QToolButton* 其他国家_按钮;
    QPushButton* 按钮_反选国家;
    QListWidget* 其他国家列表;

    QLineEdit* 编辑框_生产前提;
    QPlainTextEdit* 编辑框_前提说明;
    QComboBox* 组合框_前提选择;
    QPushButton* 按钮_增加前提;
    QComboBox* 组合框_要删除项目;
    QPushButton* 按钮_删除前提;
    QLineEdit* 编辑框_成本;
    QLineEdit* 编辑框_生命;
    QLabel* 标签_速度_电量;
    QLineEdit* 编辑框_速度;
    QLineEdit* 编辑框_视野;
    QLabel* 标签_占位_距离;
    QLineEdit* 编辑框_占位;
    QLineEdit* 编辑框_容量;
    QCheckBox* 选择框_移动攻击;
    QCheckBox* 选择框_限制数量;
    QLineEdit* 编辑框_限制数量;

    QComboBox* 组合框_主武器;
    QComboBox* 组合框_辅武器;
    QComboBox* 组合框_主升级;
    QComboBox* 组合框_辅升级;
    QComboBox* 组合框_死亡武器;
    QComboBox* 组合框_装甲;
    QComboBox* 组合框_科技;
    QComboBox* 组合框_仅拥有;

    QGroupBox* 分组框3;
    QLabel* 单位图片;
    QFrame* 进度条2;
    QPushButton* 按钮_重置内容;
    QPushButton* 按钮_保存单位;

    QGroupBox* 分组框2;
    QCheckBox* 选择框_开始拥有;
    QFrame* 进度条5;
    QCheckBox* 选择框_自动回血;
    QCheckBox* 选择框_可进建筑;
    QCheckBox* 选择框_可以展开;
    QCheckBox* 选择框_展开射击;
    QCheckBox* 选择框_可以爆破;
    QCheckBox* 选择框_不受控制;
    QCheckBox* 选择框_可以变身;
    QCheckBox* 选择框_长时变身;
    QCheckBox* 选择框_不能碾压;
    QCheckBox* 选择框_死亡爆炸;
    QFrame* 进度条3;
    QCheckBox* 选择框_可宝箱获得;
    QCheckBox* 选择框_碾压步兵;
    QCheckBox* 选择框_车辆变身;
    QComboBox* 组合框_车辆变身;

    // The check box of each entry of kCountryTable, in the same order.
    std::array<QCheckBox*, 10> CountryBoxes() const;
    // The SettingsWindow the editor opened, while it exists.
    QWidget* settingsWindow() const { return settingsWindow_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildToolbar();
    void BuildWelcomePage();
    void BuildEditorPage();
    void Connect();

    void ToolbarClicked(int index);
    void OpenNewUnitWindow(int category);
    void OpenSettingsWindow(int page);
    void OpenGameDirWindow();
    void CategoryClicked(const char* registry);
    bool AskToClose();
    void EditNewUnitNow();

    void UnitSelected(QTreeWidgetItem* current);
    void SaveClicked();
    void AddPrerequisiteClicked();
    void DeletePrerequisiteClicked();
    void InvertCountriesClicked();
    void OtherCountriesClicked();
    void UpdateDeleteControls();

    UnitRecord FormRecord() const;
    void ShowRecord(const UnitRecord& unit);
    void SelectTechLevel(const Text& techLevel);
    Text TechLevelValue() const;
    void ReplaceCatalogueItems(QComboBox* list, int first, const QStringList& items);

    Services services_;
    EditorOpeners openers_;
    QPointer<WaitWindow> waitWindow_;
    QPointer<QWidget> settingsWindow_;
    // How many items the last catalogue build put into each filled list, after its own items.
    std::array<int, 7> catalogueCounts_{};
    // Pieces of the loaded owner text that name none of the ten countries and no item of
    // 其他国家列表; saved back after them.
    TextList otherOwnerPieces_;
    bool closeConfirmed_ = false;
};

// Opens EditorWindow on RulesPath: not modal, deleting itself when closed, with the creation
// steps run. The program installs this with SetEditorOpener.
QWidget* OpenEditor(const Services& services);

}  // namespace qm
