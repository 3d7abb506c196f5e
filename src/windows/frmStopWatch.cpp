// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "frmStopWatch.h"

#include "Controls.h"
#include "Text.h"
#include "Twips.h"

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

frmStopWatch::frmStopWatch() {
    setObjectName(QStringLiteral("frmStopWatch"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Stop Watch"));
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(grey);
    setFixedSize(twipsToPixels(3240), twipsToPixels(1368));

    Label1 = digits(this, "Label1", QStringLiteral("00"), twipsRect(816, 180, 444, 348), false);
    Label4 = digits(this, "Label4", QStringLiteral(":"), twipsRect(1260, 156, 96, 396), true);
    Label2 = digits(this, "Label2", QStringLiteral("00"), twipsRect(1368, 180, 468, 348), false);
    Label6 = digits(this, "Label6", QStringLiteral(":"), twipsRect(1800, 156, 108, 348), true);
    Label3 = digits(this, "Label3", QStringLiteral("00"), twipsRect(1908, 180, 480, 348), false);
    Label1->setAccessibleDescription(QStringLiteral("Hours"));
    Label2->setAccessibleDescription(QStringLiteral("Minutes"));
    Label3->setAccessibleDescription(QStringLiteral("Seconds"));
    btnStart =
        makeButton(this, "btnStart", QStringLiteral("Start"), twipsRect(324, 768, 1248, 432));
    btnExit = makeButton(this, "btnExit", QStringLiteral("Exit"), twipsRect(2196, 768, 648, 432));

    tmrTime = new QTimer(this);
    tmrTime->setObjectName(QStringLiteral("tmrTime"));
    tmrTime->setInterval(1000);
    connect(tmrTime, &QTimer::timeout, this, &frmStopWatch::tmrTime_Timer);
    connect(btnStart, &QPushButton::clicked, this, &frmStopWatch::btnStart_Click);
    connect(btnExit, &QPushButton::clicked, this, &frmStopWatch::btnExit_Click);
}

void frmStopWatch::btnStart_Click() {
    if (!tmrTime->isActive()) {
        count_ = {};
        showCount(count_);
        tmrTime->start();
        btnStart->setText(QStringLiteral("Stop"));
    } else {
        tmrTime->stop();
        btnStart->setText(QStringLiteral("Start"));
    }
}

void frmStopWatch::tmrTime_Timer() {
    count_.tick();
    showCount(count_);
}

void frmStopWatch::btnExit_Click() {
    close();
}

void frmStopWatch::showCount(const StopwatchCount& count) {
    Label1->setText(text(count.hours));
    Label2->setText(text(count.minutes));
    Label3->setText(text(count.seconds));
}
