#ifndef TEXTEDIT_H
#define TEXTEDIT_H

#include <QDialog>
#include <QString>

class QAbstractButton;

namespace Ui {
class Textedit;
}

// Full-screen on-screen keyboard for a short text.  Characters are only
// appended at the end or deleted from the end.  The opener runs it with
// exec(): 1 after "Enter", then text() is the edited text; 0 after
// "<-- back" (or any other way of closing), and the text is to be dropped.
class Textedit : public QDialog
{
    Q_OBJECT

public:
    Textedit(const QString &initial, QWidget *parent);
    ~Textedit() override;

    QString text() const;

private slots:
    void on_btnBack_clicked();
    void on_btnEnter_clicked();
    void onButtonClicked(QAbstractButton *key);
    void on_btnDelete_clicked();
    void on_btnSpace_clicked();

private:
    void append(const QString &characters);

    Ui::Textedit *ui;
};

#endif // TEXTEDIT_H
