// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "ClockLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The characters of times and countdowns. Text fonts give digits and the colon fixed advances
// and no kerning, so drawn one by one they stand where a layout of the whole text puts them.
bool isClockCharacter(QChar character) {
    return (character >= u'0' && character <= u'9') || character == u':';
}

// A screen reader hears the clock as a label: its name, or else its text.
class ClockLabelAccessible final : public QAccessibleWidget {
public:
    explicit ClockLabelAccessible(ClockLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const ClockLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleClockLabel(const QString& className, QObject* object) {
    if (className == QLatin1String("ClockLabel") && object && object->isWidgetType())
        return new ClockLabelAccessible(static_cast<ClockLabel*>(object));
    return nullptr;
}

} // namespace

ClockLabel::ClockLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    // One factory, installed with the first clock label, serves them all.
    static const bool accessible = (QAccessible::installFactory(accessibleClockLabel), true);
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClockLabel::setText(const QString& text) {
    if (text == text_)
        return;
    // A label not on the screen draws nothing, and needs no font for it yet.
    const QRect changed = isVisible() ? changedArea(text_, text) : QRect();
    text_ = text;
    // Nothing is built for a screen reader that is not there.
    if (QAccessible::isActive() && accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    repaint(changed);
}

bool ClockLabel::drawsCharacterWise(const QString& text) const {
    return !text.isEmpty() && layoutDirection() == Qt::LeftToRight &&
           std::all_of(text.cbegin(), text.cend(), isClockCharacter);
}

const ClockLabel::Character& ClockLabel::laidOut(QChar character) {
    auto found = characters_.find(character.unicode());
    if (found == characters_.end()) {
        Character laid{QStaticText(QString(character))};
        laid.text.setTextFormat(Qt::PlainText);
        laid.text.prepare(QTransform(), font());
        const QFontMetricsF metrics(font());
        laid.advance = metrics.horizontalAdvance(character);
        laid.leftBearing = metrics.leftBearing(character);
        found = characters_.insert(character.unicode(), laid);
    }
    return *found;
}

void ClockLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        characters_.clear();
    QWidget::changeEvent(event);
}

// Where a label puts a line of text aligned left and centred upright.
QPointF ClockLabel::firstCharacterAt() const {
    const QFontMetricsF metrics(font());
    return {0, (height() - metrics.ascent() - metrics.descent()) / 2};
}

// From the first character that differs to the right edge; nothing for the same text; the whole
// label when the texts cannot be compared character by character.
QRect ClockLabel::changedArea(const QString& before, const QString& after) {
    if (before.size() != after.size() || !drawsCharacterWise(before) || !drawsCharacterWise(after))
        return rect();
    const auto differ = std::mismatch(before.cbegin(), before.cend(), after.cbegin());
    if (differ.first == before.cend())
        return {};
    qreal left = 0;
    for (auto character = after.cbegin(); character != differ.second; ++character)
        left += laidOut(*character).advance;
    // The ink of the first changed glyph, old or new, may reach left of where it stands.
    left += std::min(
        {qreal(0), laidOut(*differ.first).leftBearing, laidOut(*differ.second).leftBearing});
    const int from = std::max(0, int(std::floor(left)) - 1);
    return {from, 0, width() - from, height()};
}

void ClockLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // What the window would have painted behind a see-through label.
    const QWidget* behind = parentWidget() ? parentWidget() : this;
    painter.fillRect(rect(), behind->palette().brush(behind->backgroundRole()));
    painter.setPen(palette().color(foregroundRole()));
    if (!drawsCharacterWise(text_)) {
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextExpandTabs, text_);
        return;
    }
    QPointF at = firstCharacterAt();
    for (const QChar character : text_) {
        const Character& laid = laidOut(character);
        painter.drawStaticText(at, laid.text);
        at.rx() += laid.advance;
    }
}
