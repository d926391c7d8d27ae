# The user guide the Help menu opens is the README with the pictures of
# docs/, compiled into the program as the resource file guide.qrc under
# /guide, each picture under the name the README gives it ("docs/….png").
file(GLOB ORBALIS_GUIDE_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.png)
set(entries "")
foreach(picture IN LISTS ORBALIS_GUIDE_PICTURES)
  get_filename_component(name ${picture} NAME)
  string(APPEND entries "    <file alias=\"docs/${name}\">${picture}</file>\n")
endforeach()
set(ORBALIS_GUIDE_RESOURCES ${CMAKE_BINARY_DIR}/guide/guide.qrc)
file(CONFIGURE OUTPUT ${ORBALIS_GUIDE_RESOURCES} CONTENT [[
<!DOCTYPE RCC>
<RCC version="1.0">
  <qresource prefix="/guide">
    <file alias="README.md">@CMAKE_SOURCE_DIR@/README.md</file>
@entries@  </qresource>
</RCC>
]] @ONLY)
