#ifndef TOTMANN_H
#define TOTMANN_H

#include "baseframe.h"

namespace Ui {
class Totmann;
}

class Totmann : public BaseFrame
{
    Q_OBJECT

public:
    explicit Totmann(QWidget *parent = nullptr);
    ~Totmann() override;

private:
    Ui::Totmann *ui;
};

#endif // TOTMANN_H
