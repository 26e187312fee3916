#ifndef SETDATETIME_H
#define SETDATETIME_H

#include "baseframe.h"

namespace Ui {
class SetDateTime;
}

// Shows the panel's local date and time and sets one field of it at a time
// (day, month, year, hour or minute) with the value-adjust dialog.  Nothing
// goes to the door controller.  The labels follow the clock at each refresh,
// not by a timer of their own.
class SetDateTime : public BaseFrame
{
    Q_OBJECT

public:
    explicit SetDateTime(QWidget *parent = nullptr);
    ~SetDateTime() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void onButtonClicked(int button);
    void on_btnBack_clicked();

private:
    Ui::SetDateTime *ui;
};

#endif // SETDATETIME_H
