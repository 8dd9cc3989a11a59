// The wizard as the editor opens it: from the toolbar button and the "新单位" menu, and the
// editor's unit list after a generated unit is accepted or not.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <memory>

#include "app/qt_text.h"
#include "app/window_globals.h"
#include "app/window_test.h"
#include "catalogue/catalogues.h"
#include "editor/editor_window.h"
#include "newunit/new_unit_window.h"
#include "store/settings.h"

namespace qmtest {
namespace {

using qm::Gbk;
using qm::NewUnitWindow;

const std::string kRules =
    "[General]\r\nName=Red Alert 2\r\n"
    "[InfantryTypes]\r\n1=E1\r\n"
    "[VehicleTypes]\r\n1=MTNK\r\n2=DEST\r\n"
    "[AircraftTypes]\r\n1=ORCA\r\n"
    "[BuildingTypes]\r\n1=GAPOWR\r\n"
    "[MTNK]\r\nImage=MTNK\r\n";

const int kNewUnitEntry = 0;
const int kVehiclesEntry = 4;

class NewUnitFromEditorTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        qm::CurrentCategory.clear();
        qm::NewUnitCategory = 0;
        qm::GameVersion = 1;
        qm::RulesPath = program.file("Rules.ini");
        Spit(qm::RulesPath, kRules);
        editor = std::make_unique<qm::EditorWindow>(services, qm::DefaultEditorOpeners());
        editor->show();
        editor->Created();
    }
    void TearDown() override {
        // Destroyed, not closed: closing would ask the close question.
        editor.reset();
        qm::CurrentCategory.clear();
        WindowTest::TearDown();
    }

    // Clicks the main part of a toolbar entry's button.
    void Click(int entry) {
        QWidget* button = editor->工具条->widgetForAction(editor->工具条项目[entry]);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2 - 4, button->height() / 2));
    }

    // The item of the "新单位" menu with this caption.
    QAction* MenuItem(const char* caption) {
        for (QAction* item : editor->新单位->actions())
            if (item->text() == QString::fromUtf8(caption)) return item;
        ADD_FAILURE() << caption;
        return nullptr;
    }

    // Runs `act` on the wizard while it is open, then closes it with "取消退出".
    static void WhenWizardOpen(std::function<void(NewUnitWindow&)> act) {
        WhenModal([act](QWidget* modal) {
            auto* wizard = qobject_cast<NewUnitWindow*>(modal);
            ASSERT_NE(wizard, nullptr);
            act(*wizard);
            QTest::mouseClick(wizard->按钮_关闭, Qt::LeftButton);
        });
    }

    QStringList EditorRows() const {
        QStringList rows;
        for (int i = 0; i < editor->单位列表框->topLevelItemCount(); ++i)
            rows << editor->单位列表框->topLevelItem(i)->text(0);
        return rows;
    }

    std::unique_ptr<qm::EditorWindow> editor;
};

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

// The button opens the wizard on infantry, each menu item on its category.
TEST_F(NewUnitFromEditorTest, OpensOnTheCategoryOfTheButtonOrMenuItem) {
    const qm::Catalogues& c = qm::ProgramCatalogues();
    const struct {
        const char* menuItem;  // nullptr: the toolbar button
        const char* checked;
        const char* kind;
        const qm::TextList& list;
    } cases[] = {
        {nullptr, "单选框_步兵", "步兵", c.InfantryList},
        {"步兵单位", "单选框_步兵", "步兵", c.InfantryList},
        {"车船单位", "单选框_车辆", "车辆", c.VehicleList},
        {"飞行单位", "单选框_飞行", "飞行", c.AircraftList},
        {"建筑单位", "单选框_建筑", "建筑", c.BuildingList},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.menuItem ? tc.menuItem : "button");
        bool seen = false;
        WhenWizardOpen([&](NewUnitWindow& w) {
            seen = true;
            EXPECT_EQ(w.parentWidget(), editor.get());
            EXPECT_TRUE(w.isModal());
            for (QRadioButton* b : {w.单选框_步兵, w.单选框_车辆, w.单选框_船只, w.单选框_飞行, w.单选框_建筑})
                EXPECT_EQ(b->isChecked(), b->objectName() == QString::fromUtf8(tc.checked))
                    << b->objectName().toStdString();
            QStringList expected{QStringLiteral("请选择单位外观...")};
            for (const qm::Text& item : tc.list) expected << qm::GbkToQt(item);
            EXPECT_EQ(Items(w.组合框_外观), expected);
            EXPECT_EQ(qm::NewUnitKind, Gbk(tc.kind));
            EXPECT_FALSE(w.单选框_航行->isEnabled());
            EXPECT_FALSE(w.单选框_航行->isChecked());
        });
        if (tc.menuItem) {
            QAction* item = MenuItem(tc.menuItem);
            ASSERT_NE(item, nullptr);
            item->trigger();
        } else {
            Click(kNewUnitEntry);
        }
        EXPECT_TRUE(seen);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

// Yes rebuilds the catalogues and shows the editor's category again with the new unit last;
// No leaves the editor's list as it was. The wizard stays open either way.
TEST_F(NewUnitFromEditorTest, YesShowsTheNewUnitLastInTheEditorsList) {
    Click(kVehiclesEntry);
    const QStringList before = EditorRows();
    ASSERT_EQ(before.size(), static_cast<qsizetype>(qm::ProgramCatalogues().VehicleList.size()));

    prompts.AnswerNo();
    WhenWizardOpen([&](NewUnitWindow& w) {
        w.编辑框_新单位名称->setText(QStringLiteral("Tank1"));
        QTest::mouseClick(w.按钮_生成单位, Qt::LeftButton);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(EditorRows(), before);
    });
    MenuItem("车船单位")->trigger();
    EXPECT_EQ(EditorRows(), before);

    const QStringList after = before + QStringList{"Tank1-未知", "Tank2-未知"};
    prompts.AnswerYes();
    WhenWizardOpen([&](NewUnitWindow& w) {
        w.编辑框_新单位名称->setText(QStringLiteral("Tank2"));
        QTest::mouseClick(w.按钮_生成单位, Qt::LeftButton);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(EditorRows(), after);
    });
    MenuItem("车船单位")->trigger();
    EXPECT_EQ(qm::CurrentCategory, "VehicleTypes");
    EXPECT_EQ(EditorRows(), after);
}

}  // namespace
}  // namespace qmtest
