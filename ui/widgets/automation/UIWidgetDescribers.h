#pragma once

// Tells the automation channel how the toolkit's widget classes show their
// text, state and entries. Called once by a program before it is driven;
// calling again changes nothing.
void installWidgetDescribers();
