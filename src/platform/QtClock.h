#pragma once

#include "Clock.h"

class QtClock final : public Clock {
public:
    QDateTime localNow() const override;
    QDateTime utcNow() const override;
};
