#include "modaldriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

ModalDriver::ModalDriver(const QStringList &buttons, QObject *context)
    : clicked(new bool(false))
{
    QSharedPointer<bool> flag = clicked;
    QTimer::singleShot(0, context, [buttons, flag] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        for (const QString &name : buttons) {
            auto *button = dialog->findChild<QAbstractButton *>(name);
            if (!button) {
                qWarning("no button %s on the dialog", qPrintable(name));
                return;
            }
            QTest::mouseClick(button, Qt::LeftButton);
        }
        *flag = true;
    });
}
