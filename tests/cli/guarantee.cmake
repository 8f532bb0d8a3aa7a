# The guarantee check, odds, backtest and optimiser from the command line.
set(TARU_SYSTEM_7 ${TARU_DATA}/system_7_5_4.tru)
foreach(case
    "complete|--game 5 --guarantee 1|^21 21\n$"
    "holes|--game 5 --threshold 5 --holes 2|^3 21\n1 2 3 4 6\n1 2 3 4 7\n$"
    "wider_pool|--game 5 --guarantee 1 --numbers 1-8 --holes 3|^36 56\n1 2 4 6 8\n1 2 4 7 8\n1 2 5 6 8\n$"
    "conditions|--game 5 --guarantee 1 --conditions ${TARU_DATA}/conditions_set.dlv|^15 15\n$"
    "no_holes_listed|--game 5 --threshold 5 --holes 0|^3 21\n$")
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 name)
  list(GET parts 1 options)
  list(GET parts 2 expected)
  separate_arguments(options)
  add_test(NAME cli.verify_${name} COMMAND taru-cli verify ${TARU_SYSTEM_7} ${options})
  set_tests_properties(cli.verify_${name} PROPERTIES PASS_REGULAR_EXPRESSION "${expected}")
endforeach()
# Bad input: exit 2; a coupon file that cannot be read: its message, exit 1.
foreach(bad
    "no_game|--guarantee 1|--game G is needed|2"
    "game_13|--game 13 --guarantee 1|--game 13 is outside 1\\.\\.12|2"
    "both|--game 5 --guarantee 1 --threshold 4|give either --guarantee I or --threshold T|2"
    "neither|--game 5|give either --guarantee I or --threshold T|2"
    "threshold_6|--game 5 --threshold 6|--threshold 6 is outside 1\\.\\.5|2"
    "threshold_0|--game 5 --threshold 0|--threshold 0 is outside 1\\.\\.5|2"
    "guarantee_3|--game 5 --guarantee 3|--guarantee 3 is not offered for game 5|2"
    "holes_negative|--game 5 --guarantee 1 --holes -1|--holes -1 is below 0|2"
    "numbers_81|--game 5 --guarantee 1 --numbers 1-81|81 is outside 1\\.\\.80|2"
    "missing_conditions|--game 5 --guarantee 1 --conditions ${TARU_DATA}/missing.dlv|missing\\.dlv|1"
    "unknown|--game 5 --guarantee 1 --fast|unknown option '--fast'|2")
  string(REPLACE "|" ";" parts "${bad}")
  list(GET parts 0 name)
  list(GET parts 1 arguments)
  list(GET parts 2 message)
  list(GET parts 3 code)
  add_test(NAME cli.verify_bad_${name}
    COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" verify ${TARU_SYSTEM_7} ${arguments}; echo exit-$?")
  set_tests_properties(cli.verify_bad_${name} PROPERTIES PASS_REGULAR_EXPRESSION "${message}[^\n]*\nexit-${code}\n$")
endforeach()
add_test(NAME cli.verify_unreadable
  COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" verify ${TARU_DATA}/coupons_k_plus_1.tru --game 5 --guarantee 1; echo exit-$?")
set_tests_properties(cli.verify_unreadable PROPERTIES PASS_REGULAR_EXPRESSION
  "^Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου [^\n]*coupons_k_plus_1.tru\nexit-1\n$")

add_test(NAME cli.odds_10_5 COMMAND taru-cli odds --numbers 10 --game 5)
set_tests_properties(cli.odds_10_5 PROPERTIES PASS_REGULAR_EXPRESSION "^0\\.0646598775965\n$")
add_test(NAME cli.odds_12_12 COMMAND taru-cli odds --numbers 12 --game 12)
set_tests_properties(cli.odds_12_12 PROPERTIES PASS_REGULAR_EXPRESSION "^0\\.00000000209090487828\n$")
add_test(NAME cli.odds_more_than_the_pool COMMAND taru-cli odds --numbers 5 --game 6)
set_tests_properties(cli.odds_more_than_the_pool PROPERTIES PASS_REGULAR_EXPRESSION "^0\n$")
foreach(bad
    "numbers_81|--numbers 81 --game 5|--numbers 81 is outside 1\\.\\.80"
    "game_0|--numbers 10 --game 0|--game 0 is outside 1\\.\\.12"
    "no_game|--numbers 10|give --numbers N and --game G"
    "not_a_number|--numbers ten --game 5|--numbers expects a whole number")
  string(REPLACE "|" ";" parts "${bad}")
  list(GET parts 0 name)
  list(GET parts 1 arguments)
  list(GET parts 2 message)
  add_test(NAME cli.odds_bad_${name} COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" odds ${arguments}; echo exit-$?")
  set_tests_properties(cli.odds_bad_${name} PROPERTIES PASS_REGULAR_EXPRESSION "${message}[^\n]*\nexit-2\n$")
endforeach()

# 3,17,25,60,77 hits 2 in each draw, 1,2,4,5 hits 4, the announced third coupon is empty.
add_test(NAME cli.backtest COMMAND taru-cli backtest ${TARU_DATA}/coupons_3_says_2.tru --draws ${TARU_DATA}/draws_three.nik)
set_tests_properties(cli.backtest PROPERTIES PASS_REGULAR_EXPRESSION
  "^5\t0\n4\t3\n3\t0\n2\t3\n1\t0\n0\t3\nΚαλύτερη κλήρωση: 1001 της 05/01/2026 \\(1 στήλη με 4 επιτυχίες\\)\n$")
add_test(NAME cli.backtest_no_draws_file
  COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" --data-dir '${CMAKE_CURRENT_BINARY_DIR}/cli-empty-home' backtest ${TARU_DATA}/coupons_3_says_2.tru; echo exit-$?")
set_tests_properties(cli.backtest_no_draws_file PROPERTIES PASS_REGULAR_EXPRESSION
  "^Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου των Νικητριών: [^\n]*Nikitries.nik\nexit-1\n$")
add_test(NAME cli.backtest_bad_draws
  COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" backtest ${TARU_DATA}/coupons_3_says_2.tru --draws ${TARU_DATA}/draws_bad_number.nik; echo exit-$?")
set_tests_properties(cli.backtest_bad_draws PROPERTIES PASS_REGULAR_EXPRESSION
  "^Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου των Νικητριών\nΤο αρχείο «[^»]*draws_bad_number.nik» είναι κατεστραμμένο στη γραμμή 2[^\n]*\nexit-1\n$")
add_test(NAME cli.backtest_bad_coupons
  COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" backtest ${TARU_DATA}/missing.tru --draws ${TARU_DATA}/draws_three.nik; echo exit-$?")
set_tests_properties(cli.backtest_bad_coupons PROPERTIES PASS_REGULAR_EXPRESSION "missing\\.tru\nexit-1\n$")

add_test(NAME cli.construct_verify COMMAND taru-cli construct --numbers 1-7 --game 5 --guarantee 1 --verify)
set_tests_properties(cli.construct_verify PROPERTIES ENVIRONMENT "LC_ALL=C" PASS_REGULAR_EXPRESSION
  "^1 2 3 4 5\n1 2 3 6 7\n1 4 5 6 7\nΕπιλεγμένοι Αριθμοί : 7 [^\n]*\nΒρέθηκαν 3 στήλες[^\n]*\nΈλεγχος εγγύησης: 100%\n$")

# 10 numbers, game 5, "5 ή 4 ή 3": greedy 6 columns, the optimum 2 (the lower bound, so it ends at once).
add_test(NAME cli.optimise COMMAND taru-cli optimise --numbers 1-10 --game 5 --guarantee 2 --seconds 5 --seed 3)
set_tests_properties(cli.optimise PROPERTIES ENVIRONMENT "LC_ALL=C" PASS_REGULAR_EXPRESSION
  "^[0-9]+ [0-9]+ [0-9]+ [0-9]+ [0-9]+\n[0-9]+ [0-9]+ [0-9]+ [0-9]+ [0-9]+\ngreedy 6 optimised 2 seconds [0-9]+\\.[0-9][0-9]\nΈλεγχος εγγύησης: 100%\n$")
set(TARU_OPTIMISE_OUT ${CMAKE_CURRENT_BINARY_DIR}/optimise_out)
add_test(NAME cli.optimise_files
  COMMAND sh -c "rm -rf '${TARU_OPTIMISE_OUT}' && \"$<TARGET_FILE:taru-cli>\" optimise --numbers 1-10 --game 5 --guarantee 2 --library-dir '${TARU_OPTIMISE_OUT}/PROTYPA' --coupons '${TARU_OPTIMISE_OUT}/system.tru' > /dev/null 2>&1 && cd '${TARU_OPTIMISE_OUT}' && ls PROTYPA && head -2 system.tru | tr '\\r' '~'")
set_tests_properties(cli.optimise_files PROPERTIES ENVIRONMENT "LC_ALL=C" PASS_REGULAR_EXPRESSION
  "^A10355_10_3_5_2_100_2_79_5\\.tbi\n2~\n5~\n$")
foreach(bad
    "seconds_0|--numbers 1-10 --game 5 --guarantee 2 --seconds 0|--seconds expects a number of seconds above 0"
    "seconds_text|--numbers 1-10 --game 5 --guarantee 2 --seconds soon|--seconds expects a number of seconds"
    "seed_negative|--numbers 1-10 --game 5 --guarantee 2 --seed -1|--seed expects a whole number"
    "guarantee_3|--numbers 1-10 --game 5 --guarantee 3|--guarantee 3 is not offered for game 5"
    "no_game|--numbers 1-10|no game chosen")
  string(REPLACE "|" ";" parts "${bad}")
  list(GET parts 0 name)
  list(GET parts 1 arguments)
  list(GET parts 2 message)
  add_test(NAME cli.optimise_bad_${name} COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" optimise ${arguments}; echo exit-$?")
  set_tests_properties(cli.optimise_bad_${name} PROPERTIES PASS_REGULAR_EXPRESSION "${message}[^\n]*\nexit-2\n$")
endforeach()
