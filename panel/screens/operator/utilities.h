#ifndef UTILITIES_H
#define UTILITIES_H

#include "baseframe.h"

namespace Ui {
class Utilities;
}

class Utilities : public BaseFrame
{
    Q_OBJECT

public:
    explicit Utilities(QWidget *parent = nullptr);
    ~Utilities() override;

private:
    Ui::Utilities *ui;
};

#endif // UTILITIES_H
