#pragma once
// The converters of the field-to-office window that have been built.

class ba_form;

// Installs every built converter in the window's table; the window calls it when
// it is created. A converter missing here answers that it is not available yet.
void InstallConverters(ba_form& form);
