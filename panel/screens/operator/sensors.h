#ifndef SENSORS_H
#define SENSORS_H

#include "baseframe.h"

namespace Ui {
class Sensors;
}

class Sensors : public BaseFrame
{
    Q_OBJECT

public:
    explicit Sensors(QWidget *parent = nullptr);
    ~Sensors() override;

private:
    Ui::Sensors *ui;
};

#endif // SENSORS_H
