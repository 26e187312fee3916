#ifndef TOTMANN_H
#define TOTMANN_H

#include "baseframe.h"
#include "longpress.h"

namespace Ui {
class Totmann;
}

// Shown while the controller reports hold-to-run operation: header, status
// line, the "Door open" indicator and the utilities button, which leads to
// the user login on a long press.  Leaves itself for the main door screen
// as soon as hold-to-run ends.
class Totmann : public BaseFrame
{
    Q_OBJECT

public:
    explicit Totmann(QWidget *parent = nullptr);
    ~Totmann() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnUtilities_pressed();
    void on_btnUtilities_clicked();

private:
    Ui::Totmann *ui;
    LongPress pressTime;
};

#endif // TOTMANN_H
