// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "frmAlarm.h"

#include "Resizer.h"
#include "SettingsKeys.h"
#include "SkedForm.h"
#include "Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

frmAlarm::frmAlarm(Context& context) : context_(context) {
    setObjectName(QStringLiteral("frmAlarm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" Alarm !!"));
    const QSize client(twipsToPixels(3828), twipsToPixels(1980));
    resize(client);

    lblAlarm = new QLabel(QStringLiteral("Alarm"), this);
    lblAlarm->setObjectName(QStringLiteral("lblAlarm"));
    lblAlarm->setGeometry(twipsRect(120, 135, 3555, 1170));
    lblAlarm->setWordWrap(true);
    lblAlarm->setAccessibleDescription(QStringLiteral("Alarm message"));
    lblAlarm->setTextFormat(Qt::PlainText);
    lblAlarm->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = lblAlarm->font();
    font.setPointSize(12);
    lblAlarm->setFont(font);

    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twipsRect(1140, 1365, 1620, 495));
    connect(cmdClose, &QPushButton::clicked, this, &frmAlarm::cmdClose_Click);

    Resizer1 = new Resizer(this, this, client, context_.settings);
    Resizer1->captureDesign();
    Form_Load();
}

void frmAlarm::Form_Load() {
    // The switch counts only when the window is created; a hidden window keeps its button state.
    cmdClose->setEnabled(context_.forms.main().mCloseButton->isChecked());
    Resizer1->restoreLayout(SettingsKeys::kApplication);
}

void frmAlarm::setAlarmText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lblAlarm->setText(shown);
}

void frmAlarm::cmdClose_Click() {
    hide();
}

void frmAlarm::closeEvent(QCloseEvent* event) {
    Resizer1->storeLayout(SettingsKeys::kApplication);
    event->accept();
}
