// The offscreen platform warns about every window shape and raise it cannot
// do; widget tests drop those lines and keep every other message.
#pragma once

void QuietUnsupportedPlatformWarnings();
