# The Debian package of both programs: `cpack -G DEB` in a built tree writes
# tambrel_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME tambrel)
set(CPACK_PACKAGE_VENDOR "Tambrel developers")
set(CPACK_PACKAGE_CONTACT "Tambrel maintainers <maintainers@tambrel.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tambrel.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chord dictionary for the six-string guitar")
set(CPACK_PACKAGE_DESCRIPTION
  "State a chord by picking a root and ticking its tensions, by choosing a chord\n"
  "type, or by typing a symbol such as Cm7/G: Tambrel finds every playable\n"
  "fingering under the current tuning, fret range and finger stretch, draws each\n"
  "one as a chord diagram, lists every name the chord's notes can be read under,\n"
  "and strums a clicked fingering through its built-in synthesiser or a MIDI port.\n"
  "\n"
  "The terminal program tambrel-cli gives the same answers as text diagrams.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; the interface font and the SoundFont are read at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TAMBREL_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
endif()
if(TAMBREL_SOUND)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fluid-soundfont-gm")
endif()

include(CPack)
