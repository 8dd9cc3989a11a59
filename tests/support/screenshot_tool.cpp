#include "support/screenshot_tool.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "app/application.h"
#include "app/skin.h"

namespace qmtest {

bool ScreenshotTool::Start(QApplication& app, int argc, char** argv, const char* name) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", name);
        return false;
    }
    out_dir_ = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out_dir_);
    qm::LoadChineseTranslation(app);
    qm::SkinH_Attach();
    app.setQuitOnLastWindowClosed(false);
    return true;
}

void ScreenshotTool::Settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void ScreenshotTool::Shoot(QWidget* window, const char* name) {
    window->show();
    window->raise();
    Settle();
    const QString path = out_dir_ + QStringLiteral("/") + QString::fromUtf8(name) + ".png";
    if (window->grab().save(path)) {
        std::printf("%s\n", path.toUtf8().constData());
        ++saved_;
    } else {
        std::fprintf(stderr, "could not save %s\n", path.toUtf8().constData());
    }
}

int ScreenshotTool::Finish(int expected) const { return saved_ == expected ? 0 : 1; }

}  // namespace qmtest
