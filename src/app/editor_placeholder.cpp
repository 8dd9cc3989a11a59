#include "app/editor_placeholder.h"

#include <QLabel>

#include "app/qt_text.h"
#include "store/settings.h"

namespace qm {

EditorPlaceholder::EditorPlaceholder(const Services&, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("EditorWindow"));
    setWindowTitle(QStringLiteral("Quillmere - ") + PathToQt(RulesPath));
    auto* label = new QLabel(QStringLiteral("配置文件：") + PathToQt(RulesPath), this);
    label->setObjectName(QStringLiteral("标签_配置文件"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    setCentralWidget(label);
    resize(782, 464);
}

}  // namespace qm
