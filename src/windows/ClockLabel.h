#pragma once

#include <QHash>
#include <QLabel>
#include <QStaticText>

// The label of the main window's clock. A plain label lays its whole text out afresh (shaping
// included) each time it is drawn, and the clock is drawn every second; this one lays each of
// the clock's characters out once and places them side by side, which draws the same
// pixels. It also paints its own background, so a new second does not first repaint the window
// behind it. Any other text, or a label set up differently, is drawn the plain way.
class ClockLabel final : public QLabel {
public:
    ClockLabel(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool drawsCharacterWise() const;
    const QStaticText& laidOut(QChar character);

    QHash<char16_t, QStaticText> characters_;
};
