# Fixture items of the wizard test program, packed with the host packer: the two licence texts
# (the Chinese one with an empty line, an LF inside a line and a last line without CR), a font
# image of the real size, and a probe DLL beside the test program for the DLL search test, which
# holds the Chinese licence without the English one.
set(fixtures ${CMAKE_CURRENT_BINARY_DIR}/wizard_fixtures)
file(WRITE ${fixtures}/licence_cn.txt "first line\r\n\r\nthird a\nb\r\nlast without CR")
file(WRITE ${fixtures}/licence_en.txt "English licence\r\nsecond line\r\n")
string(REPEAT "U" 141312 font_image)
file(WRITE ${fixtures}/font.bin "${font_image}")
set(packed ${fixtures}/licence_cn.z ${fixtures}/licence_en.z ${fixtures}/font.z)
add_custom_command(
  OUTPUT ${packed}
  COMMAND ${VOCALITH_HOST_TOOLS_DIR}/vocalith_packer 124 ${fixtures}/licence_cn.txt ${fixtures}/licence_cn.z
  COMMAND ${VOCALITH_HOST_TOOLS_DIR}/vocalith_packer 161 ${fixtures}/licence_en.txt ${fixtures}/licence_en.z
  COMMAND ${VOCALITH_HOST_TOOLS_DIR}/vocalith_packer 110 ${fixtures}/font.bin ${fixtures}/font.z
  DEPENDS ${fixtures}/licence_cn.txt ${fixtures}/licence_en.txt ${fixtures}/font.bin
  COMMENT "Packing the wizard fixtures")
add_custom_target(wizard_fixtures DEPENDS ${packed})
add_dependencies(${WINE_TEST_TARGET} wizard_fixtures)
target_include_directories(${WINE_TEST_TARGET} PRIVATE ${fixtures} ${VOCALITH_HOST_TOOLS_DIR})
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/wizard_test.rc PROPERTIES
  OBJECT_DEPENDS "${packed};${VOCALITH_HOST_TOOLS_DIR}/setup.ico")
target_link_libraries(${WINE_TEST_TARGET} PRIVATE comctl32 ole32 uuid)

add_library(shella_probe SHARED ${CMAKE_CURRENT_LIST_DIR}/probe/probe_dll.c ${CMAKE_CURRENT_LIST_DIR}/probe/probe_items.rc)
target_include_directories(shella_probe PRIVATE ${fixtures} ${CMAKE_SOURCE_DIR}/resources)
add_dependencies(shella_probe wizard_fixtures)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/probe/probe_items.rc PROPERTIES OBJECT_DEPENDS "${packed}")
set_target_properties(shella_probe PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_dependencies(${WINE_TEST_TARGET} shella_probe)
