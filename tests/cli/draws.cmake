# Draws files, their statistics and importing published results from the command line.
set(TARU_DRAWS_OUT ${CMAKE_CURRENT_BINARY_DIR}/draws_cli)
add_test(NAME cli.stats COMMAND taru-cli stats ${TARU_DATA}/draws_three.nik)
set_tests_properties(cli.stats PROPERTIES PASS_REGULAR_EXPRESSION
  "^1\t3\t100 %\t3\t0\n[^Σ]*\n7\t2\t67 %\t1\t0\n[^Σ]*\n11\t2\t67 %\t0\t1\n[^Σ]*\n80\t1\t33 %\t1\t0\nΣΥΝΟΛΟ ΚΛΗΡΩΣΕΩΝ :3\nΚαθυστερούν οι αριθμοί 11 με 1φ ,12 με 1φ ,[^\n]*,16 με 2φ ,[^\n]*,70 με 3φ \nΑριθμοί με Ρέντα :1,2,3,4,5,6,7,8,9,10 για τις 20 τελευταίες κληρώσεις\n$")
# No draws file in the data folder: no draws, every count 0.
add_test(NAME cli.stats_no_file COMMAND taru-cli --data-dir ${TARU_DATA}/print_home stats)
set_tests_properties(cli.stats_no_file PROPERTIES PASS_REGULAR_EXPRESSION
  "^1\t0\t0\t0\t0\n[^Σ]*80\t0\t0\t0\t0\nΣΥΝΟΛΟ ΚΛΗΡΩΣΕΩΝ :0\nΚαθυστερούν οι αριθμοί 1 με 0φ ,[^\n]*\nΑριθμοί με Ρέντα :\n$")
# A file that cannot be opened is named with the reason; a damaged one with its line.
add_test(NAME cli.stats_missing COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" stats ${TARU_DATA}/missing.nik >/dev/null; echo exit-$?")
set_tests_properties(cli.stats_missing PROPERTIES PASS_REGULAR_EXPRESSION
  "^Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου των Νικητριών\nΤο αρχείο «[^»]*missing.nik» δεν ανοίγει: [^\n]+\nexit-1\n$")
add_test(NAME cli.draws_missing COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" draws ${TARU_DATA}/missing.nik; echo exit-$?")
set_tests_properties(cli.draws_missing PROPERTIES PASS_REGULAR_EXPRESSION
  "^Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου των Νικητριών\nΤο αρχείο «[^»]*missing.nik» δεν ανοίγει: [^\n]+\nexit-1\n$")
add_test(NAME cli.draws_damaged_line COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" draws ${TARU_DATA}/draws_bad_number.nik 2>&1 >/dev/null")
set_tests_properties(cli.draws_damaged_line PROPERTIES PASS_REGULAR_EXPRESSION
  "^Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου των Νικητριών\nΤο αρχείο «[^»]*draws_bad_number.nik» είναι κατεστραμμένο στη γραμμή 2: το πεδίο 23 \\(«x»\\) δεν είναι ακέραιος αριθμός\\.\n$")
# A draw with a repeated number is no draw to check against.
add_test(NAME cli.check_draws_repeated COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" check ${TARU_DATA}/coupons_3_says_2.tru --draws ${TARU_DATA}/draws_repeated.nik --row 2; echo exit-$?")
set_tests_properties(cli.check_draws_repeated PROPERTIES PASS_REGULAR_EXPRESSION
  "^taru-cli check: line 2 of [^\n]*draws_repeated.nik is no draw to check against: ο αριθμός 19 υπάρχει δύο φορές[^\n]*\nexit-1\n$")
# Importing: a header, a held draw, 19 numbers, 81; the new draw sorted and appended (carriage
# returns shown as "~").
add_test(NAME cli.draws_import COMMAND sh -c "rm -rf '${TARU_DRAWS_OUT}' && mkdir -p '${TARU_DRAWS_OUT}' && cp ${TARU_DATA}/draws_three.nik '${TARU_DRAWS_OUT}/Nikitries.nik' && \"$<TARGET_FILE:taru-cli>\" --data-dir '${TARU_DRAWS_OUT}' draws-import ${TARU_DATA}/draws_results.csv; echo exit-$?; tail -n 1 '${TARU_DRAWS_OUT}/Nikitries.nik' | tr '\\r' '~'")
set_tests_properties(cli.draws_import PROPERTIES PASS_REGULAR_EXPRESSION
  "^4\tέχει 19 αριθμούς αντί για 20\n5\tτο «81» δεν είναι αριθμός από 1 έως 80\nadded 1, present 1, refused 2\nexit-0\n4,1005,09/01/2026,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,80~\n$")
add_test(NAME cli.draws_import_damaged COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" draws-import ${TARU_DATA}/draws_results.csv --into ${TARU_DATA}/draws_bad_number.nik; echo exit-$?")
set_tests_properties(cli.draws_import_damaged PROPERTIES PASS_REGULAR_EXPRESSION
  "^Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου των Νικητριών\nΤο αρχείο[^\n]*γραμμή 2[^\n]*\nexit-1\n$")
add_test(NAME cli.draws_import_usage COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" draws-import; echo exit-$?")
set_tests_properties(cli.draws_import_usage PROPERTIES PASS_REGULAR_EXPRESSION "which results file\\?[^\n]*\nexit-2\n$")
