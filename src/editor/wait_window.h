// WaitWindow: a small window without caption that shows a looping progress animation and
// "请稍等..." while the editor builds its catalogues.
#pragma once

#include <QWidget>

class QLabel;
class QMovie;

namespace qm {

class WaitWindow : public QWidget {
    Q_OBJECT
public:
    explicit WaitWindow(QWidget* parent = nullptr);

    QLabel* 图片框1;  // the animation
    QLabel* 标签1;    // "请稍等..."
    QMovie* 动画;

    // Shows the window centred on the screen and paints it at once, so it is seen while the
    // caller goes on working without returning to the event loop.
    void ShowNow();
};

}  // namespace qm
