# Coupon import from the command line: standard error (refused values, rows read), the exit code,
# then the file written (carriage returns shown as "~") or "nothing-written".
set(TARU_IMPORT_DATA ${CMAKE_CURRENT_SOURCE_DIR}/data)
set(TARU_IMPORT_OUT ${CMAKE_CURRENT_BINARY_DIR}/import_out)
function(taru_import_test name arguments expected)
  set(out "${TARU_IMPORT_OUT}/${name}.tru")
  add_test(NAME cli.import_${name}
    COMMAND sh -c "mkdir -p '${TARU_IMPORT_OUT}' && rm -f '${out}' && \"$<TARGET_FILE:taru-cli>\" import ${arguments} --coupons '${out}' 2>&1; echo exit-$?; if test -e '${out}'; then tr '\\r' '~' < '${out}'; else echo nothing-written; fi")
  set_tests_properties(cli.import_${name} PROPERTIES ENVIRONMENT "LC_ALL=C" PASS_REGULAR_EXPRESSION "${expected}")
endfunction()

taru_import_test(text_blanks "${TARU_IMPORT_DATA}/import_five.txt"
  "^1 row read, game 5 -> [^\n]*text_blanks.tru\nexit-0\n1~\n5~\n~\n0~\n0~\n5,12,33,40,71~\n$")
# As a spreadsheet in a Greek locale exports: ";", CR LF, empty cells, a blank row at the end.
taru_import_test(spreadsheet_csv "${TARU_IMPORT_DATA}/import_excel_el.csv"
  "^3 rows read, game 5 -> [^\n]*\nexit-0\n3~\n5~\n~\n0~\n0~\n5,12,33,40,71~\n3,17,25,60,77~\n8,19,44~\n$")
taru_import_test(header_row "${TARU_IMPORT_DATA}/import_excel_el_header.csv"
  "^ΑΚΑΤΑΛΗΛΟ ΑΡΧΕΙΟ: γραμμή 1 «\"Αριθμός 1\";\"Αριθμός 2\";\"Αριθμός 3\"»: «Αριθμός 1» δεν είναι αριθμός\nnothing written: the grid was cleared\nexit-1\nnothing-written\n$")
taru_import_test(outside_range "${TARU_IMPORT_DATA}/import_range.csv"
  "^ΑΚΑΤΑΛΗΛΟ ΑΡΧΕΙΟ: γραμμή 2 «4;99»: 99 είναι έξω από το 1\\.\\.80\n3 rows read, game 2 -> [^\n]*\nexit-0\n3~\n2~\n~\n0~\n0~\n5,12~\n4,99~\n7,8~\n$")
# A coupon file sets its own game; its options are not carried over.
taru_import_test(coupon_file "${TARU_IMPORT_DATA}/import_coupons.tru --game 9"
  "^3 rows read, game 5 -> [^\n]*\nexit-0\n3~\n5~\n~\n0~\n0~\n3,17,25,60,77~\n1,2,4,5~\n~\n$")
taru_import_test(empty_source_takes_game "${TARU_IMPORT_DATA}/import_empty.txt --game 4"
  "^0 rows read, game 4 -> [^\n]*\nexit-0\n0~\n4~\n~\n0~\n0~\n$")
taru_import_test(missing_source "${TARU_IMPORT_DATA}/missing.csv"
  "^Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου [^\n]*missing\\.csv\nΤο αρχείο δεν υπάρχει\\.\nexit-1\nnothing-written\n$")

# Bad arguments: a clear message and exit code 2.
foreach(bad
    "game_13|${TARU_IMPORT_DATA}/import_five.txt --game 13 --coupons x.tru|--game 13 is outside 1\\.\\.12"
    "no_output|${TARU_IMPORT_DATA}/import_five.txt|expects --coupons OUT\\.tru"
    "no_source|--coupons x.tru|expects a SOURCE file"
    "two_sources|a.txt b.txt --coupons x.tru|only one SOURCE, not also 'b\\.txt'"
    "unknown|a.txt --sep x --coupons x.tru|unknown option '--sep'")
  string(REPLACE "|" ";" parts "${bad}")
  list(GET parts 0 name)
  list(GET parts 1 arguments)
  list(GET parts 2 message)
  add_test(NAME cli.import_bad_${name}
    COMMAND sh -c "\"$<TARGET_FILE:taru-cli>\" import ${arguments}; test $? -eq 2 && echo exit-2")
  set_tests_properties(cli.import_bad_${name} PROPERTIES PASS_REGULAR_EXPRESSION "${message}[^\n]*\nexit-2")
endforeach()
