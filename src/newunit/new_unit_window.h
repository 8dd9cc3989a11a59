// NewUnitWindow: the dialog "新单位设置" that writes a new infantry unit, vehicle, ship,
// aircraft or building into the rules file from an existing unit's appearance. Every control
// is public so tests can drive it.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "app/services.h"
#include "store/gbk_text.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qm {

// The wizard's choices, kept for the whole run; they start empty.
// Registry of the category on screen: "InfantryTypes", "VehicleTypes", "AircraftTypes" or
// "BuildingTypes".
extern Text NewUnitRegistry;
// GBK: "步兵", "车辆", "船只", "飞行" or "建筑".
extern Text NewUnitKind;
// GBK: "步行", "飞行", "传送", "两栖" or "航行".
extern Text NewUnitMovement;

// Called after a generation when the user wants to edit the new unit at once, with the
// registry name of the category the editor shows (CurrentCategory, empty when it shows none).
// The editor rebuilds the catalogues and shows that category again.
using EditNewUnit = std::function<void(const std::string& registry)>;

class NewUnitWindow : public QDialog {
    Q_OBJECT
public:
    // Runs the creation steps: a default ID, the movement "两栖", the category NewUnitCategory
    // names and its appearance list.
    NewUnitWindow(const Services& services, QWidget* parent = nullptr, EditNewUnit editNow = {});

    // Five letters from A to Y (the first a capital, the others lower case) and then
    // a number from 320 to 900 plus the day of the month plus the second of the clock.
    static QString DefaultUnitId(Clock& clock, RandomSource& random);

    // Refills the appearance list from the display list of NewUnitRegistry, clears the
    // picture, unchecks every movement button and enables those the category allows.
    void FillAppearanceList();
    // The image name of the unit selected in 组合框_外观 (empty for the first item).
    Text AppearanceImageName() const;
    // The click on 按钮_生成单位.
    void GenerateUnit();

    QGroupBox* 分组框1;
    QRadioButton* 单选框_步兵;
    QRadioButton* 单选框_车辆;
    QRadioButton* 单选框_船只;
    QRadioButton* 单选框_飞行;
    QRadioButton* 单选框_建筑;
    QLabel* 标签1;

    QGroupBox* 分组框2;
    QLabel* 标签2;
    QLineEdit* 编辑框_新单位名称;
    QLabel* 标签7;
    QLabel* 标签3;
    QLabel* 标签4;
    QComboBox* 组合框_外观;
    QLabel* 标签5;
    QRadioButton* 单选框_步行方式;
    QRadioButton* 单选框_飞行方式;
    QRadioButton* 单选框_传送方式;
    QRadioButton* 单选框_两栖方式;
    QRadioButton* 单选框_航行;

    QLabel* 图片框_外观;
    QLabel* 标签6;
    QPushButton* 按钮_生成单位;
    QPushButton* 按钮_关闭;

private:
    void CategoryClicked(const char* registry);
    void AppearanceChosen();
    bool RefuseId(const QString& id);

    Services services_;
    EditNewUnit editNow_;
};

// Opens NewUnitWindow modally over `owner` for the category NewUnitCategory names and returns
// when it is closed. `editNow` is called as described at EditNewUnit.
void RunNewUnitDialog(const Services& services, QWidget* owner,
                      std::function<void(const std::string& registry)> editNow);

}  // namespace qm
