# Fixture items of the payload-store test: a stream that inflates to exactly 4,096 bytes, bytes
# that are no zlib stream at all, and an item stored under language 1033.
set(fixtures ${CMAKE_CURRENT_BINARY_DIR}/payload_fixtures)
string(REPEAT "0123456789abcdef" 256 exact_text)
file(WRITE ${fixtures}/exact.txt "${exact_text}")
file(WRITE ${fixtures}/damaged.bin "this is not a zlib stream")
file(WRITE ${fixtures}/english.txt "stored under language 1033")
add_custom_command(
  OUTPUT ${fixtures}/exact.z ${fixtures}/english.z
  COMMAND ${VOCALITH_HOST_TOOLS_DIR}/vocalith_packer 501 ${fixtures}/exact.txt ${fixtures}/exact.z
  COMMAND ${VOCALITH_HOST_TOOLS_DIR}/vocalith_packer 503 ${fixtures}/english.txt ${fixtures}/english.z
  DEPENDS ${fixtures}/exact.txt ${fixtures}/english.txt
  COMMENT "Packing the payload-store fixtures")
add_custom_target(payload_store_fixtures DEPENDS ${fixtures}/exact.z ${fixtures}/english.z)
add_dependencies(${WINE_TEST_TARGET} payload_store_fixtures)
target_include_directories(${WINE_TEST_TARGET} PRIVATE ${fixtures})
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/payload_fixtures.rc PROPERTIES
  OBJECT_DEPENDS "${fixtures}/exact.z;${fixtures}/english.z")
