#include "ClockLabel.h"

#include <QPainter>

#include <algorithm>

namespace {

// The characters of times and countdowns. Text fonts give digits and the colon fixed advances
// and no kerning, so drawn one by one they stand where a layout of the whole text puts them.
bool isClockCharacter(QChar character) {
    return (character >= u'0' && character <= u'9') || character == u':';
}

} // namespace

ClockLabel::ClockLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool ClockLabel::drawsCharacterWise() const {
    if (text().isEmpty() || alignment() != (Qt::AlignLeft | Qt::AlignVCenter) || margin() != 0 ||
        indent() > 0 || frameWidth() != 0 || wordWrap() || textFormat() == Qt::RichText ||
        !isEnabled() || layoutDirection() != Qt::LeftToRight)
        return false;
    const QString shown = text();
    return std::all_of(shown.cbegin(), shown.cend(), isClockCharacter);
}

const QStaticText& ClockLabel::laidOut(QChar character) {
    auto found = characters_.find(character.unicode());
    if (found == characters_.end()) {
        QStaticText single{QString(character)};
        single.setTextFormat(Qt::PlainText);
        single.prepare(QTransform(), font());
        found = characters_.insert(character.unicode(), single);
    }
    return *found;
}

void ClockLabel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // What the window would have painted behind a see-through label.
    const QWidget* behind = parentWidget() ? parentWidget() : this;
    painter.fillRect(rect(), behind->palette().brush(behind->backgroundRole()));
    if (!drawsCharacterWise()) {
        painter.end();
        QLabel::paintEvent(event);
        return;
    }
    const QFontMetricsF metrics(font());
    const QRectF area = contentsRect();
    const qreal lineHeight = metrics.ascent() + metrics.descent();
    QPointF at(area.left(), area.top() + (area.height() - lineHeight) / 2);
    painter.setPen(palette().color(foregroundRole()));
    for (const QChar character : text()) {
        const QStaticText& single = laidOut(character);
        painter.drawStaticText(at, single);
        at.rx() += metrics.horizontalAdvance(character);
    }
}
