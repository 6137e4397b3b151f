#include "platform/qt/eliding_label.h"

#include <QPainter>
#include <QStyle>

namespace platform::qt {

void ElidingLabel::SetFullText(const QString& text) {
    if (text != this->text()) setText(text);
    UpdateToolTip();
}

bool ElidingLabel::Shortened() const {
    if (wordWrap()) return false;
    const int room = contentsRect().width();
    const QFontMetrics metrics = fontMetrics();
    for (const QString& line : text().split(QLatin1Char('\n'))) {
        if (metrics.horizontalAdvance(line) > room) return true;
    }
    return false;
}

QString ElidingLabel::ShownText() const {
    if (!Shortened()) return text();
    const int room = contentsRect().width();
    QStringList lines = text().split(QLatin1Char('\n'));
    for (QString& line : lines) line = fontMetrics().elidedText(line, Qt::ElideMiddle, room);
    return lines.join(QLatin1Char('\n'));
}

void ElidingLabel::UpdateToolTip() {
    const QString tip = Shortened() ? text() : QString();
    if (toolTip() != tip) setToolTip(tip);
}

void ElidingLabel::paintEvent(QPaintEvent* event) {
    if (!Shortened()) return QLabel::paintEvent(event);
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), ShownText(), foregroundRole());
}

void ElidingLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    UpdateToolTip();
}

}  // namespace platform::qt
