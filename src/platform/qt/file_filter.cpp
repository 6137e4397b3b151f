#include "platform/qt/file_filter.h"

#include "platform/qt/text.h"

namespace platform::qt {

QString CaseInsensitivePattern(const QString& pattern) {
    QString trimmed = pattern.trimmed();
    if (trimmed == QLatin1String("*.*")) return QStringLiteral("*");
    QString result;
    result.reserve(trimmed.size() * 4);
    bool inSet = false;
    for (QChar c : trimmed) {
        if (c == QLatin1Char('[')) inSet = true;
        if (c == QLatin1Char(']')) inSet = false;
        QChar lower = c.toLower();
        QChar upper = c.toUpper();
        if (inSet || lower == upper) {
            result += c;
        } else {
            result += QLatin1Char('[');
            result += lower;
            result += upper;
            result += QLatin1Char(']');
        }
    }
    return result;
}

QStringList NameFilters(const std::string& filter) {
    QStringList filters;
    if (filter.empty()) return filters;
    const QStringList parts = ToQ(filter).split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QStringList patterns;
        if (i + 1 < parts.size()) {
            for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                if (!pattern.trimmed().isEmpty()) patterns << CaseInsensitivePattern(pattern);
            }
        }
        if (patterns.isEmpty()) patterns << QStringLiteral("*");
        filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

QString FilterDescription(const QString& nameFilter) {
    const qsizetype open = nameFilter.lastIndexOf(QStringLiteral(" ("));
    return open < 0 ? nameFilter : nameFilter.left(open);
}

}  // namespace platform::qt
