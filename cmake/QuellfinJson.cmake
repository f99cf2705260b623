# nlohmann_json, header-only, for the report tool and its tests. A cross build finds no copy in the
# target's root, so it takes the build machine's headers, copied on their own into the build tree
# (the build machine's /usr/include must not stand on the target's include path).
find_package(nlohmann_json 3.10 CONFIG QUIET)
if(NOT nlohmann_json_FOUND AND CMAKE_CROSSCOMPILING)
    find_path(QUELLFIN_HOST_JSON_INCLUDE nlohmann/json.hpp
        PATHS /usr/include /usr/local/include NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
    if(QUELLFIN_HOST_JSON_INCLUDE)
        set(json_copy ${CMAKE_BINARY_DIR}/host-headers)
        file(COPY ${QUELLFIN_HOST_JSON_INCLUDE}/nlohmann DESTINATION ${json_copy})
        add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
        set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
            INTERFACE_INCLUDE_DIRECTORIES ${json_copy})
        set(nlohmann_json_FOUND TRUE)
    endif()
endif()
if(NOT nlohmann_json_FOUND)
    message(FATAL_ERROR "nlohmann_json 3.10 or later is needed (Debian: nlohmann-json3-dev)")
endif()
