# The installation-engine tests carry the real payload items and compare the installed files with
# their uncompressed sources. The full run is repeated on a Simplified- and a Traditional-Chinese
# system, where the links get their GB2312 and Big5 names.
target_include_directories(${WINE_TEST_TARGET} PRIVATE ${VOCALITH_PAYLOAD_RC_DIR})
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/install_payload.rc PROPERTIES
  OBJECT_DEPENDS "${VOCALITH_PAYLOAD_DEPENDS}")
add_dependencies(${WINE_TEST_TARGET} payload_items)
target_compile_definitions(${WINE_TEST_TARGET} PRIVATE
  $<$<COMPILE_LANGUAGE:CXX>:VOCALITH_PAYLOAD_FILES_DIR="${VOCALITH_PAYLOAD_FILES_DIR}">)
foreach(run "zh_CN;1" "zh_TW;2")
  list(GET run 0 locale)
  list(GET run 1 variant)
  add_test(NAME ${WINE_TEST_TARGET}_${locale}
    COMMAND ${VOCALITH_RUN_IN_WINE} $<TARGET_FILE:${WINE_TEST_TARGET}> --gtest_filter=FullRun.*)
  set_tests_properties(${WINE_TEST_TARGET}_${locale} PROPERTIES LABELS wine FIXTURES_REQUIRED wineprefix
    RUN_SERIAL TRUE TIMEOUT 600
    ENVIRONMENT "VOCALITH_BUILD_DIR=${CMAKE_BINARY_DIR};VOCALITH_LANG=${locale}.UTF-8;VOCALITH_SYSTEM_CHINESE=${variant}")
endforeach()
