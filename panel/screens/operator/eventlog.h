#ifndef EVENTLOG_H
#define EVENTLOG_H

#include "baseframe.h"

namespace Ui {
class Eventlog;
}

class Eventlog : public BaseFrame
{
    Q_OBJECT

public:
    explicit Eventlog(QWidget *parent = nullptr);
    ~Eventlog() override;

private:
    Ui::Eventlog *ui;
};

#endif // EVENTLOG_H
