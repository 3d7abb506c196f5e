// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "AlarmWindow.h"

#include "Resizer.h"
#include "SettingsKeys.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

AlarmWindow::AlarmWindow(const Options& options, SettingsStore& settings) {
    setObjectName(QStringLiteral("AlarmWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" Alarm !!"));
    const QSize client(twipsToPixels(3828), twipsToPixels(1980));
    resize(client);

    messageLabel_ = new QLabel(QStringLiteral("Alarm"), this);
    messageLabel_->setObjectName(QStringLiteral("messageLabel"));
    messageLabel_->setGeometry(twipsRect(120, 135, 3555, 1170));
    messageLabel_->setWordWrap(true);
    messageLabel_->setAccessibleDescription(QStringLiteral("Alarm message"));
    messageLabel_->setTextFormat(Qt::PlainText);
    messageLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = messageLabel_->font();
    font.setPointSize(12);
    messageLabel_->setFont(font);

    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setGeometry(twipsRect(1140, 1365, 1620, 495));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    // The switch counts only when the window is created; a hidden window keeps its button state.
    closeButton->setEnabled(options.isOn(Options::Switch::AlarmCloseButton));

    // The stored layout keeps the section its users have: the window's first name.
    resizer_ = new Resizer(this, this, client, settings, QStringLiteral("frmAlarm"));
    resizer_->captureDesign();
    resizer_->restoreLayout(SettingsKeys::kApplication);
}

void AlarmWindow::showAlarm(const QString& title, const QString& text) {
    setWindowTitle(title);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    messageLabel_->setText(shown);
    show();
    raise();
    QCoreApplication::processEvents();
}

void AlarmWindow::closeEvent(QCloseEvent* event) {
    resizer_->storeLayout(SettingsKeys::kApplication);
    event->accept();
}
