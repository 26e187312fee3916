#ifndef SERVICE_H
#define SERVICE_H

#include "baseframe.h"

namespace Ui {
class Service;
}

// The service menu: the way to the statistics screen and the I/O pages, and
// the controller's "On / Off".  All three are there for a logged-in user
// only; "On / Off" is lime while the controller reports control on.
class Service : public BaseFrame
{
    Q_OBJECT

public:
    explicit Service(QWidget *parent = nullptr);
    ~Service() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnIO_clicked();
    void on_btnStatistics_clicked();
    void on_btnBack_clicked();

private:
    Ui::Service *ui;
};

#endif // SERVICE_H
