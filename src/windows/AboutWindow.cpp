// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "AboutWindow.h"

#include "Twips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#ifndef TOCKMERE_VERSION
#define TOCKMERE_VERSION "0"
#endif

AboutWindow::AboutWindow(int mainTop, int screenWidth) {
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowTitle(QStringLiteral(" About Tockmere"));
    setModal(true);
    setFixedSize(twipsToPixels(4530), twipsToPixels(1500));
    auto* bannerLabel = new QLabel(this);
    bannerLabel->setObjectName(QStringLiteral("banner"));
    bannerLabel->setPixmap(banner());
    bannerLabel->setAccessibleName(QStringLiteral("Tockmere banner"));
    bannerLabel->setGeometry(twipsToPixels(60), twipsToPixels(30), 294, 60);
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(twipsRect(1560, 960, 975, 375));
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    move(placement(mainTop, screenWidth, width()));
}

QPoint AboutWindow::placement(int mainTop, int screenWidth, int aboutWidth) {
    return {screenWidth / 2 - aboutWidth / 2, mainTop + twipsToPixels(1200)};
}

QPixmap AboutWindow::banner() {
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
