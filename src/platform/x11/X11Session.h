#pragma once

namespace X11Session {
// Whether a compositing manager runs on Qt's X server: only then can windows have see-through
// parts. False where Qt does not talk X11.
bool hasCompositingManager();
} // namespace X11Session
