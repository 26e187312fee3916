#ifndef VEKINFO_H
#define VEKINFO_H

#include "baseframe.h"

namespace Ui {
class Vekinfo;
}

class Vekinfo : public BaseFrame
{
    Q_OBJECT

public:
    explicit Vekinfo(QWidget *parent = nullptr);
    ~Vekinfo() override;

private:
    Ui::Vekinfo *ui;
};

#endif // VEKINFO_H
