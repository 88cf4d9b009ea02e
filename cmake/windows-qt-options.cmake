# Qt for the Windows desktop program: the initial cache (cmake -C) of the cross build of
# Debian's qtbase source made by scripts/windows-qt.sh. Its hash names the cache folder,
# so a change here builds a new Qt. Only Core, Gui, Widgets, PrintSupport, Network (the
# local socket of the hand-over listener) and Test (the window tests) are kept.

# Shared: Qt's DLLs are shipped beside the program, so the LGPL lets anyone swap them.
set(BUILD_SHARED_LIBS ON CACHE BOOL "")
set(CMAKE_BUILD_TYPE Release CACHE STRING "")
set(QT_BUILD_EXAMPLES OFF CACHE BOOL "")
set(QT_BUILD_TESTS OFF CACHE BOOL "")
# moc, rcc and uic come from the host's Qt (QT_HOST_PATH), which has the same version.
set(QT_BUILD_TOOLS_WHEN_CROSSCOMPILING OFF CACHE BOOL "")

# The modules the program does not use, left out to save build time.
set(FEATURE_sql OFF CACHE BOOL "")         # no database module: the data files are our own
set(FEATURE_concurrent OFF CACHE BOOL "")  # threads are plain QThread
set(FEATURE_xml OFF CACHE BOOL "")         # nothing reads XML through Qt
set(FEATURE_dbus OFF CACHE BOOL "")        # a Linux desktop bus

# Painting is in software: without OpenGL there is no GL loader to ship and nothing
# depends on the agent's graphics driver. Each of the four is needed to really turn it off.
set(INPUT_opengl no CACHE STRING "")
set(FEATURE_opengl OFF CACHE BOOL "")
set(FEATURE_opengl_dynamic OFF CACHE BOOL "")
set(FEATURE_dynamicgl OFF CACHE BOOL "")
set(FEATURE_vulkan OFF CACHE BOOL "")      # no GPU painting at all

# The windows plugin's DirectWrite font pieces need Direct2D, and 6.4's plugin does not
# compile with both OpenGL and Direct2D off; 1.1 is left off (its headers are incomplete
# in mingw-w64).
set(FEATURE_direct2d ON CACHE BOOL "")
set(FEATURE_direct2d1_1 OFF CACHE BOOL "")

# Network is only a local socket (named pipe): no TLS, proxies or compression wanted,
# and none of their libraries exist for the cross compiler. All three SSL switches are
# needed, or the schannel backend is still built.
set(INPUT_ssl no CACHE STRING "")
set(INPUT_openssl no CACHE STRING "")
set(FEATURE_ssl OFF CACHE BOOL "")
set(FEATURE_schannel OFF CACHE BOOL "")
set(FEATURE_openssl OFF CACHE BOOL "")
set(FEATURE_gssapi OFF CACHE BOOL "")
set(FEATURE_libproxy OFF CACHE BOOL "")
set(FEATURE_brotli OFF CACHE BOOL "")
set(FEATURE_zstd OFF CACHE BOOL "")

# Debian's source removes the tablet library (wintab); the program has no pen input.
set(FEATURE_tabletevent OFF CACHE BOOL "")

# The program shows PNG only: no JPEG or GIF readers.
set(FEATURE_jpeg OFF CACHE BOOL "")
set(FEATURE_gif OFF CACHE BOOL "")

# Third-party libraries from Qt's own source, never from the cross compiler's sysroot
# (where, for instance, Debian's mingw zlib would otherwise be found and have to be shipped).
set(FEATURE_system_zlib OFF CACHE BOOL "")
set(FEATURE_system_png OFF CACHE BOOL "")
set(FEATURE_system_freetype OFF CACHE BOOL "")
set(FEATURE_system_harfbuzz OFF CACHE BOOL "")
set(FEATURE_system_pcre2 OFF CACHE BOOL "")
set(FEATURE_system_doubleconversion OFF CACHE BOOL "")
set(FEATURE_system_textmarkdownreader OFF CACHE BOOL "")
set(FEATURE_icu OFF CACHE BOOL "")         # Windows' own locale functions are used instead
