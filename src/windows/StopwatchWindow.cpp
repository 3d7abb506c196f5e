// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "StopwatchWindow.h"

#include "Controls.h"
#include "Text.h"
#include "Twips.h"
#include "WindowRoles.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

QLabel* digits(QWidget* parent, const char* name, const QString& text, QRect geometry, bool red) {
    QLabel* label = makeLabel(parent, name, text, geometry);
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSize(18);
    font.setBold(true);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, red ? Qt::red : Qt::black);
    label->setPalette(colours);
    return label;
}

QString text(std::int64_t value) {
    return QString::fromStdString(twoDigitText(value));
}

} // namespace

StopwatchWindow::StopwatchWindow() {
    giveWindowsTheirRoles();
    setObjectName(QStringLiteral("StopwatchWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Stop Watch"));
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(grey);
    setFixedSize(twipsToPixels(3240), twipsToPixels(1368));

    hoursLabel_ = digits(this, "hours", QStringLiteral("00"), twipsRect(816, 180, 444, 348), false);
    digits(this, "firstColon", QStringLiteral(":"), twipsRect(1260, 156, 96, 396), true);
    minutesLabel_ =
        digits(this, "minutes", QStringLiteral("00"), twipsRect(1368, 180, 468, 348), false);
    digits(this, "secondColon", QStringLiteral(":"), twipsRect(1800, 156, 108, 348), true);
    secondsLabel_ =
        digits(this, "seconds", QStringLiteral("00"), twipsRect(1908, 180, 480, 348), false);
    hoursLabel_->setAccessibleDescription(tr("Hours"));
    minutesLabel_->setAccessibleDescription(tr("Minutes"));
    secondsLabel_->setAccessibleDescription(tr("Seconds"));
    //: The button that starts the stopwatch.
    startButton_ = makeButton(this, "startButton", tr("Start"), twipsRect(324, 768, 1248, 432));
    auto* exitButton = makeButton(this, "exitButton", tr("Exit"), twipsRect(2196, 768, 648, 432));

    tickTimer_ = new QTimer(this);
    tickTimer_->setObjectName(QStringLiteral("tickTimer"));
    tickTimer_->setInterval(1000);
    connect(tickTimer_, &QTimer::timeout, this, &StopwatchWindow::countSecond);
    connect(startButton_, &QPushButton::clicked, this, &StopwatchWindow::startOrStop);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
}

void StopwatchWindow::startOrStop() {
    if (!tickTimer_->isActive()) {
        count_ = {};
        showCount();
        tickTimer_->start();
        //: The button that stops the running stopwatch.
        startButton_->setText(tr("Stop"));
    } else {
        tickTimer_->stop();
        //: The button that starts the stopwatch.
        startButton_->setText(tr("Start"));
    }
}

void StopwatchWindow::countSecond() {
    count_.tick();
    showCount();
}

void StopwatchWindow::showCount() {
    hoursLabel_->setText(text(count_.hours));
    minutesLabel_->setText(text(count_.minutes));
    secondsLabel_->setText(text(count_.seconds));
}
