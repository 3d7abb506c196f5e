// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "QtHelpViewer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>

QtHelpViewer::~QtHelpViewer() {
    delete browser_;
}

QTextBrowser* QtHelpViewer::browser() const {
    return browser_;
}

bool QtHelpViewer::showContents(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return false;
    if (!browser_) {
        browser_ = new QTextBrowser;
        browser_->setObjectName(QStringLiteral("helpViewer"));
        //: A window caption: the leading blank is part of the caption.
        browser_->setWindowTitle(QCoreApplication::translate("QtHelpViewer", " Tockmere Help"));
        browser_->setOpenExternalLinks(true);
        browser_->resize(640, 560);
        // Closed as document viewers are: Esc, Ctrl+W, and the desktop's own key for closing.
        QList<QKeySequence> closing = QKeySequence::keyBindings(QKeySequence::Close);
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            if (!closing.contains(keys))
                closing << keys;
        }
        for (const QKeySequence& keys : closing)
            QObject::connect(new QShortcut(keys, browser_), &QShortcut::activated, browser_,
                             &QWidget::close);
    }
    // The document's name does not tell its kind, so the kind is given.
    const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    if (browser_->source() == url)
        browser_->reload();
    else
        browser_->setSource(url, QTextDocument::HtmlResource);
    browser_->verticalScrollBar()->setValue(0);
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
    return true;
}
