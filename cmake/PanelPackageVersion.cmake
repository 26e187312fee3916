# The package's version and its Debian changelog.
#
# The version is the panel's own (project(), which the screens show)
# followed, as the Debian revision, by the time of the commit the package is
# built from, in UTC: 3.03-20261209.103700.  A package built from a later
# commit so installs over one built from an earlier, while the panel's own
# version stays.  A tree without git history takes the time of the configure
# run instead (or SOURCE_DATE_EPOCH's, as reproducible builds set it).  A
# build configures again when git's HEAD moves, so a package made after a
# commit never keeps the version of the one before.
#
# Needs CPACK_PACKAGE_NAME and CPACK_PACKAGE_CONTACT; sets
# PANEL_PACKAGE_REVISION, PANEL_COPYRIGHT_YEAR (the year of that time) and
# PANEL_CHANGELOG, the changelog.Debian.gz made from them.

find_package(Git QUIET)
set(git_failed 1)
if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel --absolute-git-dir
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} RESULT_VARIABLE git_failed
        OUTPUT_VARIABLE git_dirs OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT git_failed)
    string(REPLACE "\n" ";" git_dirs "${git_dirs}")
    list(GET git_dirs 0 git_top)
    list(GET git_dirs 1 git_dir)
    get_filename_component(git_top "${git_top}" REALPATH)
    get_filename_component(source_top "${PROJECT_SOURCE_DIR}" REALPATH)
    # A tree unpacked inside another repository has no history of its own.
    if(NOT git_top STREQUAL source_top)
        set(git_failed 1)
    endif()
endif()
if(NOT git_failed)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 "--format=%ct %h"
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} RESULT_VARIABLE git_failed
        OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()

set(source_date_epoch "$ENV{SOURCE_DATE_EPOCH}")
if(NOT git_failed)
    string(REPLACE " " ";" commit "${commit}")
    list(GET commit 0 commit_time)
    list(GET commit 1 commit_name)
    set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
    set(changelog_entry "Built from commit ${commit_name}.")
    foreach(head IN ITEMS HEAD logs/HEAD)
        if(EXISTS "${git_dir}/${head}")
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${git_dir}/${head}")
        endif()
    endforeach()
else()
    message(STATUS "No git history: the package's revision is the time of this run")
    set(changelog_entry "Built from a tree without git history.")
endif()
# string(TIMESTAMP) gives SOURCE_DATE_EPOCH's time when that is set.
string(TIMESTAMP PANEL_PACKAGE_REVISION "%Y%m%d.%H%M%S" UTC)
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP PANEL_COPYRIGHT_YEAR "%Y" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${source_date_epoch}")

set(changelog "${CMAKE_CURRENT_BINARY_DIR}/package/changelog.Debian")
file(WRITE "${changelog}"
    "${CPACK_PACKAGE_NAME} (${PROJECT_VERSION}-${PANEL_PACKAGE_REVISION}) stable; urgency=medium\n"
    "\n"
    "  * ${changelog_entry}\n"
    "\n"
    " -- ${CPACK_PACKAGE_CONTACT}  ${changelog_date}\n")
find_program(GZIP_EXECUTABLE gzip)
if(NOT GZIP_EXECUTABLE)
    message(FATAL_ERROR "gzip is needed to pack the package's changelog")
endif()
set(PANEL_CHANGELOG "${changelog}.gz")
execute_process(COMMAND ${GZIP_EXECUTABLE} -9nc "${changelog}" OUTPUT_FILE "${PANEL_CHANGELOG}")
