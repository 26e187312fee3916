#ifndef SENSORS_H
#define SENSORS_H

#include "baseframe.h"

namespace Ui {
class Sensors;
}

// Switches the door's two motion and two presence sensors.  A button only
// asks the controller; it lights when the controller reports the sensor on.
class Sensors : public BaseFrame
{
    Q_OBJECT

public:
    explicit Sensors(QWidget *parent = nullptr);
    ~Sensors() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnSensor1_clicked();
    void on_btnSensor2_clicked();
    void on_btnSensor3_clicked();
    void on_btnSensor4_clicked();
    void on_btnBack_clicked();

private:
    Ui::Sensors *ui;
};

#endif // SENSORS_H
