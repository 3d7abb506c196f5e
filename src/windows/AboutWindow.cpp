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
    //: A window caption: the leading blank is part of the caption.
    setWindowTitle(tr(" About Tockmere"));
    setModal(true);
    setFixedSize(twipsToPixels(4530), twipsToPixels(1500));
    auto* bannerLabel = new QLabel(this);
    bannerLabel->setObjectName(QStringLiteral("banner"));
    bannerLabel->setPixmap(banner());
    bannerLabel->setAccessibleName(tr("Tockmere banner"));
    // The legal notices in full, where the banner has room for them in short.
    const QString notice = legalNotice();
    bannerLabel->setAccessibleDescription(notice);
    bannerLabel->setToolTip(notice);
    bannerLabel->setGeometry(twipsToPixels(60), twipsToPixels(30), 294, 60);
    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(twipsRect(1560, 960, 975, 375));
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    move(placement(mainTop, screenWidth, width()));
}

QPoint AboutWindow::placement(int mainTop, int screenWidth, int aboutWidth) {
    return {screenWidth / 2 - aboutWidth / 2, mainTop + twipsToPixels(1200)};
}

QString AboutWindow::legalNotice() {
    //: The legal notices, for a screen reader and in the banner's tooltip.
    return tr("Copyright \u00A9 2026 Tockmere developers. Tockmere is free software under the GNU "
              "General Public License, version 3 or any later version, and comes with no "
              "warranty. Its source is at https://tockmere.org/; the help document has the "
              "licence's terms.");
}

QPixmap AboutWindow::banner() {
    QPixmap pixmap(294, 60);
    pixmap.fill(QColor(204, 255, 204));
    QPainter painter(&pixmap);
    painter.setPen(QColor(0, 96, 0));
    auto line = [&painter](int pixels, bool bold, const QRect& place, const QString& text) {
        QFont font = painter.font();
        font.setPixelSize(pixels);
        font.setBold(bold);
        painter.setFont(font);
        painter.drawText(place, Qt::AlignCenter, text);
    };
    line(21, true, QRect(0, 0, 294, 24), QStringLiteral("Tockmere"));
    //: A line of the banner: %1 is the version number, such as 0.1.0.
    line(11, false, QRect(0, 23, 294, 13),
         tr("sked clock, version %1").arg(QLatin1String(TOCKMERE_VERSION)));
    // The notices a program under the GPL shows: the copyright, the licence, no warranty, and
    // where its source is.
    //: A short line of the banner, which is 294 pixels wide.
    line(10, false, QRect(0, 36, 294, 12),
         tr("\u00A9 2026 Tockmere developers \u00B7 GNU GPL 3 or later"));
    //: A short line of the banner, which is 294 pixels wide.
    line(10, false, QRect(0, 47, 294, 12), tr("no warranty \u00B7 source at tockmere.org"));
    return pixmap;
}
