// The editor's built-in pictures (":/editor/..."): the toolbar icons, the welcome picture and
// the wait animation.
#pragma once

namespace qm {

// Registers the pictures with Qt's resource system; safe to call more than once.
void InitEditorResources();

}  // namespace qm
