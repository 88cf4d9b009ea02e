# The desktop program for Windows 10 or later (Qt 6's own minimum), cross-built against
# the Qt of scripts/windows-qt.sh (`make windows-desktop`). Every program of this build
# lands in program/, beside the DLLs, plugins, translations and fonts it ships with
# (cmake/windows_desktop_layout.cmake), so the window tests under Wine run as installed.
add_compile_definitions(_WIN32_WINNT=0x0A00 WINVER=0x0A00 UNICODE _UNICODE)
target_link_libraries(andel_core PUBLIC shell32)  # CommandLineToArgvW
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/program)
enable_language(RC)  # the program's icon
