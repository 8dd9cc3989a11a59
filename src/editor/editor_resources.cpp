#include "editor/editor_resources.h"

#include <QtGlobal>

// Resources compiled into a static library are registered by hand: nothing else would pull
// their registration into the program.
static void RegisterEditorResources() { Q_INIT_RESOURCE(editor); }

namespace qm {

void InitEditorResources() {
    static const bool registered = (RegisterEditorResources(), true);
    (void)registered;
}

}  // namespace qm
