# The query engine's sources, shared by the main build and the fuzzing build.
set(LAMPSTRIDE_BIBLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/TextNormalization.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IcuRegex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BibleBook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BibleBookLookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BibleReferenceParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BibleDatabase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SearchResultItem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BibleSearchService.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SearchHighlighter.cpp
)
