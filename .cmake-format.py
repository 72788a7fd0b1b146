# CMake files are laid out by hand (a header beside its source on one line);
# tools/lint.sh checks them with cmake-lint against these rules.
with section("format"):
    line_width = 120
    tab_size = 2
