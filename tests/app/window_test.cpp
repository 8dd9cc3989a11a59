#include "app/window_test.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <memory>

#include "app/window_hub.h"
#include "store/file_services.h"
#include "store/profile_file.h"
#include "store/settings.h"

namespace qmtest {

void WindowTest::SetUp() {
    qm::ResetProgramValues();
    qm::SetProgramDirectoryForTests(program.path());
    qm::SetEditorOpener({});
}

void WindowTest::TearDown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget() && w->isVisible()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qm::SetProgramDirectoryForTests("");
    qm::ResetProgramValues();
    EXPECT_EQ(prompts.unanswered(), 0) << "a prompt was shown that the test did not answer";
    EXPECT_EQ(prompts.pending(), 0u) << "an answer was queued that no prompt used";
}

std::string WindowTest::Setting(const char* section, const char* key) const {
    return qm::ReadProfileValue(SettingsFile(), section, key);
}

void WindowTest::KnowGameDirectory() {
    Spit(SettingsFile(), "[Game]\r\nPath=" + GameDir() + "\r\n");
}

std::vector<QWidget*> WindowTest::Windows(const char* objectName) {
    std::vector<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QString::fromUtf8(objectName)) found.push_back(w);
    return found;
}

QWidget* WindowTest::OnlyWindow(const char* objectName) {
    auto found = Windows(objectName);
    return found.size() == 1 ? found.front() : nullptr;
}

void WindowTest::WhenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (++*tries > 300) {
                ADD_FAILURE() << "no modal dialog showed";
                timer->deleteLater();
                timer->stop();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        QPointer<QWidget> guard(modal);
        act(modal);
        if (guard && guard->isVisible()) guard->close();
    });
    timer->start();
}

const qm::ShownPrompt& WindowTest::LastPrompt() {
    static const qm::ShownPrompt none;
    if (prompts.shown().empty()) {
        ADD_FAILURE() << "no prompt was shown";
        return none;
    }
    return prompts.shown().back();
}

bool CaptionsFit(QWidget* root, std::vector<std::string>* problems) {
    bool ok = true;
    auto check = [&](QWidget* w, const QString& text, int room) {
        if (text.isEmpty()) return;
        const QFontMetrics fm = w->fontMetrics();
        const int width = fm.horizontalAdvance(text);
        const int inkHeight = fm.tightBoundingRect(text).height();
        if (width > room || inkHeight > w->height()) {
            ok = false;
            problems->push_back(w->objectName().toStdString() + " \"" + text.toStdString() +
                                "\" needs " + std::to_string(width) + "x" +
                                std::to_string(inkHeight) + ", has " + std::to_string(room) +
                                "x" + std::to_string(w->height()));
        }
    };
    std::vector<QWidget*> widgets{root};
    for (QWidget* w : root->findChildren<QWidget*>()) widgets.push_back(w);
    for (QWidget* w : widgets) {
        if (auto* label = qobject_cast<QLabel*>(w)) {
            check(label, label->text(), label->contentsRect().width() - 2 * std::max(0, label->indent()));
        } else if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)) {
            auto* button = static_cast<QAbstractButton*>(w);
            const bool radio = qobject_cast<QRadioButton*>(w) != nullptr;
            const QStyle* style = w->style();
            const int indicator = style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth
                                                           : QStyle::PM_IndicatorWidth, nullptr, w);
            const int spacing = style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                                         : QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
            check(button, button->text(), w->width() - indicator - spacing);
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            // The style's bevel and a little air on each side.
            check(button, button->text(), w->width() - 8);
        }
    }
    return ok;
}

}  // namespace qmtest
