#ifndef ADJUST_H
#define ADJUST_H

#include <QDialog>
#include <QString>

namespace Ui {
class Adjust;
}

// One editable number: its caption, its raw value, the factor by which the
// raw value is divided for display, its limits and the raw amounts of the
// four step buttons (large up, small up, small down, large down).
struct AdjustParam
{
    QString label;
    qint32 divisor = 1;
    qint32 min = 0;
    qint32 max = 0;
    qint32 step[4] = {0, 0, 0, 0};
    qint32 value = 0;
    qint32 spare = 0; // not used by the dialog; a caller may keep a value of its own here
};

// The display text of a record's value: the raw value over its divisor,
// with no trailing zeros (3600 / 120 shows 30, 155 / 10 shows 15.5).
QString formatValue(const AdjustParam &param);

// Full-screen editor of one AdjustParam.  Each step changes the record it is
// given in place, so a caller that may cancel hands it a copy.  exec()
// returns 1 only when Enter follows at least one step, else 0.
class Adjust : public QDialog
{
    Q_OBJECT

public:
    Adjust(AdjustParam *param, QWidget *parent);
    ~Adjust() override;

private slots:
    void on_btnBack_clicked();
    void on_btnEnter_clicked();
    void onAdjustButtonClicked(int button);

private:
    Ui::Adjust *ui;
    AdjustParam *param;
    bool changed = false;
};

#endif // ADJUST_H
