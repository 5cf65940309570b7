// The product web site: help pages, downloads and searches live under it.
// Set at build time (CMake cache variable TALVOR_WEB_SITE); the default is a
// reserved example domain, so no request reaches anyone else's server.
#pragma once

inline constexpr const char* kWebSite = TALVOR_WEB_SITE;
