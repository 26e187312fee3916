#ifndef USER_H
#define USER_H

#include "baseframe.h"

namespace Ui {
class User;
}

class User : public BaseFrame
{
    Q_OBJECT

public:
    explicit User(QWidget *parent = nullptr);
    ~User() override;

private:
    Ui::User *ui;
};

#endif // USER_H
