#pragma once

class UIGroup;
class UIWidget;

// The group a dialog lines its fields up in: rows of a label and its field,
// filled left to right, the fields' column taking the width left over.
// Spacing, title and showing are the caller's.
UIGroup* makeFieldGroup(UIWidget* parent);
