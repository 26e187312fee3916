#ifndef STANDARD_H
#define STANDARD_H

#include "baseframe.h"

namespace Ui {
class Standard;
}

class Standard : public BaseFrame
{
    Q_OBJECT

public:
    explicit Standard(QWidget *parent = nullptr);
    ~Standard() override;

private:
    Ui::Standard *ui;
};

#endif // STANDARD_H
