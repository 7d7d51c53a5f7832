#pragma once

namespace quendral::ui {

// When a secondary window builds its child controls.
// - Immediate: in its constructor, as any widget does.
// - Deferred: the constructor makes only the frame (flags, title, size); the controls come
//   on first need (the first showing, or a public method that needs them) or when
//   ensureContent() is called. The program defers them so that its start-up pays only for
//   the main window, and builds them right after the main window's first paint.
enum class ContentBuild { Immediate, Deferred };

}  // namespace quendral::ui
