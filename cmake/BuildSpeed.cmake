# What keeps a cold build quick on a small machine: a quicker linker, line tables instead of full
# debug information in the optimised build, and precompiled Qt headers for the tests. None of it
# changes the program; the Windows (MSVC) build is left as it is.

# lld links the many test executables several times faster than the default linker; where it is
# not installed the default linker is used.
if(NOT MSVC)
  include(CheckLinkerFlag)
  check_linker_flag(CXX -fuse-ld=lld DELVORA_HAVE_LLD)
  if(DELVORA_HAVE_LLD)
    add_link_options(-fuse-ld=lld)
  endif()
endif()

# Line tables are enough for backtraces and profiles, and much quicker to write and link; the
# Debug build (and the sanitizer build) keep full debug information for the debugger.
option(DELVORA_FULL_DEBUG_INFO "RelWithDebInfo with full debug information (-g), not line tables"
       OFF)
if(NOT MSVC AND NOT DELVORA_FULL_DEBUG_INFO)
  add_compile_options($<$<CONFIG:RelWithDebInfo>:-g1>)
endif()

# Precompiled headers. The sanitizer and fuzz builds go without, so that each file still reads
# every header it needs and a missing #include fails there.
if(MSVC OR DELVORA_SANITIZE OR DELVORA_FUZZ)
  set(delvora_pch_default OFF)
else()
  set(delvora_pch_default ON)
endif()
# (CMake adds -Winvalid-pch: a header that cannot be used says why.)
option(DELVORA_PCH "Precompile the Qt headers the tests use" ${delvora_pch_default})

# The tests' precompiled header: the Qt headers QtTest pulls in (all of QtCore and the GUI parts
# its helpers use) and those most tests include. Without it each test file spends most of its
# compile time reading them. The program's libraries go without: their files are small and
# include little, and loading a header this size would cost them about what it saves.
set(DELVORA_TEST_PCH_HEADERS
    <QtCore> <QAccessible> <QColor> <QGuiApplication> <QIcon> <QImage> <QKeySequence> <QPixmap>
    <QWindow> <QtGui/qevent.h> <QAction> <QApplication> <QCheckBox> <QComboBox> <QHeaderView>
    <QLabel> <QLineEdit> <QProgressBar> <QPushButton> <QTreeView> <QWidget> <QHostAddress>
    <QTcpServer> <QTcpSocket> <QUdpSocket>)

# GCC uses a precompiled header only where every macro it was made with has the same value. So
# it is made by a target of its own that sees what every test sees (QtTest, QtWidgets and
# QtNetwork: their headers test QT_*_LIB) and defines nothing else, and the tests drop QtTest's
# QT_TESTCASE_SOURCEDIR and QT_TESTCASE_BUILDDIR, which name each test's folder: they serve only
# QFINDTESTDATA, which no test uses.
function(delvora_test_pch_donor donor)
  set(empty ${CMAKE_CURRENT_BINARY_DIR}/${donor}.cpp)
  file(CONFIGURE OUTPUT ${empty} CONTENT "")
  add_library(${donor} OBJECT ${empty})
  target_link_libraries(${donor} PRIVATE Qt6::Test Qt6::Widgets Qt6::Network)
  set_target_properties(${donor} PROPERTIES AUTOMOC OFF)
  delvora_reuse_test_pch(${donor} "")
endfunction()

# Makes `target` use the tests' precompiled header, made by `donor` (or by itself when `donor` is
# empty). AUTOMOC's mocs_compilation.cpp of a target that lists no headers holds nothing (a test
# includes its own .moc): it need not load a header of a few hundred megabytes.
function(delvora_reuse_test_pch target donor)
  if(NOT DELVORA_PCH)
    return()
  endif()
  target_compile_options(${target} PRIVATE -UQT_TESTCASE_SOURCEDIR -UQT_TESTCASE_BUILDDIR)
  if(donor)
    target_precompile_headers(${target} REUSE_FROM ${donor})
  else()
    target_precompile_headers(${target} PRIVATE ${DELVORA_TEST_PCH_HEADERS})
  endif()
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.(h|hpp)$")
  if(NOT sources)
    get_target_property(dir ${target} BINARY_DIR)
    set_source_files_properties(${dir}/${target}_autogen/mocs_compilation.cpp
                                TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
  endif()
endfunction()
