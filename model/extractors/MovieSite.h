#pragma once

#include "foundation/text/String.h"

// Where one edition of the movie database lives: the host every page is
// fetched from, the edition's domain shown to the user, the host of its
// pictures and the site's main domain, which the localized pages print.
// The product's names are our own and resolve nowhere until the site is
// configured; tests point them at a server on 127.0.0.1 ("127.0.0.1:port").
struct MovieSite
{
    String host;
    String siteName;
    String imageHost;
    String mainDomain;

    // Whether address is a picture on the edition's own image host: it
    // begins with "http://", the image host and "/images/", exactly, so no
    // other host, port or user name can stand before the path. A page can
    // name any address; only these are fetched. False without an image host.
    bool isOwnPicture(const String& address) const;

    static MovieSite english();
    // "de", "it", "es" or "fr"; empty names for any other code.
    static MovieSite localized(const String& code);
};
