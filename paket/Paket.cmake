# The Debian package: what `cmake --install` puts under /usr, plus the manual pages, the software-centre
# metadata and the package's documentation. `cmake --build <build> --target package` writes the package.

set(QUANTORA_ID example.quantora.quantora)
configure_file(${CMAKE_CURRENT_LIST_DIR}/quantora.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/paket/${QUANTORA_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/paket/${QUANTORA_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages are shipped compressed; -n keeps the archive free of time stamps.
set(QUANTORA_HANDBUECHER)
foreach(sprache de en)
  set(quelle ${CMAKE_CURRENT_LIST_DIR}/quantora.1.in)
  set(ziel ${CMAKE_INSTALL_MANDIR}/man1)
  if(sprache STREQUAL en)
    set(quelle ${CMAKE_CURRENT_LIST_DIR}/en/quantora.1.in)
    set(ziel ${CMAKE_INSTALL_MANDIR}/en/man1)
  endif()
  configure_file(${quelle} ${PROJECT_BINARY_DIR}/paket/${sprache}/quantora.1 @ONLY)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/paket/${sprache}/quantora.1.gz
    COMMAND gzip -9nkf quantora.1
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/paket/${sprache}
    DEPENDS ${PROJECT_BINARY_DIR}/paket/${sprache}/quantora.1 VERBATIM)
  list(APPEND QUANTORA_HANDBUECHER ${PROJECT_BINARY_DIR}/paket/${sprache}/quantora.1.gz)
  # The launcher shares the page.
  file(CREATE_LINK quantora.1.gz ${PROJECT_BINARY_DIR}/paket/${sprache}/quantora-start.1.gz SYMBOLIC)
  install(FILES ${PROJECT_BINARY_DIR}/paket/${sprache}/quantora.1.gz
                ${PROJECT_BINARY_DIR}/paket/${sprache}/quantora-start.1.gz DESTINATION ${ziel})
endforeach()

# The package's own documentation: copyright and a changelog in Debian's format, dated from QUANTORA_DATUM.
execute_process(COMMAND date -R -u -d "${QUANTORA_DATUM} 12:00" OUTPUT_VARIABLE QUANTORA_DATUM_RFC
                OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${PROJECT_BINARY_DIR}/paket/changelog @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/paket/changelog.gz
  COMMAND gzip -9nkf changelog
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/paket
  DEPENDS ${PROJECT_BINARY_DIR}/paket/changelog VERBATIM)
add_custom_target(quantora_handbuch ALL DEPENDS ${QUANTORA_HANDBUECHER} ${PROJECT_BINARY_DIR}/paket/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${PROJECT_BINARY_DIR}/paket/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quantora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quantora)
set(CPACK_PACKAGE_VENDOR "Quantora Softwarehaus GmbH")
set(CPACK_PACKAGE_CONTACT "Quantora Softwarehaus GmbH <info@quantora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit converter with the historical measures of many countries")
# English first, then German; lines below 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
"Quantora Pro converts a value into every unit of a category at once: lengths
with the historical measures of many countries beside the modern ones, areas,
volumes, masses, temperatures, number systems, fractions, world time,
currencies and more. A search finds units across all categories; own units,
changed factors and exchange rates are kept in the database. Its user
interface is German.

Einheitenumrechner mit den historischen Maßen vieler Länder: Quantora Pro
rechnet einen Wert in alle Einheiten eines Gebiets zugleich um, von Längen,
Flächen und Massen bis zu Temperaturen, Zahlensystemen, Brüchen, Weltzeit
und Währungen.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.quantora.example)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not found by shlibdeps: the fonts behind "Arial", Qt's window-system plugins and its German texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins, qt6-translations-l10n, ca-certificates")
include(CPack)
