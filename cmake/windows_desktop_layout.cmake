# The Windows desktop program's folder as shipped (program/ in the build folder) and the
# installer's input: the programs, Qt's DLLs and the plugins they load, the compiler's
# runtime, Qt's Nynorsk texts, the Liberation fonts and the licences that go with them.
set_target_properties(andelstipp PROPERTIES WIN32_EXECUTABLE ON)  # no console window

# The icon in the .exe, for Explorer and the Start menu, made from the package's PNGs.
find_program(ICOTOOL_EXECUTABLE icotool REQUIRED)  # Debian's icoutils
set(icons ${PROJECT_SOURCE_DIR}/packaging/icons/andelstipp-)
set(program_icon ${CMAKE_BINARY_DIR}/andelstipp.ico)
add_custom_command(OUTPUT ${program_icon}
                   COMMAND ${ICOTOOL_EXECUTABLE} -c -o ${program_icon} ${icons}16.png ${icons}32.png ${icons}48.png
                           -r ${icons}256.png  # the large one kept as PNG inside the icon, as Windows does
                   DEPENDS ${icons}16.png ${icons}32.png ${icons}48.png ${icons}256.png VERBATIM)
file(WRITE ${CMAKE_BINARY_DIR}/andelstipp.rc "1 ICON \"andelstipp.ico\"\n")
set_source_files_properties(${CMAKE_BINARY_DIR}/andelstipp.rc PROPERTIES OBJECT_DEPENDS ${program_icon})
target_sources(andelstipp PRIVATE ${CMAKE_BINARY_DIR}/andelstipp.rc)

# The compiler's runtime DLLs (the programs link it as DLLs, as Qt's own DLLs do).
set(runtime_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE found
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}")
    message(FATAL_ERROR "${dll} not found beside ${CMAKE_CXX_COMPILER}")
  endif()
  list(APPEND runtime_dlls ${found})
endforeach()

set(program_dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
set(qt_modules Core Gui Widgets PrintSupport Network)
list(TRANSFORM qt_modules PREPEND "$<TARGET_FILE:Qt6::" OUTPUT_VARIABLE qt_dlls)
list(TRANSFORM qt_dlls APPEND ">")
# Plugins by folder: the windows platform (offscreen for the tests), the native style.
set(qt_plugins platforms:QWindowsIntegrationPlugin platforms:QOffscreenIntegrationPlugin
               styles:QWindowsVistaStylePlugin imageformats:QICOPlugin)
set(liberation /usr/share/fonts/truetype/liberation2)
file(GLOB fonts ${liberation}/LiberationSans-*.ttf ${liberation}/LiberationMono-*.ttf
     ${liberation}/LiberationSerif-*.ttf)
if(NOT fonts)
  message(FATAL_ERROR "the Liberation fonts are missing (Debian package fonts-liberation2)")
endif()
set(qt_nynorsk /usr/share/qt6/translations/qtbase_nn.qm)

set(copies COMMAND ${CMAKE_COMMAND} -E copy_if_different ${runtime_dlls} ${qt_dlls} $<TARGET_FILE:Qt6::Test>
            ${PROJECT_SOURCE_DIR}/packaging/windows/qt.conf ${program_dir})
foreach(plugin ${qt_plugins})
  string(REPLACE ":" ";" plugin ${plugin})
  list(GET plugin 0 folder)
  list(GET plugin 1 target)
  list(APPEND copies COMMAND ${CMAKE_COMMAND} -E make_directory ${program_dir}/${folder}
                     COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::${target}> ${program_dir}/${folder})
endforeach()
add_custom_target(windows_layout ALL ${copies}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${program_dir}/fonts ${program_dir}/translations ${program_dir}/licences
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${fonts} ${program_dir}/fonts
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_nynorsk} ${program_dir}/translations
  COMMAND ${CMAKE_COMMAND} -E copy_if_different /usr/share/doc/fonts-liberation2/copyright
          ${program_dir}/licences/Liberation-fonts.txt
  COMMAND ${CMAKE_COMMAND} -E copy_if_different /usr/share/common-licenses/LGPL-3 ${program_dir}/licences/Qt-LGPL-3.txt
  COMMAND ${CMAKE_COMMAND} -E copy_if_different /usr/share/common-licenses/GPL-3 ${program_dir}/licences/GPL-3.txt
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ANDEL_XLSXWRITER_ROOT}/licences/libxlsxwriter.txt
          ${ANDEL_XLSXWRITER_ROOT}/licences/zlib.txt ${ANDEL_SQLITE_ROOT}/licences/sqlite.txt
          ${ANDEL_QRENCODE_ROOT}/licences/qrencode.txt ${program_dir}/licences
  COMMENT "The Windows program folder: Qt, runtime, plugins, translations, fonts" VERBATIM)
add_dependencies(windows_layout andelstipp)

# What the installer ships, one path a line relative to program/ (the window tests, the
# demo generator, the offscreen plugin and Qt's test library stay behind).
list(TRANSFORM qt_modules PREPEND "$<TARGET_FILE_NAME:Qt6::" OUTPUT_VARIABLE qt_dll_names)
list(TRANSFORM qt_dll_names APPEND ">")
set(shipped $<TARGET_FILE_NAME:andelstipp> $<TARGET_FILE_NAME:andelstipp-cli> qt.conf ${qt_dll_names}
            platforms/$<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>
            styles/$<TARGET_FILE_NAME:Qt6::QWindowsVistaStylePlugin>
            imageformats/$<TARGET_FILE_NAME:Qt6::QICOPlugin> translations/qtbase_nn.qm
            licences/Liberation-fonts.txt licences/Qt-LGPL-3.txt licences/GPL-3.txt
            licences/libxlsxwriter.txt licences/zlib.txt licences/sqlite.txt licences/qrencode.txt)
foreach(file ${runtime_dlls} ${fonts})
  get_filename_component(name ${file} NAME)
  if(file IN_LIST fonts)
    set(name fonts/${name})
  endif()
  list(APPEND shipped ${name})
endforeach()
list(JOIN shipped "\n" shipped)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/shipped-files.txt CONTENT "${shipped}\n")

# The Win32 sender of the numbered window messages, for the test of the program under Wine.
add_executable(post_window_message ${PROJECT_SOURCE_DIR}/tests/windows/post_window_message.cpp)
