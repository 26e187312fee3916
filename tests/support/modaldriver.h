#ifndef MODALDRIVER_H
#define MODALDRIVER_H

#include <QSharedPointer>
#include <QStringList>

class QObject;

// Clicks buttons of the modal dialog that the next action opens.
//
//     ModalDriver driver({"btn1p", "btnEnter"});
//     panel.click("btnOpenSlowDist");   // opens the dialog and returns after it closed
//     QVERIFY(driver.done());
//
// The buttons are clicked by name, with the mouse, as soon as the dialog's
// exec() runs its event loop.
class ModalDriver
{
public:
    ModalDriver(const QStringList &buttons, QObject *context);
    bool done() const { return *clicked; }

private:
    QSharedPointer<bool> clicked;
};

#endif // MODALDRIVER_H
