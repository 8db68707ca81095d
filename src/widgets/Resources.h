#pragma once

// Registers the resources compiled into the static library vexatarn_ui: the style sheets, the
// translations, the icon font and the rendered artwork. Safe to call more than once. Code that
// reads ":/..." paths without a SystemSettings instance (tests of single widgets) calls it first.
void initApplicationResources();
