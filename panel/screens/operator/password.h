#ifndef PASSWORD_H
#define PASSWORD_H

#include <QDialog>
#include <QString>

namespace Ui {
class Password;
}

// Full-screen numeric keypad.  It shows one "*" per digit typed and checks
// nothing itself: the opener runs it with exec() and reads enteredDigits,
// which is empty after "<-- back".
class Password : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MaxDigits = 8;

    explicit Password(QWidget *parent);
    ~Password() override;

    // The digits typed, as typed (leading zeros kept), at most MaxDigits.
    QString enteredDigits;

private slots:
    void onPassButtonClicked(int button);
    void on_btnEnter_clicked();
    void on_btnBack_clicked();

private:
    Ui::Password *ui;
};

#endif // PASSWORD_H
