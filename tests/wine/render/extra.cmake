# The caption sheet uses the build's font image when the payload has made it.
target_compile_definitions(${WINE_TEST_TARGET} PRIVATE
  VOCALITH_BUILD_FONT_IMAGE="${VOCALITH_PAYLOAD_FILES_DIR}/ChnBmp.bin")
