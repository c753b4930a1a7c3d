# Installation (cmake --install) and the Debian package (cpack -G DEB).
#
# Layout under the prefix: bin/vantor and bin/vantor-tool, Pixwell and the
# TagLib reader in lib/<arch>/vantor/ (found through the programs' run path),
# the skins in share/vantor/, and what the desktop reads: the desktop entry,
# the icons, the MIME types, the AppStream metainfo and the manual pages.
include(GNUInstallDirs)

set(VANTOR_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/vantor)
set_target_properties(vantor vantor-tool PROPERTIES
    INSTALL_RPATH "$ORIGIN/../${VANTOR_PRIVATE_LIBDIR}")
install(TARGETS vantor vantor-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS pixwell LIBRARY DESTINATION ${VANTOR_PRIVATE_LIBDIR} NAMELINK_SKIP)
install(TARGETS vantor_taglib LIBRARY DESTINATION ${VANTOR_PRIVATE_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Skin DESTINATION ${CMAKE_INSTALL_DATADIR}/vantor)

set(data ${PROJECT_SOURCE_DIR}/data)
install(FILES ${data}/vantor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data}/org.vantor.Vantor.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${data}/vantor-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME vantor.xml)
install(DIRECTORY ${data}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${data}/icons/vantor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages and the package's change log go in compressed, as Debian wants.
set(compressed ${CMAKE_BINARY_DIR}/compressed)
set(manuals)
foreach(page vantor.1 vantor-tool.1)
    add_custom_command(OUTPUT ${compressed}/${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed}
        COMMAND gzip -9n -c ${data}/man/${page} > ${compressed}/${page}.gz
        DEPENDS ${data}/man/${page} VERBATIM)
    list(APPEND manuals ${compressed}/${page}.gz)
endforeach()
add_custom_command(OUTPUT ${compressed}/changelog.gz
    COMMAND gzip -9n -c ${data}/changelog > ${compressed}/changelog.gz
    DEPENDS ${data}/changelog ${manuals} VERBATIM)
add_custom_target(vantor_compressed_docs ALL DEPENDS ${manuals} ${compressed}/changelog.gz)
install(FILES ${manuals} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${data}/copyright ${compressed}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantor)

# The package. Shared libraries the programs link are found by dpkg-shlibdeps;
# the ones the engine binds at run time (FFmpeg, FluidSynth, libopenmpt,
# libsoxr, libcdio) are named by the packages that own them on the build
# machine.
set(runtime_packages)
foreach(library avformat avcodec avutil swresample fluidsynth openmpt soxr cdio cdio_cdda
                cdio_paranoia)
    find_library(VANTOR_RUNTIME_${library} ${library})
    file(REAL_PATH ${VANTOR_RUNTIME_${library}} real)
    execute_process(COMMAND dpkg-query -S ${real} OUTPUT_VARIABLE owner ERROR_QUIET)
    string(REGEX MATCH "^[^:]+" package "${owner}")
    if(package)
        list(APPEND runtime_packages ${package})
    endif()
endforeach()
list(APPEND runtime_packages "timgm6mb-soundfont | fluid-soundfont-gm" fonts-ipafont-gothic)
list(JOIN runtime_packages ", " VANTOR_RUNTIME_DEPENDS)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vantor developers <vantor@vantor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "skinnable audio player")
set(CPACK_PACKAGE_DESCRIPTION
    "Vantor plays MP3 and MP2, Ogg Vorbis, WAV, AIFF and WMA files, tracker\n\
modules (MOD, S3M, XM, IT), MIDI songs and audio CDs. Every window is drawn\n\
from a skin you choose and takes the shape of its pictures.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${VANTOR_RUNTIME_DEPENDS}")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, desktop-file-utils, shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
