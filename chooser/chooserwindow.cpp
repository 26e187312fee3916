#include "chooserwindow.h"
#include "ui_chooserwindow.h"

#include <QCoreApplication>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    showFullScreen();
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::on_btnInstall_clicked()
{
    if (ui->btnPick0->isChecked())
        QCoreApplication::exit(0);
    else if (ui->btnPick1->isChecked())
        QCoreApplication::exit(1);
    else if (ui->btnPick2->isChecked())
        QCoreApplication::exit(2);
}
