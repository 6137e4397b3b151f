#pragma once
// A label that keeps the end of a text too wide for its room: a long path is
// shortened in the middle with an ellipsis, so that the file name stays in sight,
// and the whole text becomes the label's tool tip. A text that fits shows as is,
// and so does a label that wraps its text.

#include <QLabel>
#include <QString>

namespace platform::qt {

class ElidingLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Sets the whole text (text() keeps it, and the label's size hint follows it).
    void SetFullText(const QString& text);
    // What the label shows at its present width.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool Shortened() const;
    void UpdateToolTip();
};

}  // namespace platform::qt
