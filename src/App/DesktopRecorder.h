#pragma once

#include "ShortcutRecorder.h"

// What a shortcut recorder needs of this desktop: the X11 keyboard's base keys,
// the combinations other programs hold, the desktop's name, a beep.
ShortcutRecorder::Services desktopRecorderServices();
