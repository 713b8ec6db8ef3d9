#pragma once

// One item of a text widget's context menu as its about-to-show rule leaves
// it: shown or hidden, enabled or not.
struct UIEditMenuItem
{
    bool shown = true;
    bool enabled = true;

    bool operator==(const UIEditMenuItem& other) const
    {
        return shown == other.shown && enabled == other.enabled;
    }
};
