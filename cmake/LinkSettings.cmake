# Addresses the guidance page opens, the author, and the program's name on the
# desktop. They are set when the program is built, so a fork or a packager can
# point them elsewhere without touching the code.
set(TARVO_SITE_HOST "www.tarvo.example" CACHE STRING "Host of the site's main web server (plain HTTP)")
set(TARVO_SECURE_HOST "secure.tarvo.example" CACHE STRING "Host of the site's secure server (HTTPS)")
set(TARVO_HOMEPAGE_URL "http://www.velmo-studio.example/" CACHE STRING "The author's home page, plain HTTP, ending in a slash")
set(TARVO_AUTHOR_MAIL "studio@velmo-studio.example" CACHE STRING "The author's mail address shown in the about panel")
set(TARVO_AUTHOR_NAME "Velmo" CACHE STRING "The author's name shown in the about panel")
set(TARVO_SCREENSHOT_BASE_URL "" CACHE STRING
  "Where the packager publishes the README's screenshots (docs/screenshot-*.png), for the AppStream metainfo; HTTPS, ending in a slash; empty for no screenshots")

# The desktop entry, the icon and the metainfo are installed under this name; the
# program tells it to the desktop, so that its windows get the entry's name and icon.
set(TARVO_APP_ID "io.github.velmo.TarvoRegistration" CACHE STRING
  "Reverse-DNS id of the desktop entry, the icon and the AppStream metainfo")
