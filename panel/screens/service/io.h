#ifndef IO_H
#define IO_H

#include "baseframe.h"

#include <QVector>

class QPushButton;

namespace Ui {
class IO;
}

// The I/O menu: the way to the live input and output pages.  Which button
// leads to which page, and which the menu offers, is data in the build's own
// file; every other button of the form but "<-- back" is not offered.
class IO : public BaseFrame
{
    Q_OBJECT

public:
    enum Offer {
        Offered,
        OfferedUnlessNoExtension, // hidden, on entry, while the panel is set to "noextension"
    };
    struct Entry
    {
        const char *button; // object name of the menu button
        const char *page;   // the page it leads to
        Offer offer;
    };

    explicit IO(QWidget *parent = nullptr);
    ~IO() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnBack_clicked();

private:
    // Per door build (io_<build>.cpp): the menu's entries, each a button of
    // the form and the page it leads to; a button no entry names is not offered.
    static const QVector<Entry> entries;

    Ui::IO *ui;
    // The entries whose button hides under "noextension".
    QVector<QPushButton *> extensionButtons;
};

#endif // IO_H
