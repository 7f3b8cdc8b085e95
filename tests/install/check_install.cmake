# Installs into PREFIX and checks what a packager and a user rely on.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(path bin/lampstride bin/lampstride-cli share/lampstride/bible.db
        share/applications/com.lampstride.Lampstride.desktop
        share/metainfo/com.lampstride.Lampstride.metainfo.xml
        share/icons/hicolor/scalable/apps/com.lampstride.Lampstride.svg)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
# The installed tool finds the installed bible.db (not the one in the build tree).
execute_process(COMMAND "${PREFIX}/bin/lampstride-cli" search "пс 23:1" --json
                RESULT_VARIABLE found OUTPUT_VARIABLE out)
if(NOT found EQUAL 0 OR NOT out MATCHES "\"book\":\"PSA\"")
  message(FATAL_ERROR "installed lampstride-cli did not find its bible.db: ${out}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
