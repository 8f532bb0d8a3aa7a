# Producing coupons from the command line: random coupons, the systems library, replacement.
# Carriage returns are shown as "~"; refusals give their message and exit code 2.
set(TARU_PRODUCE_OUT ${CMAKE_CURRENT_BINARY_DIR}/produce_out)
set(TARU_CLI "$<TARGET_FILE:taru-cli>")

# generate: coupon lines with their placeholders, the same coupons for the same seed.
# (CMake's expressions have no counted repeats: grep counts the lines of the right form.)
add_test(NAME cli.generate_drawn_order_within_decades
  COMMAND sh -c "${TARU_CLI} generate --mould 7,12,15 --game 3 --count 20 --seed 11 | grep -Ec '^7,A,1[25],1[25]$'")
set_tests_properties(cli.generate_drawn_order_within_decades PROPERTIES PASS_REGULAR_EXPRESSION "^20\n$")
add_test(NAME cli.generate_odd_decade_after_mould
  COMMAND sh -c "${TARU_CLI} generate --mould 1-3 --odd 3 --game 8 --count 30 --seed 5 | grep -Ec '^([123],){3}A,A(,2[13579]){5}$'")
set_tests_properties(cli.generate_odd_decade_after_mould PROPERTIES PASS_REGULAR_EXPRESSION "^30\n$")
add_test(NAME cli.generate_seed_repeats
  COMMAND sh -c "a=$(${TARU_CLI} generate --count 50 --seed 9); b=$(${TARU_CLI} generate --count 50 --seed 9); c=$(${TARU_CLI} generate --count 50 --seed 10); test \"$a\" = \"$b\" && test \"$a\" != \"$c\" && echo repeatable")
set_tests_properties(cli.generate_seed_repeats PROPERTIES PASS_REGULAR_EXPRESSION "^repeatable\n$")
add_test(NAME cli.generate_coupon_file
  COMMAND sh -c "rm -rf '${TARU_PRODUCE_OUT}/gen' && mkdir -p '${TARU_PRODUCE_OUT}/gen' && ${TARU_CLI} generate --mould 1-12 --count 2 --seed 3 --multiplier-boxes 3,1 --draws 10 --coupons '${TARU_PRODUCE_OUT}/gen/g.tru' && head -5 '${TARU_PRODUCE_OUT}/gen/g.tru' | tr '\\r' '~' && grep -Ec '^([0-9]+,){10}A(,1[0-2]){2}.$' '${TARU_PRODUCE_OUT}/gen/g.tru'")
set_tests_properties(cli.generate_coupon_file PROPERTIES PASS_REGULAR_EXPRESSION "^2~\n12~\n1,3~\n2~\n0~\n2\n$")
add_test(NAME cli.generate_nothing_for_zero COMMAND taru-cli generate --count 0)
set_tests_properties(cli.generate_nothing_for_zero PROPERTIES PASS_REGULAR_EXPRESSION "^$")
foreach(bad
    "empty_mould|--mould ''|Δεν είναι δυνατή η παραγωγή δελτίων,παρακαλώ διορθώστε το καλούπι \\."
    "four_for_five|--mould 1-4 --game 5|Παρακαλώ επιλέξτε τουλάχιστον τόσους αριθμούς όσους και το επιλεγμένο σύστημα\\."
    "count_not_a_number|--count 1x|Παρακαλώ συμπληρώστε τον αριθμό δελτίων που επιθυμείτε\\."
    "decade_9|--odd 9|--odd: decade 9 is outside 1\\.\\.8"
    "game_13|--game 13|--game 13 is outside 1\\.\\.12")
  string(REPLACE "|" ";" parts "${bad}")
  list(GET parts 0 name)
  list(GET parts 1 arguments)
  list(GET parts 2 message)
  add_test(NAME cli.generate_bad_${name} COMMAND sh -c "${TARU_CLI} generate ${arguments}; test $? -eq 2 && echo exit-2")
  set_tests_properties(cli.generate_bad_${name} PROPERTIES PASS_REGULAR_EXPRESSION "${message}\nexit-2\n$")
endforeach()

# library list: the eleven cells as the window shows them, sorted by ΑΡΙΘ; the shipped library.
set(TARU_LIBRARY_DIR ${TARU_PRODUCE_OUT}/BIBLIO)
add_test(NAME cli.library_list_cells
  COMMAND sh -c "rm -rf '${TARU_LIBRARY_DIR}' && mkdir -p '${TARU_LIBRARY_DIR}' && printf '1 3 4 \\r\\n2 3 \\r\\n' > '${TARU_LIBRARY_DIR}/A4233_4_2_3_2_100_2_5000_3.tbi' && printf '1 2 3 4 5 \\r\\n' > '${TARU_LIBRARY_DIR}/Z1045512_10_4_5_36_999_22_873_5_1$2.tbi' && ${TARU_CLI} library list --library-dir '${TARU_LIBRARY_DIR}'")
set_tests_properties(cli.library_list_cells PROPERTIES ENVIRONMENT "LC_ALL=C" PASS_REGULAR_EXPRESSION
  "^A4233\t4\t2\t3\t2\t1\\.00\t2\t50\\.00\t3άδες\t-\t1\nZ1045512\t10\t4\t5\t36\t18\\.00\t22\t8\\.73\t5\t1 από 2\t2\n$")
add_test(NAME cli.library_list_shipped COMMAND taru-cli library list --library-dir ${CMAKE_SOURCE_DIR}/resources/BIBLIO)
set_tests_properties(cli.library_list_shipped PROPERTIES ENVIRONMENT "LC_ALL=C" PASS_REGULAR_EXPRESSION
  "^A3122\t3\t1\t2\t1\t0\\.50\t1\t33\\.33\t2άδες\t-\t1\n.*\nA20[0-9]+\t20\t[^\n]*\t329\n$")
add_test(NAME cli.library_list_bad_name
  COMMAND sh -c "mkdir -p '${TARU_PRODUCE_OUT}/badlib' && : > '${TARU_PRODUCE_OUT}/badlib/B_x_1.tbi' && ${TARU_CLI} library list --library-dir '${TARU_PRODUCE_OUT}/badlib'; echo exit-$?")
set_tests_properties(cli.library_list_bad_name PROPERTIES PASS_REGULAR_EXPRESSION "«B_x_1\\.tbi»[^\n]*\nexit-1\n$")

# library apply: positions 1, 3, 4 with 7, 15, 22, 40 give 7 22 40; the coupon file as the window saves it.
add_test(NAME cli.library_apply_columns
  COMMAND sh -c "${TARU_CLI} library apply A4233 --library-dir '${TARU_LIBRARY_DIR}' --numbers 7,15,22,40 --multiplier-boxes 9 --draws 2 --coupons '${TARU_PRODUCE_OUT}/applied.tru' && tr '\\r' '~' < '${TARU_PRODUCE_OUT}/applied.tru'")
set_tests_properties(cli.library_apply_columns PROPERTIES DEPENDS cli.library_list_cells PASS_REGULAR_EXPRESSION
  "^7 22 40\n15 22\n2~\n3~\n9~\n1~\n0~\n7,22,40~\n15,22~\n$")
foreach(bad
    "unfilled|A4233 --numbers 7,15|Παρακαλώ βεβαιωθείτε ότι έχετε συμπληρώσει όλους τους αριθμούς που θα αντικατασταθούν"
    "unknown|A999 --numbers 7|Δεν βρέθηκε το αρχείο στηλών για το επιλεγμένο σύστημα,δεν μπορεί να γίνει η αντικατάσταση!"
    "too_many|A4233 --numbers 1,2,3,4,5|--numbers: 5 numbers for a system of 4 positions"
    "twice|A4233 --numbers 7,7,1,2|--numbers: 7 is given twice"
    "number_81|A4233 --numbers 81,1,2,3|--numbers: 81 is outside 1\\.\\.80")
  string(REPLACE "|" ";" parts "${bad}")
  list(GET parts 0 name)
  list(GET parts 1 arguments)
  list(GET parts 2 message)
  add_test(NAME cli.library_apply_bad_${name}
    COMMAND sh -c "${TARU_CLI} library apply ${arguments} --library-dir '${TARU_LIBRARY_DIR}'; test $? -eq 2 && echo exit-2")
  set_tests_properties(cli.library_apply_bad_${name} PROPERTIES DEPENDS cli.library_list_cells
    PASS_REGULAR_EXPRESSION "${message}\nexit-2\n$")
endforeach()

# replace: the one-pass table (a swap stays a swap), the output may be the input, refusals write nothing.
set(TARU_REPLACE_IN ${TARU_PRODUCE_OUT}/replace_in.tru)
add_test(NAME cli.replace_into_itself
  COMMAND sh -c "mkdir -p '${TARU_PRODUCE_OUT}' && cp '${TARU_DATA}/coupons_two_of_five.tru' '${TARU_REPLACE_IN}' && ${TARU_CLI} replace '${TARU_REPLACE_IN}' --map 3:40,5:7,7:5 --multiplier-boxes 2 --draws 200 --out '${TARU_REPLACE_IN}' && tr '\\r' '~' < '${TARU_REPLACE_IN}'")
set_tests_properties(cli.replace_into_itself PROPERTIES PASS_REGULAR_EXPRESSION
  "^2~\n5~\n2~\n2~\n4~\n1,2,40,4,7~\n40,4,7,6,5~\n$")
foreach(bad
    "twice|--map 1:9,2:9|ΛΑΘΟΣ ΤΙΜΗ \\(row 1: 1 -> '9'\\)"
    "not_in_file|--map 9:1|--map: 9 is not a number of the file")
  string(REPLACE "|" ";" parts "${bad}")
  list(GET parts 0 name)
  list(GET parts 1 arguments)
  list(GET parts 2 message)
  add_test(NAME cli.replace_bad_${name}
    COMMAND sh -c "rm -f '${TARU_PRODUCE_OUT}/never.tru'; ${TARU_CLI} replace '${TARU_DATA}/coupons_two_of_five.tru' ${arguments} --out '${TARU_PRODUCE_OUT}/never.tru'; test $? -eq 2 && test ! -e '${TARU_PRODUCE_OUT}/never.tru' && echo exit-2-nothing-written")
  set_tests_properties(cli.replace_bad_${name} PROPERTIES PASS_REGULAR_EXPRESSION "${message}\nexit-2-nothing-written\n$")
endforeach()
