#ifndef SYSTEMINFO_H
#define SYSTEMINFO_H

#include "baseframe.h"

namespace Ui {
class Systeminfo;
}

class Systeminfo : public BaseFrame
{
    Q_OBJECT

public:
    explicit Systeminfo(QWidget *parent = nullptr);
    ~Systeminfo() override;

private:
    // Per door build.
    static const char *const buildDate;

    Ui::Systeminfo *ui;
};

#endif // SYSTEMINFO_H
