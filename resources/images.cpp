// brivane_resources needs one source of its own to be a static library. The pictures themselves are
// compiled into the object library that qt_add_resources attaches to this target; they reach, already
// registered, every target that links brivane_resources.
