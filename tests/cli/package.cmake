# The desktop program answers --version and --help before any window system is needed (help2man reads
# them to make its manual page while the package is built, with no screen).
add_test(NAME taru.version_without_screen COMMAND taru --version)
set_tests_properties(taru.version_without_screen PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb;DISPLAY="
  PASS_REGULAR_EXPRESSION "^TARU [0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+\n$")
add_test(NAME taru.help_without_screen COMMAND taru --help)
set_tests_properties(taru.help_without_screen PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb;DISPLAY="
  PASS_REGULAR_EXPRESSION "^Usage: taru \\[--data-dir DIR\\] \\[--snapshot DIR\\]\n")
