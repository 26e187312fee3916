#ifndef VEKINFO_H
#define VEKINFO_H

#include "baseframe.h"

namespace Ui {
class Vekinfo;
}

// The maker's contact text.
class Vekinfo : public BaseFrame
{
    Q_OBJECT

public:
    explicit Vekinfo(QWidget *parent = nullptr);
    ~Vekinfo() override;

private slots:
    void on_btnBack_clicked();

private:
    Ui::Vekinfo *ui;
};

#endif // VEKINFO_H
