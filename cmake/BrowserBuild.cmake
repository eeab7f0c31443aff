# The browser's build (emcmake): the plain logic, the session and the SVG drawing compiled to
# one WebAssembly module. Nothing of the desktop: no window, no sound devices, no terminal.
set(TAMBREL_GUI OFF CACHE BOOL "" FORCE)
set(TAMBREL_SOUND OFF CACHE BOOL "" FORCE)
set(TAMBREL_TESTS OFF CACHE BOOL "" FORCE)
set(TAMBREL_BENCH OFF CACHE BOOL "" FORCE)

# The JSON library is headers only. Emscripten's own system headers must stay the only ones on
# the path, so the host's /usr/include is not added: only its nlohmann folder, through a link.
set(TAMBREL_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${TAMBREL_HOST_HEADERS})
if(NOT EXISTS ${TAMBREL_HOST_HEADERS}/nlohmann)
  file(CREATE_LINK /usr/include/nlohmann ${TAMBREL_HOST_HEADERS}/nlohmann SYMBOLIC)
endif()
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${TAMBREL_HOST_HEADERS})

# The logic reports a number it cannot read by an exception, which the window's handlers catch:
# WebAssembly's own exceptions keep that cheap where nothing is thrown.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)
