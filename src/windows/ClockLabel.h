// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QHash>
#include <QStaticText>
#include <QString>
#include <QWidget>

// The label of the main window's clock, which shows a new text every second. A plain label would
// lay its whole text out afresh (shaping included) at each paint, repaint all of itself and
// leave a second paint request queued behind the immediate one. This one draws a new text at
// once, and only from the first character that changed; it lays each clock character out once
// and places them side by side, and paints its own background, so the window behind it is not
// repainted. It draws the same pixels as a plain label with the same font, palette and size.
class ClockLabel final : public QWidget {
    Q_OBJECT

public:
    ClockLabel(const QString& text, QWidget* parent);

    QString text() const { return text_; }
    // Shows the text straight away when the label is on screen.
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // One character as the font draws it.
    struct Character {
        QStaticText text;
        qreal advance = 0;
        qreal leftBearing = 0;
    };

    bool drawsCharacterWise(const QString& text) const;
    const Character& laidOut(QChar character);
    QPointF firstCharacterAt() const;
    QRect changedArea(const QString& before, const QString& after);

    QString text_;
    QHash<char16_t, Character> characters_;
};
