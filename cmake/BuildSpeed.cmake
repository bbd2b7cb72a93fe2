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
# compile time reading them. QtTest's own headers stay out: they test QT_TESTCASE_SOURCEDIR,
# which names each test's folder, and are quick to read. The headers of this list test the
# QT_GUI_LIB, QT_WIDGETS_LIB and QT_NETWORK_LIB macros, so every test sees the same modules
# (through delvora_testsupport). The program's libraries go without: their files are small and
# include little, and loading a header this size would cost them about what it saves.
set(DELVORA_TEST_PCH_HEADERS
    <QtCore> <QAccessible> <QColor> <QGuiApplication> <QIcon> <QImage> <QKeySequence> <QPixmap>
    <QWindow> <QtGui/qevent.h> <QAction> <QApplication> <QCheckBox> <QComboBox> <QHeaderView>
    <QLabel> <QLineEdit> <QProgressBar> <QPushButton> <QTreeView> <QWidget> <QHostAddress>
    <QTcpServer> <QTcpSocket> <QUdpSocket>)

# Makes `target` (a test) reuse the precompiled header of `donor` (the library all tests link).
# AUTOMOC's mocs_compilation.cpp of a test holds nothing, as a test includes its own .moc: it
# need not load a header of a few hundred megabytes.
function(delvora_reuse_test_pch target donor)
  if(NOT DELVORA_PCH)
    return()
  endif()
  target_precompile_headers(${target} REUSE_FROM ${donor})
  get_target_property(dir ${target} BINARY_DIR)
  set_source_files_properties(${dir}/${target}_autogen/mocs_compilation.cpp
                              TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()
