// Compiled into every program that links reelkit::widgets: a reference that
// keeps the widgets library in the link (a static archive's member is only
// taken when something refers to it, and --as-needed drops a shared library
// nothing refers to), so the toolkit's alerts reach Qt Widgets even in a
// program that calls nothing else of it.
extern "C" const int reelkit_widgets_linked;

namespace {
[[maybe_unused]] __attribute__((used)) const int *const reelkit_widgets_reference = &reelkit_widgets_linked;
}
