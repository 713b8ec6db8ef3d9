#pragma once

// Lets the automation channel read a web view's page text and click the
// page's elements that carry an id, each listed as an entry named by its id.
void installWebViewDescriber();
