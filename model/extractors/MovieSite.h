#pragma once

#include "foundation/text/String.h"

// Where one edition of the movie database lives: the host every page is
// fetched from, the domain shown to the user and the host of its pictures.
// The product's names are our own and resolve nowhere until the site is
// configured; tests point them at a server on 127.0.0.1 ("127.0.0.1:port").
struct MovieSite
{
    String host;
    String siteName;
    String imageHost;

    static MovieSite english();
};
