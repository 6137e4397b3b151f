#include "platform/qt/text.h"

namespace platform::qt {

QString ToDisplayLines(const std::string& text) {
    std::string lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines.push_back('\n');
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            lines.push_back(text[i]);
        }
    }
    return ToQ(lines);
}

std::string ToModelLines(const QString& text) {
    std::string utf8 = FromQ(text);
    std::string lines;
    lines.reserve(utf8.size() + utf8.size() / 16);
    for (char c : utf8) {
        if (c == '\n') lines.push_back('\r');
        lines.push_back(c);
    }
    return lines;
}

}  // namespace platform::qt
