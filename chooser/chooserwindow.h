#ifndef CHOOSERWINDOW_H
#define CHOOSERWINDOW_H

#include <QMainWindow>

namespace Ui {
class MainWindow;
}

// The one window of the chooser: three picks and "Install", which ends the
// program with the checked pick's position as its exit code.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void on_btnInstall_clicked();

private:
    Ui::MainWindow *ui;
};

#endif // CHOOSERWINDOW_H
