# The release archive vrn-VERSION-win64.zip: vrn.dll, the AutoLISP commands,
# the install text and the sample drawing. The version is the project's.
install(TARGETS vrn_dll RUNTIME DESTINATION . LIBRARY DESTINATION .)
# CR LF: the text is read on Windows, in Notepad too.
configure_file(${PROJECT_SOURCE_DIR}/autocad/INSTALL.txt.in ${PROJECT_BINARY_DIR}/INSTALL.txt @ONLY NEWLINE_STYLE WIN32)
install(FILES ${PROJECT_SOURCE_DIR}/autocad/vrn.lsp ${PROJECT_BINARY_DIR}/INSTALL.txt
              ${PROJECT_SOURCE_DIR}/examples/sample.dxf ${PROJECT_SOURCE_DIR}/examples/VrnFonts.txt
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME vrn)
set(CPACK_PACKAGE_FILE_NAME vrn-${PROJECT_VERSION}-win64)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/package)
include(CPack)
