#pragma once
// Text between the models (UTF-8, CR LF line breaks) and the widgets (QString, LF).

#include <QString>

#include <string>

namespace platform::qt {

inline QString ToQ(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

inline std::string FromQ(const QString& text) { return text.toUtf8().toStdString(); }

// CR LF and a lone CR become LF, the only line break the widgets understand.
QString ToDisplayLines(const std::string& text);

// LF becomes CR LF again, as the windows write their multi-line texts.
std::string ToModelLines(const QString& text);

}  // namespace platform::qt
