# The web site's release, laid out in <build>/web/site by the lorvan_site target
# (part of every build): the page's files, the module, the home-screen icons made
# from the game's icon art, the favicon and the fonts' licence, stamped with the
# release by lay_out_site.cmake. The module itself is linked into
# <build>/web/module, so the site only ever holds a finished release.
set(LORVAN_SITE_DIR ${CMAKE_CURRENT_BINARY_DIR}/site)
set(LORVAN_MODULE_DIR ${CMAKE_CURRENT_BINARY_DIR}/module)
set(LORVAN_ICONS_DIR ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(LORVAN_RELEASE_FILE ${CMAKE_CURRENT_BINARY_DIR}/site-release.txt)
# Linked beside the site, never into it.
set_target_properties(lorvan_web PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${LORVAN_MODULE_DIR})

set(LORVAN_FONT_LICENCE /usr/share/doc/fonts-liberation2/copyright CACHE FILEPATH
    "Licence text of the Liberation fonts, shipped beside the page")

set(LORVAN_SITE_ICONS icon-192.png icon-512.png apple-touch-icon.png)
list(TRANSFORM LORVAN_SITE_ICONS PREPEND ${LORVAN_ICONS_DIR}/ OUTPUT_VARIABLE icon_outputs)
add_custom_command(OUTPUT ${icon_outputs}
    COMMAND ${LORVAN_SYSTEM_PYTHON} ${PROJECT_SOURCE_DIR}/scripts/site_icons.py ${LORVAN_ICONS_DIR}
    DEPENDS ${PROJECT_SOURCE_DIR}/scripts/site_icons.py ${PROJECT_SOURCE_DIR}/scripts/make_icons.py
    COMMENT "Making the site's icons from the game's icon art"
    VERBATIM)

# Every page file there is (the page is many small modules): a new one takes
# part at the next build without a list to keep.
file(GLOB LORVAN_PAGE_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/site/*.html
     ${CMAKE_CURRENT_SOURCE_DIR}/site/*.js ${CMAKE_CURRENT_SOURCE_DIR}/site/*.css
     ${CMAKE_CURRENT_SOURCE_DIR}/site/*.webmanifest)
set(LORVAN_FAVICON ${PROJECT_SOURCE_DIR}/res/lorvan.ico)
add_custom_command(OUTPUT ${LORVAN_RELEASE_FILE}
    COMMAND ${CMAKE_COMMAND}
            -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}/site
            -DMODULE_DIR=${LORVAN_MODULE_DIR}
            -DICONS_DIR=${LORVAN_ICONS_DIR}
            -DFAVICON=${LORVAN_FAVICON}
            -DFONT_LICENCE=${LORVAN_FONT_LICENCE}
            -DSITE_DIR=${LORVAN_SITE_DIR}
            -DRELEASE_FILE=${LORVAN_RELEASE_FILE}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/lay_out_site.cmake
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/lay_out_site.cmake ${LORVAN_PAGE_FILES} ${icon_outputs}
            lorvan_web $<TARGET_FILE:lorvan_web> ${LORVAN_FAVICON} ${LORVAN_FONT_LICENCE}
    COMMENT "Laying out the web site's release"
    VERBATIM)
add_custom_target(lorvan_site ALL DEPENDS ${LORVAN_RELEASE_FILE})
