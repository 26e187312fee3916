#ifndef EVENTLOG_H
#define EVENTLOG_H

#include "baseframe.h"

namespace Ui {
class Eventlog;
}

// "Messages and Log": the events of the door-state object, newest on top,
// two rows each (time, then text), scrolled by four arrow buttons.  Viewing
// the log acknowledges the events only for a logged-in user.
class Eventlog : public BaseFrame
{
    Q_OBJECT

public:
    explicit Eventlog(QWidget *parent = nullptr);
    ~Eventlog() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnFirstLine_clicked();
    void on_btnLastLine_clicked();
    void on_btnLineUp_clicked();
    void on_btnLineDown_clicked();
    void on_btnBack_clicked();

private:
    void scrollRows(int rows);

    Ui::Eventlog *ui;
};

#endif // EVENTLOG_H
