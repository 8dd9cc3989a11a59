// GameDirWindow: the game directory (directory panel) or the rules file to edit (rules file
// panel). DirDialogMode chooses the face when the dialog is created.
#pragma once

#include <QDialog>

#include "app/services.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace qm {

class GameDirWindow : public QDialog {
    Q_OBJECT
public:
    explicit GameDirWindow(const Services& services, QWidget* parent = nullptr);

    // The file-open dialog's filter: both names, Rules.ini only, Rulesmd.ini only.
    static const QString kRulesFileFilter;

    QFrame* 外形框1;
    QLabel* 标签1;
    QLineEdit* 目录编辑框;
    QToolButton* 目录_选择;

    QFrame* 外形框2;
    QLabel* 标签2;
    QComboBox* 组合框_配置文件选择;
    QLineEdit* 文件名编辑框;
    QToolButton* 文件_选择;

    QPushButton* 按钮1;
    QPushButton* 按钮2;

private:
    bool OnDirectoryPanel() const;
    void PickDirectory();
    void PickRulesFile();
    void RememberedFileChosen(int index);
    void Confirm();
    void ConfirmDirectory();
    void ConfirmRulesFile();
    void CloseClicked();

    Services services_;
};

}  // namespace qm
