#pragma once

// Teaches Qt's accessibility how screen readers should see the program's own kinds of control:
// a label that shows a value under a name of its own, the meter, the stretched image and the
// windows themselves. Qt's own views serve every other control. Call once, before the first
// window.
void install_accessible_views();
