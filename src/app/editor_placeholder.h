// A plain stand-in for the editor window: named "EditorWindow", captioned with the rules file.
#pragma once

#include <QMainWindow>

#include "app/services.h"

namespace qm {

class EditorPlaceholder : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorPlaceholder(const Services& services, QWidget* parent = nullptr);
};

}  // namespace qm
