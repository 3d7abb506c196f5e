#pragma once

#include "Context.h"
#include "SkedTable.h"

#include <QWidget>

class QLabel;

// The schedule table window. It owns the sked table: the table lives exactly as long as the
// window does.
class frmSkeds : public QWidget {
    Q_OBJECT

public:
    explicit frmSkeds(Context& context);

    SkedTable& table() { return table_; }
    const SkedTable& table() const { return table_; }

    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;

private:
    Context& context_;
    SkedTable table_;
};
