// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "mAbout.h"

#include "Twips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#ifndef TOCKMERE_VERSION
#define TOCKMERE_VERSION "0"
#endif

mAbout::mAbout(int mainTop, int screenWidth) {
    setObjectName(QStringLiteral("mAbout"));
    setWindowTitle(QStringLiteral(" About Tockmere"));
    setModal(true);
    setFixedSize(twipsToPixels(4530), twipsToPixels(1500));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(banner());
    Image1->setAccessibleName(QStringLiteral("Tockmere banner"));
    Image1->setGeometry(twipsToPixels(60), twipsToPixels(30), 294, 60);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(1560, 960, 975, 375));
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    move(placement(mainTop, screenWidth, width()));
}

QPoint mAbout::placement(int mainTop, int screenWidth, int aboutWidth) {
    return {screenWidth / 2 - aboutWidth / 2, mainTop + twipsToPixels(1200)};
}

QPixmap mAbout::banner() {
    QPixmap pixmap(294, 60);
    pixmap.fill(QColor(204, 255, 204));
    QPainter painter(&pixmap);
    painter.setPen(QColor(0, 96, 0));
    QFont title = painter.font();
    title.setPixelSize(26);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(0, 2, 294, 34), Qt::AlignCenter, QStringLiteral("Tockmere"));
    QFont small = painter.font();
    small.setPixelSize(12);
    small.setBold(false);
    painter.setFont(small);
    painter.drawText(QRect(0, 36, 294, 20), Qt::AlignCenter,
                     QStringLiteral("sked clock, version ") + QLatin1String(TOCKMERE_VERSION));
    return pixmap;
}
