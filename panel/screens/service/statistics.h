#ifndef STATISTICS_H
#define STATISTICS_H

#include "baseframe.h"

namespace Ui {
class Statistics;
}

// The controller's two operating-hour counters: the service counter and the
// lifetime counter.  While the screen shows it asks for fresh counters on
// every refresh; an Engineer or Admin can reset the service counter.
class Statistics : public BaseFrame
{
    Q_OBJECT

public:
    explicit Statistics(QWidget *parent = nullptr);
    ~Statistics() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnReset_clicked();
    void on_btnBack_clicked();

private:
    Ui::Statistics *ui;
};

#endif // STATISTICS_H
