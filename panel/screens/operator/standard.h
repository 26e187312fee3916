#ifndef STANDARD_H
#define STANDARD_H

#include "baseframe.h"

namespace Ui {
class Standard;
}

// The operator's home screen: header and status line, one button per
// operating mode with a lamp on the mode the controller reports, the way to
// the utilities menu and the reference-run button.
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

private:
    Ui::Standard *ui;
};

#endif // STANDARD_H
