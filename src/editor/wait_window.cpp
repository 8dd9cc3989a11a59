#include "editor/wait_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMovie>
#include <QScreen>

#include "app/controls.h"
#include "editor/editor_resources.h"

namespace qm {

WaitWindow::WaitWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    InitEditorResources();
    setObjectName(QStringLiteral("WaitWindow"));
    setFixedSize(306, 81);
    setAttribute(Qt::WA_DeleteOnClose);

    图片框1 = MakeControl<QLabel>(this, "图片框1", 88, 40, 128, 40);
    图片框1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    动画 = new QMovie(QStringLiteral(":/editor/wait.gif"), QByteArray(), this);
    // The 145-pixel strip shrinks to the box's width so none of it is cut off.
    动画->setScaledSize(QSize(128, 13));
    图片框1->setMovie(动画);
    动画->start();

    标签1 = MakeControl<QLabel>(this, "标签1", QStringLiteral("请稍等..."), 88, 13, 184, 32);
    标签1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void WaitWindow::ShowNow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace qm
