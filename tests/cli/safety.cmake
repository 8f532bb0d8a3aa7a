# Files that announce more than they hold, files that are not regular files, and failures that
# must end with a message and exit 1, never an abort.
set(TARU_SAFETY_OUT ${CMAKE_CURRENT_BINARY_DIR}/safety_out)

# Twenty million coupons announced, one held: one line out, the rest counted; checking lists them
# as one run.
add_test(NAME cli.safety_coupons_announced
  COMMAND sh -c "mkdir -p '${TARU_SAFETY_OUT}' && printf '20000000\\r\\n2\\r\\n\\r\\n0\\r\\n0\\r\\n1,2\\r\\n' > '${TARU_SAFETY_OUT}/many.tru' && \"$<TARGET_FILE:taru-cli>\" coupons '${TARU_SAFETY_OUT}/many.tru' 2>&1")
set_tests_properties(cli.safety_coupons_announced PROPERTIES PASS_REGULAR_EXPRESSION
  "^1 2\ncoupons 2-20000000 are empty \\(19999999 announced past the file's lines\\)\n$")
add_test(NAME cli.safety_check_announced
  COMMAND sh -c "mkdir -p '${TARU_SAFETY_OUT}' && printf '20000000\\r\\n2\\r\\n\\r\\n0\\r\\n0\\r\\n1,2\\r\\n' > '${TARU_SAFETY_OUT}/many2.tru' && \"$<TARGET_FILE:taru-cli>\" check '${TARU_SAFETY_OUT}/many2.tru' --draw 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20")
set_tests_properties(cli.safety_check_announced PROPERTIES PASS_REGULAR_EXPRESSION "^2\t1\t1\n1\t0\t\n0\t19999999\t2-20000000\n$")

# A game size above 80 is a damaged file (exit 1, the reader's message and why).
add_test(NAME cli.safety_k_above_80
  COMMAND sh -c "mkdir -p '${TARU_SAFETY_OUT}' && printf '1\\r\\n2000000000\\r\\n\\r\\n0\\r\\n0\\r\\n1\\r\\n' > '${TARU_SAFETY_OUT}/k.tru'; \"$<TARGET_FILE:taru-cli>\" check '${TARU_SAFETY_OUT}/k.tru' --draw 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20 2>&1; echo exit-$?")
set_tests_properties(cli.safety_k_above_80 PROPERTIES PASS_REGULAR_EXPRESSION
  "Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου [^\n]*k.tru\nline 2: the game size '2000000000' is not a whole number from 0 to 80\nexit-1\n$")

# A FIFO given as a coupon file is refused at once.
add_test(NAME cli.safety_fifo
  COMMAND sh -c "mkdir -p '${TARU_SAFETY_OUT}' && rm -f '${TARU_SAFETY_OUT}/pipe' && mkfifo '${TARU_SAFETY_OUT}/pipe' && \"$<TARGET_FILE:taru-cli>\" coupons '${TARU_SAFETY_OUT}/pipe' 2>&1; echo exit-$?")
set_tests_properties(cli.safety_fifo PROPERTIES TIMEOUT 20 PASS_REGULAR_EXPRESSION "is not a regular file\nexit-1\n$")

# Memory running out ends the command with a message and exit 1 (not under the sanitizers, which
# need more address space than the limit leaves).
if(NOT TARU_SANITIZE)
  add_test(NAME cli.safety_out_of_memory
    COMMAND sh -c "ulimit -v 1500000; \"$<TARGET_FILE:taru-cli>\" construct --numbers 1-40 --game 12 --guarantee 0 > /dev/null; echo exit-$?")
  set_tests_properties(cli.safety_out_of_memory PROPERTIES TIMEOUT 120 PASS_REGULAR_EXPRESSION
    "taru-cli construct: not enough memory for this command\nexit-1\n$")
endif()

# A conditions file that cannot be read, or is damaged, is a read failure: its message, exit 1.
add_test(NAME cli.safety_construct_missing_conditions
  COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" construct --conditions '${TARU_DATA}/missing.dlv'; echo exit-$?")
set_tests_properties(cli.safety_construct_missing_conditions PROPERTIES PASS_REGULAR_EXPRESSION
  "taru-cli construct: Cannot open file [^\n]*missing\\.dlv[^\n]*\nexit-1\n$")
add_test(NAME cli.safety_construct_damaged_conditions
  COMMAND sh -c "mkdir -p '${TARU_SAFETY_OUT}' && printf '1,2,3,4,5,6,7\\r\\n13\\r\\n100%%  5αρι\\r\\n5αδες\\r\\n' > '${TARU_SAFETY_OUT}/damaged.dlv' && \"$<TARGET_FILE:taru-cli>\" construct --conditions '${TARU_SAFETY_OUT}/damaged.dlv'; echo exit-$?")
set_tests_properties(cli.safety_construct_damaged_conditions PROPERTIES PASS_REGULAR_EXPRESSION
  "taru-cli construct: Το αρχείο όρων είναι κατεστραμμένο: [^\n]*damaged\\.dlv \\(παιχνίδι \"13\" αντί για 1 έως 12\\)\nexit-1\n$")

# No default printer profile: nothing is printed before the refusal (no position is written).
add_test(NAME cli.safety_print_no_profile_prints_nothing
  COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" --data-dir '${TARU_SAFETY_OUT}/no-profile' print '${TARU_DATA}/coupons_3_says_2.tru' --positions 2>/dev/null; echo exit-$?")
set_tests_properties(cli.safety_print_no_profile_prints_nothing PROPERTIES ENVIRONMENT "LC_ALL=C" PASS_REGULAR_EXPRESSION "^exit-1\n$")

# Window titles are exactly the captions: nothing appended by the platform (run on a virtual
# screen; skipped where none can be started).
add_test(NAME ui.safety_window_titles_as_given
  COMMAND sh -c "command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null || exit 77
    rm -rf '${TARU_SAFETY_OUT}/home' && mkdir -p '${TARU_SAFETY_OUT}/home'
    xvfb-run -a sh -c '\"$<TARGET_FILE:taru>\" --data-dir \"${TARU_SAFETY_OUT}/home\" & pid=$!; for i in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do sleep 1; xwininfo -root -tree > \"${TARU_SAFETY_OUT}/windows.txt\"; grep -q ΠΑΙΧΝΙΔΙ \"${TARU_SAFETY_OUT}/windows.txt\" && break; done; kill $pid'
    grep -o '\"ΠΑΙΧΝΙΔΙ[^\"]*\"' '${TARU_SAFETY_OUT}/windows.txt'")
set_tests_properties(ui.safety_window_titles_as_given PROPERTIES TIMEOUT 60 SKIP_RETURN_CODE 77
  ENVIRONMENT "QT_QPA_PLATFORM=xcb;XDG_CONFIG_HOME=${TARU_SAFETY_OUT}/config"
  PASS_REGULAR_EXPRESSION "(^|\n)\"ΠΑΙΧΝΙΔΙ  TARU   ORMENA DATA\"\n$")
