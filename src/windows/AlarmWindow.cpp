// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "AlarmWindow.h"

#include "Resizer.h"
#include "SettingsKeys.h"
#include "Twips.h"
#include "WindowRoles.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

AlarmWindow::AlarmWindow(const Options& options, SettingsStore& settings) {
    giveWindowsTheirRoles();
    setObjectName(QStringLiteral("AlarmWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    //: A window caption: the leading blank is part of the caption.
    setWindowTitle(tr(" Alarm !!"));
    const QSize client(twipsToPixels(3828), twipsToPixels(1980));
    resize(client);

    // The message's place scrolls when alarms fired one after another do not fit; one alarm
    // looks as a plain label would.
    auto* messages = new QScrollArea(this);
    messages->setObjectName(QStringLiteral("messages"));
    messages->setGeometry(twipsRect(120, 135, 3555, 1170));
    messages->setFrameShape(QFrame::NoFrame);
    messages->setWidgetResizable(true);
    messages->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    messages->viewport()->setAutoFillBackground(false);
    QFont font = messages->font();
    font.setPointSize(12);
    messages->setFont(font);
    messageLabel_ = new QLabel(tr("Alarm"));
    messageLabel_->setObjectName(QStringLiteral("messageLabel"));
    messageLabel_->setWordWrap(true);
    messageLabel_->setAccessibleDescription(tr("Alarm message"));
    messageLabel_->setTextFormat(Qt::PlainText);
    messageLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    messages->setWidget(messageLabel_);

    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setGeometry(twipsRect(1140, 1365, 1620, 495));
    connect(closeButton, &QPushButton::clicked, this, [this] {
        hide();
        forgetAlarms();
    });
    // The switch counts only when the window is created; a hidden window keeps its button state.
    closeButton->setEnabled(options.isOn(Options::Switch::AlarmCloseButton));

    // The stored layout keeps the section its users have: the window's first name.
    resizer_ = new Resizer(this, this, client, settings, QStringLiteral("frmAlarm"));
    resizer_->captureDesign();
    resizer_->restoreLayout(SettingsKeys::kApplication);
}

void AlarmWindow::showAlarm(const QString& heading, const QString& message) {
    if (isVisible())
        earlier_.prepend(newest_);
    newest_ = heading + u'\n' + message;
    // The newest alarm's heading is the window's title; its message stands under an empty line.
    setWindowTitle(u' ' + heading);
    messageLabel_->setText((QStringList{u'\n' + message} + earlier_).join(QStringLiteral("\n\n")));
    show();
    raise();
    QCoreApplication::processEvents();
}

void AlarmWindow::forgetAlarms() {
    earlier_.clear();
}

void AlarmWindow::closeEvent(QCloseEvent* event) {
    resizer_->storeLayout(SettingsKeys::kApplication);
    event->accept();
}
