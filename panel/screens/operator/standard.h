#ifndef STANDARD_H
#define STANDARD_H

#include "baseframe.h"

#include <QVector>

class QAbstractButton;

namespace Ui {
class Standard;
}

// The operator's home screen of builds A and C (build B's differs in kind:
// standard_b.h): header and status line, one button per operating mode with
// a lamp on the mode the controller reports, the way to the utilities menu
// and the reference-run button.  The screen asks for the fallback mode
// unless exactly one mode is reported.
//
// The modes are the build's table (OperatingMode); a form may build their
// buttons disabled, so never shown (build C's does), or leave one out.
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
    // Per door build (standard_<build>.cpp): wires the buttons that the
    // build's form has beyond the mode buttons, "Utilities" and "Ref OK".
    void setUpOwnButtons();

    Ui::Standard *ui;
    // The mode buttons that "nomodes2_6" hides.
    QVector<QAbstractButton *> noModes2to6Buttons;
};

#endif // STANDARD_H
