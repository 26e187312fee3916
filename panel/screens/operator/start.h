#ifndef START_H
#define START_H

#include "baseframe.h"

namespace Ui {
class Start;
}

// The first screen, and a second time the screensaver: title, logo, door
// name and one large button.
class Start : public BaseFrame
{
    Q_OBJECT

public:
    explicit Start(QWidget *parent = nullptr);
    ~Start() override;

private slots:
    void on_pushButton_clicked();

private:
    Ui::Start *ui;
};

#endif // START_H
