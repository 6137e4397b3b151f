#pragma once
// The common dialog's filter text ("description|pattern|description|pattern") in the
// form a Qt file dialog takes.

#include <QString>
#include <QStringList>

#include <string>

namespace platform::qt {

// One pattern that matches whatever the letter case of a name: "*.pto" gives
// "*.[pP][tT][oO]", since the files come from systems that ignore case. "*.*"
// (every file, dotted or not, on the desktop the windows were written for) gives "*".
QString CaseInsensitivePattern(const QString& pattern);

// One name filter per pair: "description (patterns)". Patterns separated by ";" in
// the filter text become blank-separated. A pair without a pattern matches every
// file; an empty filter gives an empty list.
QStringList NameFilters(const std::string& filter);

// The description part of a name filter made by NameFilters.
QString FilterDescription(const QString& nameFilter);

}  // namespace platform::qt
