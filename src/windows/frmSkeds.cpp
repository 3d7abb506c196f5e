#include "frmSkeds.h"

#include "Twips.h"

#include <QLabel>

frmSkeds::frmSkeds(Context& context) : context_(context) {
    setObjectName(QStringLiteral("frmSkeds"));
    setWindowTitle(QStringLiteral(" Schedules Page1"));
    resize(twipsToPixels(7752), twipsToPixels(6960));

    Label9 = new QLabel(this);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setGeometry(twipsRect(315, 60, 1200, 255));

    Label8 = new QLabel(this);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setGeometry(twipsRect(1600, 60, 6000, 255));
}
