#pragma once

#include "foundation/data/JsonValue.h"

class UIWebView;

// Lets the automation channel read a web view's page text and click the
// page's elements that carry an id, each listed as an entry named by its id.
void installWebViewDescriber();
// Every element of the laid-out page that carries an id, in document order:
// [{"id", "tag", "rect": [x, y, width, height]}], rectangles on the screen
// as the widget dump gives them, so one can be clicked where it is listed.
JsonValue webViewElementsJson(const UIWebView& view);
