// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Resizer.h"

#include "Twips.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// Sizes outside these bounds in a stored layout are junk; the window keeps its design.
constexpr int kMaxTwips = 1'000'000;

std::optional<int> storedTwips(const SettingsStore& settings, const QString& application,
                               const QString& section, QLatin1String key) {
    bool ok = false;
    const int value = settings.read(application, section, key, QString()).toInt(&ok);
    if (!ok || value < -kMaxTwips || value > kMaxTwips)
        return std::nullopt;
    return value;
}

} // namespace

Resizer::Resizer(QWidget* window, QWidget* client, QSize designedClient, SettingsStore& settings,
                 QString section)
    : QObject(window), window_(window), client_(client), designedClient_(designedClient),
      settings_(settings), section_(std::move(section)) {
    client_->installEventFilter(this);
}

void Resizer::captureDesign() {
    design_.clear();
    for (QWidget* child : client_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        design_.insert(child, {child->geometry(), child->font().pointSizeF()});
}

QRect Resizer::scaled(const QRect& designed, QSize designedClient, QSize client) {
    const double sx = double(client.width()) / designedClient.width();
    const double sy = double(client.height()) / designedClient.height();
    const int left = int(std::lround(designed.left() * sx));
    const int top = int(std::lround(designed.top() * sy));
    const int right = int(std::lround((designed.left() + designed.width()) * sx));
    const int bottom = int(std::lround((designed.top() + designed.height()) * sy));
    return {left, top, std::max(right - left, 1), std::max(bottom - top, 1)};
}

qreal Resizer::scaledPointSize(qreal designed, QSize designedClient, QSize client) {
    const qreal scale = std::min(qreal(client.width()) / designedClient.width(),
                                 qreal(client.height()) / designedClient.height());
    return std::max<qreal>(designed * scale, 1.0);
}

void Resizer::apply() {
    if (client_->width() <= 0 || client_->height() <= 0)
        return;
    for (auto it = design_.constBegin(); it != design_.constEnd(); ++it) {
        QWidget* child = it.key();
        child->setGeometry(scaled(it->geometry, designedClient_, client_->size()));
        QFont font = child->font();
        font.setPointSizeF(scaledPointSize(it->pointSize, designedClient_, client_->size()));
        child->setFont(font);
    }
}

bool Resizer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize)
        apply();
    return QObject::eventFilter(watched, event);
}

void Resizer::restoreLayout(const QString& application) {
    const auto left = storedTwips(settings_, application, section_, QLatin1String("Left"));
    const auto top = storedTwips(settings_, application, section_, QLatin1String("Top"));
    const auto width = storedTwips(settings_, application, section_, QLatin1String("Width"));
    const auto height = storedTwips(settings_, application, section_, QLatin1String("Height"));
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0)
        return;
    window_->resize(twipsToPixels(*width), twipsToPixels(*height));
    window_->move(twipsToPixels(*left), twipsToPixels(*top));
}

void Resizer::storeLayout(const QString& application) {
    const QRect normal(window_->pos(), window_->size());
    auto save = [&](const char* key, int pixels) {
        settings_.save(application, section_, QLatin1String(key),
                       QString::number(pixelsToTwips(pixels)));
    };
    if (windowPlacesAreKnown()) {
        save("Left", normal.x());
        save("Top", normal.y());
    }
    save("Width", normal.width());
    save("Height", normal.height());
}
