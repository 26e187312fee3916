#ifndef STANDARD_H
#define STANDARD_H

#include "baseframe.h"

namespace Ui {
class Standard;
}

// Build C's home screen: header and status line, the "Open" button held to
// open the door and the reference-run button.  The door has six operating
// modes but no mode buttons: the screen only asks for mode 1 whenever the
// controller does not report exactly one of them.
class Standard : public BaseFrame
{
    Q_OBJECT

public:
    explicit Standard(QWidget *parent = nullptr);
    ~Standard() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnUtilities_clicked();
    void on_btnHoming_clicked();
    void on_btnOpen_pressed();
    void on_btnOpen_released();

private:
    Ui::Standard *ui;
};

#endif // STANDARD_H
